#pragma once
#include <windows.h>

#include <string>

// text in codePage (the system's by default) as UTF-16.
inline std::wstring WideText(const std::string& text, UINT codePage = CP_ACP)
{
    int length = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}
