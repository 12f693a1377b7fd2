// The platform calls of the file time operation, as a table, so that tests
// can observe what is asked of the file system (Wine keeps no creation time).
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

struct FileTimeCalls {
    HANDLE(WINAPI* createFile)
    (LPCWSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
     HANDLE templateFile);
    BOOL(WINAPI* systemTimeToFileTime)(const SYSTEMTIME* systemTime, LPFILETIME fileTime);
    BOOL(WINAPI* setFileTime)
    (HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite);
    BOOL(WINAPI* closeHandle)(HANDLE handle);

    // The real calls; CallTable<FileTimeCalls>::Current() gives the table in use.
    static const FileTimeCalls& Platform();
};
