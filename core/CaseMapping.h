#pragma once

#include "core/CodePage.h"

#include <string>

namespace core {

// ASCII letters only, length unchanged. A double-byte character is never
// changed, even when its second byte lies in A-Z or a-z.
std::string LowerCasePath(const std::string& path, const CodePage& codePage = CodePage::System());
std::string UpperCasePath(const std::string& path, const CodePage& codePage = CodePage::System());

// True when a and b differ, but only in the case of single-byte ASCII letters
// (double-byte characters compared exactly): a rename between them is
// case-only.
bool DiffersOnlyInCase(const std::string& a, const std::string& b, const CodePage& codePage = CodePage::System());

}  // namespace core
