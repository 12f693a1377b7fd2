// The listing calls of DirectoryEntries, as a table, so that tests can make
// a listing fail midway, which no folder on this machine does on request.
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

struct FindFileCalls {
    HANDLE(WINAPI* findFirstFile)(LPCWSTR pattern, LPWIN32_FIND_DATAW data);
    BOOL(WINAPI* findNextFile)(HANDLE find, LPWIN32_FIND_DATAW data);

    // The real calls; CallTable<FindFileCalls>::Current() gives the table in use.
    static const FindFileCalls& Platform();
};
