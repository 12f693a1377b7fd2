// The platform's own text for an error code, as failure lists show it.
#pragma once

#include <windows.h>

#include <string>

// FormatMessageA's text in the user's language, without the trailing line
// break; the bare number when the system has no text for it.
std::string SystemErrorText(DWORD error);
