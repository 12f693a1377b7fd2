// The platform calls of the directory scanner that tests cannot arrange on
// this machine (which drives there are and of what type), as a table.
#pragma once

#include <windows.h>

struct DiskScanCalls {
    DWORD(WINAPI* getLogicalDriveStrings)(DWORD length, LPSTR buffer);
    UINT(WINAPI* getDriveType)(LPCSTR root);

    // The real calls.
    static const DiskScanCalls& Platform();
    // The table in use: the real calls unless a test has installed its own.
    static const DiskScanCalls& Current();
    // nullptr goes back to the real calls. The table must outlive its use.
    static void Install(const DiskScanCalls* calls);
};
