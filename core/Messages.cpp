#include "core/Messages.h"

namespace core {

std::string AddFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string CutToBytes(const std::string& text, std::size_t maxBytes, const CodePage& codePage)
{
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    while (codePage.IsUtf8() && codePage.IsTrailByteAt(text, cut)) --cut;
    return text.substr(0, cut);
}

}  // namespace core
