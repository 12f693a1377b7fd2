#include "platform/WideText.h"

#include <windows.h>

#include <algorithm>

namespace {

std::string ToUtf8(std::wstring_view text, DWORD flags, bool& ok)
{
    ok = true;
    if (text.empty()) return std::string();
    // Most names are ASCII, which is the same in both forms: no call to make.
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; }))
        return std::string(text.begin(), text.end());
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        ok = false;
        return std::string();
    }
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, flags, text.data(), size, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::wstring Widen(std::string_view text)
{
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string Narrow(std::wstring_view text)
{
    bool ok = true;
    return ToUtf8(text, 0, ok);
}

bool NarrowExact(std::wstring_view text, std::string& narrow)
{
    bool ok = true;
    narrow = ToUtf8(text, WC_ERR_INVALID_CHARS, ok);
    return ok;
}
