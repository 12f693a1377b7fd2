// The one conversion between the program's strings, UTF-8, and the UTF-16 of
// the wide Win32 calls. Every file, window, GDI, menu, shell and tray call
// goes through it; nothing passes through the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 text as UTF-16.
std::wstring Widen(std::string_view text);
// The UTF-16 text as UTF-8, for display: an unpaired surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view text);
// The UTF-16 text as UTF-8, exactly: false for an unpaired surrogate, which
// UTF-8 cannot carry, so that a name is never taken for another.
bool NarrowExact(std::wstring_view text, std::string& narrow);
