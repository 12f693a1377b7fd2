#pragma once

#include <cstddef>
#include <string>

namespace core {

// The error report's full stop: added when the message is non-empty and its
// last byte sorts after '.'.
std::string AddFullStop(const std::string& message);

// At most the first maxBytes bytes, ending on a whole character: half of one
// is no text at all.
std::string CutToBytes(const std::string& text, std::size_t maxBytes);

// Why the lists now show another directory than before they were read again.
std::string DirectoryGoneMessage(const std::string& gone, const std::string& shown);

}  // namespace core
