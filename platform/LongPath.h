// A full path in the form the platform takes exactly as given (\\?\C:\...,
// \\?\UNC\server\share\...): no trailing space or dot of a name is dropped,
// so the call reaches that very entry and no other.
#pragma once

#include <string>

// Doubled separators (a scan of a drive root gives "E:\\a.txt") become one.
// A path that is relative, uses '/', or has "." or ".." components is
// given in its plain wide form.
std::wstring ExactWidePath(const std::string& path);
