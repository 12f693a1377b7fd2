#pragma once

#include "core/CodePage.h"

#include <cstddef>
#include <string>

namespace core {

// The error report's full stop: added when the message is non-empty and its
// last byte sorts after '.'.
std::string AddFullStop(const std::string& message);

// At most the first maxBytes bytes. A double-byte character may be cut in
// half; a UTF-8 sequence never is, since half of one is no text at all.
std::string CutToBytes(const std::string& text, std::size_t maxBytes, const CodePage& codePage = CodePage::System());

}  // namespace core
