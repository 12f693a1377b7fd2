#include "core/ExtensionMapping.h"

#include "core/CodePage.h"
#include "core/NameRules.h"

namespace core {

std::string ReplaceExtension(const std::string& path, const std::string& newExt, const CodePage& codePage)
{
    // Scan backwards; no byte inside a multi-byte character is a dot or a separator.
    for (std::size_t i = path.size(); i > 0;) {
        --i;
        if (codePage.IsTrailByteAt(path, i)) {
            --i;  // the lead byte; the loop steps before it
            continue;
        }
        char c = path[i];
        if (c == '.') return path.substr(0, i) + newExt;
        if (c == '\\' || c == ':') break;
    }
    return path + newExt;
}

bool ExtensionTextIsSafe(const std::string& newExt, const CodePage& codePage)
{
    return !HoldsWhatThePlatformAlters(newExt, codePage);
}

std::string UnsafeExtensionMessage()
{
    return "扩展名中不能含有“\\”、“/”、“:”、“*”、“?”、“\"”、“<”、“>”、“|”或控制字符，也不能以空格或“.”"
           "结尾，没有更改任何文件";
}

}  // namespace core
