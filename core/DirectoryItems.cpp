#include "core/DirectoryItems.h"

#include <algorithm>

namespace core {

namespace {

constexpr int kIndentStep = 4;
constexpr int kFirstGlyphLeft = 2;

int GlyphLeft(std::size_t level)
{
    return kIndentStep * static_cast<int>(level) + kFirstGlyphLeft;
}

// The components after the drive designator, e.g. {"Data", "Photos"}.
std::vector<std::string> PathComponents(const std::string& path)
{
    std::vector<std::string> components;
    std::size_t start = DriveDesignator(path).size();
    while (start < path.size()) {
        if (path[start] == '\\') {
            ++start;
            continue;
        }
        std::size_t slash = path.find('\\', start);
        std::size_t end = slash == std::string::npos ? path.size() : slash;
        components.push_back(path.substr(start, end - start));
        start = end;
    }
    return components;
}

}  // namespace

std::string DriveDesignator(const std::string& path)
{
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        std::size_t server = path.find('\\', 2);
        if (server == std::string::npos) return path;
        std::size_t share = path.find('\\', server + 1);
        return share == std::string::npos ? path : path.substr(0, share);
    }
    return std::string();
}

std::vector<DirectoryItem> BuildDirectoryItems(const std::string& current,
                                               const std::vector<std::string>& subdirectories)
{
    std::vector<DirectoryItem> items;
    if (current.empty()) return items;
    std::vector<std::string> components = PathComponents(current);
    std::string root = DriveDesignator(current) + "\\";
    items.push_back({root, components.empty() ? FolderGlyph::CurrentFolder : FolderGlyph::OpenFolder, GlyphLeft(0)});
    for (std::size_t i = 0; i < components.size(); ++i) {
        bool last = i + 1 == components.size();
        items.push_back({components[i], last ? FolderGlyph::CurrentFolder : FolderGlyph::OpenFolder, GlyphLeft(i + 1)});
    }
    int subdirectoryLeft = GlyphLeft(static_cast<std::size_t>(std::count(current.begin(), current.end(), '\\')) + 1);
    for (const std::string& name : subdirectories) items.push_back({name, FolderGlyph::ClosedFolder, subdirectoryLeft});
    return items;
}

std::string DirectoryOfItem(const std::string& current, const std::vector<DirectoryItem>& items, std::size_t index)
{
    if (index >= items.size() || current.empty()) return std::string();
    std::vector<std::string> components = PathComponents(current);
    std::size_t pathItems = components.size() + 1;
    if (index >= pathItems) return WithTrailingBackslash(current) + items[index].text;
    if (index + 1 == pathItems) return current;
    std::string dir = DriveDesignator(current) + "\\";
    for (std::size_t i = 0; i < index; ++i) dir += (i == 0 ? "" : "\\") + components[i];
    return dir;
}

std::string WithTrailingBackslash(const std::string& dir)
{
    return !dir.empty() && dir.back() == '\\' ? dir : dir + "\\";
}

}  // namespace core
