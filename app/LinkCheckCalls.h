// The platform calls of the link check, as a table, so that tests can answer
// as Windows does where Wine does not (a folder that is a directory link).
#pragma once

#include "platform/CallTable.h"

#include <windows.h>

struct LinkCheckCalls {
    HANDLE(WINAPI* createFile)
    (LPCWSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
     HANDLE templateFile);
    DWORD(WINAPI* getFinalPathNameByHandle)(HANDLE file, LPWSTR path, DWORD size, DWORD flags);
    BOOL(WINAPI* closeHandle)(HANDLE handle);

    // The real calls; CallTable<LinkCheckCalls>::Current() gives the table in use.
    static const LinkCheckCalls& Platform();
};
