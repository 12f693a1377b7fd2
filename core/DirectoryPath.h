#pragma once

#include <string>

namespace core {

// A directory in the browser's form: a root keeps its backslash ("C:\",
// "\\server\share\"), every other directory loses a trailing one. A bare
// designator ("C:", "\\server\share") becomes its root.
std::string DirectoryForm(const std::string& dir);

// Where the last component of path starts: after its last backslash, or 0.
std::size_t NameStart(const std::string& path);

// A full path as the platform's own clean-up leaves it, which the long
// forms (\\?\, \??\) skip: no doubled separators ('/' counts as one), no
// "." or ".." components, and ".." never above the drive's or the share's
// root. Every name is kept byte for byte, a trailing space or dot included.
// A root alone keeps its backslash ("C:\", "\\server\share\").
std::string CanonicalPath(const std::string& path);

// Lower-case letter of "C:..." paths, 0 for network and relative paths.
char DriveLetterOf(const std::string& path);

}  // namespace core
