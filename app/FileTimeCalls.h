// The platform calls of the file time operation, as a table, so that tests
// can observe what is asked of the file system (Wine keeps no creation time).
#pragma once

#include <windows.h>

struct FileTimeCalls {
    HANDLE(WINAPI* createFile)(LPCSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                               DWORD disposition, DWORD flags, HANDLE templateFile);
    BOOL(WINAPI* systemTimeToFileTime)(const SYSTEMTIME* systemTime, LPFILETIME fileTime);
    BOOL(WINAPI* setFileTime)(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                              const FILETIME* lastWrite);
    BOOL(WINAPI* closeHandle)(HANDLE handle);

    // The real calls.
    static const FileTimeCalls& Platform();
    // The table in use: the real calls unless a test has installed its own.
    static const FileTimeCalls& Current();
    // nullptr goes back to the real calls. The table must outlive its use.
    static void Install(const FileTimeCalls* calls);
};
