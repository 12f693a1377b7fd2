// The platform calls of the file time operation and its undo, as a table, so
// that tests can observe what is asked of the file system (Wine keeps no
// creation time and follows every symbolic link) and of the time zone.
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

#include <string>

struct FileTimeCalls {
    HANDLE(WINAPI* createFile)
    (LPCWSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
     HANDLE templateFile);
    BOOL(WINAPI* getFileInformationByHandle)(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information);
    // The zone's rule for a year, and local wall-clock time to UTC and back by it.
    BOOL(WINAPI* getTimeZoneInformationForYear)
    (USHORT year, PDYNAMIC_TIME_ZONE_INFORMATION zone, LPTIME_ZONE_INFORMATION rule);
    BOOL(WINAPI* tzSpecificLocalTimeToSystemTime)
    (const TIME_ZONE_INFORMATION* rule, const SYSTEMTIME* local, LPSYSTEMTIME utc);
    BOOL(WINAPI* systemTimeToTzSpecificLocalTime)
    (const TIME_ZONE_INFORMATION* rule, const SYSTEMTIME* utc, LPSYSTEMTIME local);
    BOOL(WINAPI* systemTimeToFileTime)(const SYSTEMTIME* systemTime, LPFILETIME fileTime);
    BOOL(WINAPI* setFileTime)
    (HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite);
    BOOL(WINAPI* closeHandle)(HANDLE handle);

    // The real calls; CallTable<FileTimeCalls>::Current() gives the table in use.
    static const FileTimeCalls& Platform();

    // Opens the entry itself, a link and not what it leads to, for reading
    // and setting its times alone, sharing everything: a file another program
    // holds open is stamped too.
    HANDLE OpenEntry(const std::wstring& path) const
    {
        return createFile(path.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    }
};
