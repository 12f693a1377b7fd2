#pragma once

#include "core/CodePage.h"

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
                                               const std::vector<std::string>& subdirectories,
                                               const CodePage& codePage = CodePage::System());

// The directory that opening item index makes current; empty when index is
// out of range (opening it then does nothing).
std::string DirectoryOfItem(const std::string& current, const std::vector<DirectoryItem>& items, std::size_t index,
                            const CodePage& codePage = CodePage::System());

// "C:" of "C:\Data", "\\server\share" of a network path, else empty.
std::string DriveDesignator(const std::string& path, const CodePage& codePage = CodePage::System());

// dir with a backslash appended unless its last character already is one
// (a double-byte character ending in 0x5C is not). Empty text gets one.
std::string WithTrailingBackslash(const std::string& dir, const CodePage& codePage = CodePage::System());

}  // namespace core
