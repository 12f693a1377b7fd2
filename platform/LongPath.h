// A full path in the form the platform takes exactly as given (\\?\C:\...,
// \\?\UNC\server\share\...): no trailing space or dot of a name is dropped,
// so the call reaches that very entry and no other, at any depth.
#pragma once

#include <cstddef>
#include <string>

// The platform's limit of a path in UTF-16 units, long form included.
constexpr std::size_t kMaxPathUnits = 32767;

// Every file call takes its path from here. A full path is made canonical
// first (core::CanonicalPath), as the long form skips the platform's
// clean-up; a drive root stays a root. A relative path, or one already in
// the long form, is given in its plain wide form.
std::wstring ExactWidePath(const std::string& path);

// Whether the platform can take the path: its long form within kMaxPathUnits.
bool FitsPathLimit(const std::string& path);
