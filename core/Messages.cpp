#include "core/Messages.h"

#include "core/Utf8.h"

namespace core {

std::string AddFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string CutToBytes(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    while (utf8::IsInsideCharAt(text, cut)) --cut;
    return text.substr(0, cut);
}

std::string DirectoryGoneMessage(const std::string& gone, const std::string& shown)
{
    return "文件夹“" + gone + "”已不存在或无法读取，现转到“" + shown + "”。";
}

}  // namespace core
