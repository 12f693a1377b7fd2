// The platform calls of the directory scanner that tests cannot arrange on
// this machine (which drives there are and of what type), as a table.
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

struct DiskScanCalls {
    DWORD(WINAPI* getLogicalDriveStrings)(DWORD length, LPWSTR buffer);
    UINT(WINAPI* getDriveType)(LPCWSTR root);

    // The real calls; CallTable<DiskScanCalls>::Current() gives the table in use.
    static const DiskScanCalls& Platform();
};
