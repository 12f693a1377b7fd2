#include "core/ExtensionMapping.h"

#include "core/NameRules.h"
#include "core/Utf8.h"

namespace core {

namespace {

// Marks that reorder what follows them: "a" U+202E "fdp.exe" shows as a PDF.
constexpr const char* kDirectionControls[] = {u8"\u200E", u8"\u200F", u8"\u202A", u8"\u202B", u8"\u202C", u8"\u202D",
                                              u8"\u202E", u8"\u2066", u8"\u2067", u8"\u2068", u8"\u2069"};

bool HoldsDirectionControl(const std::string& text)
{
    for (const char* control : kDirectionControls) {
        if (text.find(control) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

std::string ReplaceExtension(const std::string& path, const std::string& newExt)
{
    // No byte of a multi-byte character is a dot or a separator.
    const std::size_t last = path.find_last_of(".\\:");
    if (last != std::string::npos && path[last] == '.') return path.substr(0, last) + newExt;
    return path + newExt;
}

bool ExtensionTextIsSafe(const std::string& newExt)
{
    return !HoldsWhatThePlatformAlters(newExt) && !HoldsDirectionControl(newExt);
}

std::string ExtensionTextRefusal(const std::string& newExt)
{
    if (!ExtensionTextIsSafe(newExt))
        return "扩展名中不能含有“\\”、“/”、“:”、“*”、“?”、“\"”、“<”、“>”、“|”、控制字符或文字方向控制符，"
               "也不能以空格或“.”结尾，没有更改任何文件";
    // Without a separator the text ends the new name, which it must fit.
    if (utf8::Utf16Length(newExt) > kMaxNameUnits)
        return "扩展名过长：文件名最多 " + std::to_string(kMaxNameUnits) + " 个字符，没有更改任何文件";
    return std::string();
}

}  // namespace core
