// Names and paths compared as the lists order them: by the user's locale,
// case ignored, so that a file renamed to another case keeps its place.
#pragma once

#include "platform/WideText.h"

#include <windows.h>

#include <string>

// CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; 0 when the call fails.
inline int CompareIgnoreCase(const std::string& a, const std::string& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Widen(a).c_str(), -1, Widen(b).c_str(), -1);
}
