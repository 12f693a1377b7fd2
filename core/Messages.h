#pragma once

#include <cstddef>
#include <string>

namespace core {

// The error report's full stop: added when the message is non-empty and its
// last byte sorts after '.'.
std::string AddFullStop(const std::string& message);

// The first maxBytes bytes; a double-byte character may be cut in half.
std::string CutToBytes(const std::string& text, std::size_t maxBytes);

}  // namespace core
