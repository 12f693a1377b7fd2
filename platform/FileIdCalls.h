// The calls that read a file's id, as a table, so that tests can answer as
// file systems this machine lacks do (ReFS) and as Windows 7 does.
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

struct FileIdCalls {
    BOOL(WINAPI* getFileInformationByHandleEx)
    (HANDLE file, FILE_INFO_BY_HANDLE_CLASS infoClass, LPVOID info, DWORD size);
    BOOL(WINAPI* getFileInformationByHandle)(HANDLE file, LPBY_HANDLE_FILE_INFORMATION info);

    // The real calls; CallTable<FileIdCalls>::Current() gives the table in use.
    static const FileIdCalls& Platform();
};

// FileIdInfo and its record, which the headers give only to Windows 8 builds.
constexpr FILE_INFO_BY_HANDLE_CLASS kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct FileIdInformation {
    ULONGLONG volumeSerialNumber;
    BYTE fileId[16];
};
