#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace core {

enum class FolderGlyph { OpenFolder, CurrentFolder, ClosedFolder };

struct DirectoryItem {
    std::string text;
    FolderGlyph glyph = FolderGlyph::ClosedFolder;
    int glyphLeft = 0;  // pixels from the item's left edge
};

// The directory list for the current directory: root, ancestors and current
// item (one root item for a drive root such as "C:\"), then the given,
// already sorted subdirectory names.
std::vector<DirectoryItem> BuildDirectoryItems(const std::string& current,
                                               const std::vector<std::string>& subdirectories);

// The directory that opening item index makes current; empty when index is
// out of range (opening it then does nothing).
std::string DirectoryOfItem(const std::string& current, const std::vector<DirectoryItem>& items, std::size_t index);

// "C:" of "C:\Data", "\\server\share" of a network path, else empty.
std::string DriveDesignator(const std::string& path);

// dir with a backslash appended unless it already ends in one. Empty text
// gets one.
std::string WithTrailingBackslash(const std::string& dir);

}  // namespace core
