#include "core/DirectoryPath.h"

#include "core/CodePage.h"
#include "core/DirectoryItems.h"

namespace core {

std::string DirectoryForm(const std::string& dir, const CodePage& codePage)
{
    std::string designator = DriveDesignator(dir, codePage);
    if (!designator.empty() && designator == dir) return WithTrailingBackslash(dir, codePage);
    std::string result = dir;
    // Trailing separators go, down to the root's own.
    while (result.size() > designator.size() + 1 && WithTrailingBackslash(result, codePage) == result)
        result.pop_back();
    return result;
}

std::size_t NameStart(const std::string& path, const CodePage& codePage)
{
    std::size_t slash = codePage.FindLastBackslash(path);
    return slash == std::string::npos ? 0 : slash + 1;
}

char DriveLetterOf(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':') return 0;
    char letter = path[0];
    if (letter >= 'A' && letter <= 'Z') return static_cast<char>(letter - 'A' + 'a');
    if (letter >= 'a' && letter <= 'z') return letter;
    return 0;
}

}  // namespace core
