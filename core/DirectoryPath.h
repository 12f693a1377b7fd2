#pragma once

#include "core/CodePage.h"

#include <string>

namespace core {

// A directory in the browser's form: a root keeps its backslash ("C:\",
// "\\server\share\"), every other directory loses a trailing one. A bare
// designator ("C:", "\\server\share") becomes its root.
std::string DirectoryForm(const std::string& dir, const CodePage& codePage = CodePage::System());

// Where the last component of path starts: after its last backslash (a
// trail byte of a double-byte character is none), or 0.
std::size_t NameStart(const std::string& path, const CodePage& codePage = CodePage::System());

// Lower-case letter of "C:..." paths, 0 for network and relative paths.
char DriveLetterOf(const std::string& path);

}  // namespace core
