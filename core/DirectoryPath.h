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

// A full path as the platform's own clean-up leaves it, which the long
// forms (\\?\, \??\) skip: no doubled separators ('/' counts as one), no
// "." or ".." components, and ".." never above the drive's or the share's
// root. Every name is kept byte for byte, a trailing space or dot included.
// A root alone keeps its backslash ("C:\", "\\server\share\").
std::string CanonicalPath(const std::string& path, const CodePage& codePage = CodePage::System());

// Lower-case letter of "C:..." paths, 0 for network and relative paths.
char DriveLetterOf(const std::string& path);

}  // namespace core
