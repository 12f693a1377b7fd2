#pragma once

#include <string>

namespace core {

// ASCII letters only, length unchanged: no byte of a multi-byte character is
// an ASCII letter.
std::string LowerCasePath(const std::string& path);
std::string UpperCasePath(const std::string& path);

// True when a and b differ, but only in the case of ASCII letters: a rename
// between them is case-only.
bool DiffersOnlyInCase(const std::string& a, const std::string& b);

}  // namespace core
