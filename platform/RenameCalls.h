// The call that renames an open file, as a table, so that tests can see the
// names a rename passes through, which no listing catches in passing.
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

struct RenameCalls {
    BOOL(WINAPI* setFileInformationByHandle)
    (HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, LPVOID information, DWORD size);

    // The real calls; CallTable<RenameCalls>::Current() gives the table in use.
    static const RenameCalls& Platform();
};
