#include "platform/WideText.h"

#include <windows.h>

namespace {

// The code page of the program's narrow strings: the system's, as its literals
// are compiled for it and the ANSI file calls read them in it.
constexpr UINT kNarrowCodePage = CP_ACP;

// UTF-8 holds every character and refuses the best-fit flag.
bool NarrowIsUtf8()
{
    return kNarrowCodePage == CP_UTF8 || GetACP() == CP_UTF8;
}

}  // namespace

std::wstring Widen(std::string_view text)
{
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kNarrowCodePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kNarrowCodePage, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string Narrow(std::wstring_view text)
{
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    const DWORD flags = NarrowIsUtf8() ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = NarrowIsUtf8() ? nullptr : "?";
    const int length = WideCharToMultiByte(kNarrowCodePage, flags, text.data(), size, nullptr, 0, fallback, nullptr);
    if (length <= 0) return std::string();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kNarrowCodePage, flags, text.data(), size, &narrow[0], length, fallback, nullptr);
    return narrow;
}

bool NarrowExact(std::wstring_view text, std::string& narrow)
{
    narrow.clear();
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    // UTF-8 refuses the default-character query; it fails on an unpaired surrogate instead.
    const bool utf8 = NarrowIsUtf8();
    const DWORD flags = kNarrowCodePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* askDefault = utf8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(kNarrowCodePage, flags, text.data(), size, nullptr, 0, nullptr, askDefault);
    if (length <= 0 || usedDefault) return false;
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kNarrowCodePage, flags, text.data(), size, &bytes[0], length, nullptr, askDefault);
    if (usedDefault || Widen(bytes) != text) return false;
    narrow = std::move(bytes);
    return true;
}
