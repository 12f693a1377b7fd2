#pragma once

#include "core/CodePage.h"

#include <string>

namespace core {

// The path with the part from the last dot of its last component replaced by
// newExt, or with newExt appended when that component has no dot. newExt is
// used as typed: it brings its own dot.
std::string ReplaceExtension(const std::string& path, const std::string& newExt,
                             const CodePage& codePage = CodePage::System());

// False when the typed extension holds '\', '/' or ':': such a text would
// move files into another directory or onto another stream.
bool ExtensionTextIsSafe(const std::string& newExt, const CodePage& codePage = CodePage::System());

}  // namespace core
