#include "core/ExtensionMapping.h"

#include "core/CodePage.h"

namespace core {

std::string ReplaceExtension(const std::string& path, const std::string& newExt, const CodePage& codePage)
{
    // Scan backwards, stepping over whole double-byte characters.
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
    return !codePage.ContainsAnyOf(newExt, "\\/:");
}

}  // namespace core
