// Names and paths compared as the lists order them: by the user's locale,
// case ignored, so that a file renamed to another case keeps its place.
#pragma once

#include "platform/WideText.h"

#include <windows.h>

#include <string>
#include <string_view>

// CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; 0 when the call fails.
inline int CompareIgnoreCase(const std::string& a, const std::string& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Widen(a).c_str(), -1, Widen(b).c_str(), -1);
}

// The key that orders names as CompareIgnoreCase does, compared as unsigned
// bytes: made once a name, where a sort by CompareIgnoreCase would ask the
// locale twice a comparison, which takes seconds over 100,000 names.
inline void IgnoreCaseSortKey(std::wstring_view name, std::string& key)
{
    constexpr DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(name.size());
    key.resize(1024);
    int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, name.data(), length, reinterpret_cast<LPWSTR>(&key[0]),
                            static_cast<int>(key.size()));
    if (size == 0) {
        key.resize(static_cast<size_t>(LCMapStringW(LOCALE_USER_DEFAULT, flags, name.data(), length, nullptr, 0)));
        size = key.empty() ? 0
                           : LCMapStringW(LOCALE_USER_DEFAULT, flags, name.data(), length,
                                          reinterpret_cast<LPWSTR>(&key[0]), static_cast<int>(key.size()));
    }
    key.resize(static_cast<size_t>(size));
}
