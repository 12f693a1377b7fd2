#include "core/Messages.h"

namespace core {

std::string AddFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string CutToBytes(const std::string& text, std::size_t maxBytes)
{
    return text.size() > maxBytes ? text.substr(0, maxBytes) : text;
}

}  // namespace core
