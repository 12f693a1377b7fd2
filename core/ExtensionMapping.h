#pragma once

#include <string>

namespace core {

// The path with the part from the last dot of its last component replaced by
// newExt, or with newExt appended when that component has no dot. newExt is
// used as typed: it brings its own dot.
std::string ReplaceExtension(const std::string& path, const std::string& newExt);

// False when the typed extension would give every file a name the platform
// alters or refuses, or move it into another folder or onto a stream: it
// ends in a space or a dot, or holds a control character or one of
// < > : " / \ | ? *. A text direction control (U+200E, U+200F, U+202A to
// U+202E, U+2066 to U+2069) is refused too: it shows a name as another.
bool ExtensionTextIsSafe(const std::string& newExt);
// Why the typed extension is refused before any file is touched: it is not
// safe, or no name could hold it. Empty when it may be used.
std::string ExtensionTextRefusal(const std::string& newExt);

}  // namespace core
