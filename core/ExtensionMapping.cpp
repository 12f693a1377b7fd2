#include "core/ExtensionMapping.h"

#include "core/NameRules.h"

namespace core {

std::string ReplaceExtension(const std::string& path, const std::string& newExt)
{
    // No byte of a multi-byte character is a dot or a separator.
    const std::size_t last = path.find_last_of(".\\:");
    if (last != std::string::npos && path[last] == '.') return path.substr(0, last) + newExt;
    return path + newExt;
}

bool ExtensionTextIsSafe(const std::string& newExt)
{
    return !HoldsWhatThePlatformAlters(newExt);
}

std::string UnsafeExtensionMessage()
{
    return "扩展名中不能含有“\\”、“/”、“:”、“*”、“?”、“\"”、“<”、“>”、“|”或控制字符，也不能以空格或“.”"
           "结尾，没有更改任何文件";
}

}  // namespace core
