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
// < > : " / \ | ? *.
bool ExtensionTextIsSafe(const std::string& newExt);
// The refusal of such a text.
std::string UnsafeExtensionMessage();

}  // namespace core
