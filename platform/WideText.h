// The one conversion between the program's narrow strings and the UTF-16 of
// the wide Win32 calls. Every window, GDI, menu, shell and tray call goes
// through it, so the narrow strings' code page is set in this unit alone.
#pragma once

#include <string>
#include <string_view>

// The narrow text as UTF-16.
std::wstring Widen(std::string_view text);
// The UTF-16 text in the narrow form. A character the narrow form cannot hold
// becomes '?', which no file name contains, never a look-alike (a for â) that
// could name another file.
std::string Narrow(std::wstring_view text);
// The UTF-16 text in the narrow form, exactly: false when it cannot be held
// there and converted back the same (no best fit, no default character; in
// UTF-8 only an unpaired surrogate), so that a name is never taken for another.
bool NarrowExact(std::wstring_view text, std::string& narrow);
