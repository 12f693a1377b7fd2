#include "core/DirectoryItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::BuildDirectoryItems;
using core::DirectoryItem;
using core::DirectoryOfItem;
using core::FolderGlyph;
using core::WithTrailingBackslash;

namespace {

struct Expected {
    std::string text;
    FolderGlyph glyph;
    int glyphLeft;
};

void ExpectItems(const std::vector<DirectoryItem>& items, const std::vector<Expected>& expected)
{
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].text) << i;
        EXPECT_EQ(items[i].glyph, expected[i].glyph) << i;
        EXPECT_EQ(items[i].glyphLeft, expected[i].glyphLeft) << i;
    }
}

const std::vector<std::string> kSubdirectories = {"2020", "Trip"};

}  // namespace

TEST(DirectoryItemsTest, DriveRoot)
{
    ExpectItems(BuildDirectoryItems("C:\\", kSubdirectories), {{"C:\\", FolderGlyph::CurrentFolder, 2},
                                                               {"2020", FolderGlyph::ClosedFolder, 10},
                                                               {"Trip", FolderGlyph::ClosedFolder, 10}});
}

TEST(DirectoryItemsTest, NestedDirectory)
{
    ExpectItems(BuildDirectoryItems("C:\\Data\\Photos", kSubdirectories), {{"C:\\", FolderGlyph::OpenFolder, 2},
                                                                           {"Data", FolderGlyph::OpenFolder, 6},
                                                                           {"Photos", FolderGlyph::CurrentFolder, 10},
                                                                           {"2020", FolderGlyph::ClosedFolder, 14},
                                                                           {"Trip", FolderGlyph::ClosedFolder, 14}});
    // A name of multi-byte characters is one item: no byte of theirs is a backslash.
    ExpectItems(BuildDirectoryItems(u8"d:\\한국어", {"x"}), {{"d:\\", FolderGlyph::OpenFolder, 2},
                                                             {u8"한국어", FolderGlyph::CurrentFolder, 6},
                                                             {"x", FolderGlyph::ClosedFolder, 10}});
}

TEST(DirectoryItemsTest, DirectoryOfEachItem)
{
    const std::string path = "C:\\Data\\Photos\\2020";
    auto items = BuildDirectoryItems(path, {"Trip"});
    ASSERT_EQ(items.size(), 5u);
    const std::vector<std::string> expected = {"C:\\", "C:\\Data", "C:\\Data\\Photos", path,
                                               "C:\\Data\\Photos\\2020\\Trip"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(DirectoryOfItem(path, items, i), expected[i]) << i;
    EXPECT_EQ(DirectoryOfItem(path, items, 5), "");
}

TEST(DirectoryItemsTest, DirectoryOfItemsAtARoot)
{
    auto items = BuildDirectoryItems("C:\\", {"Data"});
    EXPECT_EQ(DirectoryOfItem("C:\\", items, 0), "C:\\");
    EXPECT_EQ(DirectoryOfItem("C:\\", items, 1), "C:\\Data");
}

TEST(DirectoryItemsTest, NetworkPath)
{
    const std::string path = "\\\\server\\share\\dir";
    auto items = BuildDirectoryItems(path, {});
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "\\\\server\\share\\");
    EXPECT_EQ(items[1].text, "dir");
    EXPECT_EQ(DirectoryOfItem(path, items, 0), "\\\\server\\share\\");
}

TEST(DirectoryItemsTest, TrailingBackslash)
{
    struct JoinCase {
        std::string dir;
        std::string expected;
    };
    const std::vector<JoinCase> cases = {
        {"C:\\", "C:\\"},
        {"C:\\Work", "C:\\Work\\"},
        {"C:\\Work\\", "C:\\Work\\"},
        {"", "\\"},
        // A character's last byte is no backslash; one after a cut-off sequence is.
        {u8"C:\\中", u8"C:\\中\\"},
        {"C:\\\xE4\xB8\\", "C:\\\xE4\xB8\\"},
    };
    for (const JoinCase& c : cases) EXPECT_EQ(WithTrailingBackslash(c.dir), c.expected);
}
