#include "core/DirectoryPath.h"

#include "core/DirectoryItems.h"

#include <vector>

namespace core {

std::string DirectoryForm(const std::string& dir)
{
    std::string designator = DriveDesignator(dir);
    if (!designator.empty() && designator == dir) return WithTrailingBackslash(dir);
    std::string result = dir;
    // Trailing separators go, down to the root's own.
    while (result.size() > designator.size() + 1 && result.back() == '\\') result.pop_back();
    return result;
}

std::size_t NameStart(const std::string& path)
{
    std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? 0 : slash + 1;
}

std::string CanonicalPath(const std::string& path)
{
    const std::string root = DriveDesignator(path);
    // A path without a drive or share stays relative unless it starts at a root.
    const bool rooted = !root.empty() || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
    std::vector<std::string> names;
    std::size_t start = root.size();
    for (std::size_t i = start;; ++i) {
        const bool end = i >= path.size();
        if (!end && path[i] != '\\' && path[i] != '/') continue;
        std::string name = path.substr(start, i - start);
        if (name == ".." && !names.empty() && names.back() != "..") {
            names.pop_back();
        } else if (name == ".." ? !rooted : !name.empty() && name != ".") {
            names.push_back(std::move(name));
        }
        if (end) break;
        start = i + 1;
    }
    std::string result = root;
    for (std::size_t i = 0; i < names.size(); ++i) result += (i > 0 || rooted ? "\\" : "") + names[i];
    if (names.empty() && rooted) result += '\\';
    return result;
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
