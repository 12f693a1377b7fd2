#include "core/DirectoryItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GbkBytes.h"
#include "core/CodePage.h"

using core::BuildDirectoryItems;
using core::CodePage;
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
    ExpectItems(BuildDirectoryItems("C:\\", kSubdirectories, CodePage::Gbk()),
                {{"C:\\", FolderGlyph::CurrentFolder, 2},
                 {"2020", FolderGlyph::ClosedFolder, 10},
                 {"Trip", FolderGlyph::ClosedFolder, 10}});
}

TEST(DirectoryItemsTest, NestedDirectory)
{
    ExpectItems(BuildDirectoryItems("C:\\Data\\Photos", kSubdirectories, CodePage::Gbk()),
                {{"C:\\", FolderGlyph::OpenFolder, 2},
                 {"Data", FolderGlyph::OpenFolder, 6},
                 {"Photos", FolderGlyph::CurrentFolder, 10},
                 {"2020", FolderGlyph::ClosedFolder, 14},
                 {"Trip", FolderGlyph::ClosedFolder, 14}});
    ExpectItems(BuildDirectoryItems("d:\\One", {}, CodePage::Gbk()),
                {{"d:\\", FolderGlyph::OpenFolder, 2}, {"One", FolderGlyph::CurrentFolder, 6}});
}

TEST(DirectoryItemsTest, DoubleByteNamesAreNotCutInside)
{
    std::string name = std::string("a") + gbk::kTrail5C + "b";
    ExpectItems(BuildDirectoryItems("C:\\" + name, {}, CodePage::Gbk()),
                {{"C:\\", FolderGlyph::OpenFolder, 2}, {name, FolderGlyph::CurrentFolder, 6}});
    // Subdirectories sit one level below: one real backslash in the path.
    auto items = BuildDirectoryItems("C:\\" + name, {"x"}, CodePage::Gbk());
    EXPECT_EQ(items.back().glyphLeft, 10);
}

TEST(DirectoryItemsTest, DirectoryOfEachItem)
{
    const std::string path = "C:\\Data\\Photos\\2020";
    auto items = BuildDirectoryItems(path, {"Trip"}, CodePage::Gbk());
    ASSERT_EQ(items.size(), 5u);
    const std::vector<std::string> expected = {"C:\\", "C:\\Data", "C:\\Data\\Photos", path,
                                               "C:\\Data\\Photos\\2020\\Trip"};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(DirectoryOfItem(path, items, i, CodePage::Gbk()), expected[i]) << i;
    EXPECT_EQ(DirectoryOfItem(path, items, 5, CodePage::Gbk()), "");
}

TEST(DirectoryItemsTest, DirectoryOfItemsAtARoot)
{
    auto items = BuildDirectoryItems("C:\\", {"Data"}, CodePage::Gbk());
    EXPECT_EQ(DirectoryOfItem("C:\\", items, 0, CodePage::Gbk()), "C:\\");
    EXPECT_EQ(DirectoryOfItem("C:\\", items, 1, CodePage::Gbk()), "C:\\Data");
}

TEST(DirectoryItemsTest, SubdirectoryOfANameEndingIn5C)
{
    std::string path = std::string("C:\\") + gbk::kTrail5C;
    auto items = BuildDirectoryItems(path, {"Sub"}, CodePage::Gbk());
    EXPECT_EQ(DirectoryOfItem(path, items, 2, CodePage::Gbk()), path + "\\Sub");
}

TEST(DirectoryItemsTest, NetworkPath)
{
    const std::string path = "\\\\server\\share\\dir";
    auto items = BuildDirectoryItems(path, {}, CodePage::Gbk());
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "\\\\server\\share\\");
    EXPECT_EQ(items[1].text, "dir");
    EXPECT_EQ(DirectoryOfItem(path, items, 0, CodePage::Gbk()), "\\\\server\\share\\");
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
        // The last byte is 0x5C, but it ends a double-byte character.
        {std::string("C:\\") + gbk::kTrail5C, std::string("C:\\") + gbk::kTrail5C + "\\"},
        {std::string("C:\\") + gbk::kBiao + "\\", std::string("C:\\") + gbk::kBiao + "\\"},
    };
    for (const JoinCase& c : cases) EXPECT_EQ(WithTrailingBackslash(c.dir, CodePage::Gbk()), c.expected);
}
