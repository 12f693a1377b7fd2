#include "core/DirectoryPath.h"

#include <gtest/gtest.h>

#include <string>

#include "GbkBytes.h"
#include "core/CodePage.h"

using core::CodePage;
using core::DirectoryForm;
using core::DriveLetterOf;

TEST(DirectoryPathTest, DirectoryForm)
{
    const std::string trail5C = gbk::kTrail5C;
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"C:\\", "C:\\"},
        {"C:", "C:\\"},
        {"c:\\\\", "c:\\"},
        {"C:\\Data", "C:\\Data"},
        {"C:\\Data\\", "C:\\Data"},
        {"C:\\Data\\Photos\\\\", "C:\\Data\\Photos"},
        {"\\\\server\\share", "\\\\server\\share\\"},
        {"\\\\server\\share\\", "\\\\server\\share\\"},
        {"\\\\server\\share\\dir\\", "\\\\server\\share\\dir"},
        // A double-byte character ending in 0x5C is not a separator.
        {"C:\\" + trail5C, "C:\\" + trail5C},
        {"C:\\" + trail5C + "\\", "C:\\" + trail5C},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryForm(c.in, CodePage::Gbk()), c.out) << c.in;
}

TEST(DirectoryPathTest, NameStart)
{
    const std::string trail5C = gbk::kTrail5C;
    const std::pair<std::string, std::size_t> cases[] = {
        {"C:\\Data\\a.txt", 8},        {"a.txt", 0}, {"C:\\", 3}, {"", 0}, {"C:\\" + trail5C + ".txt", 3},
        {"C:\\" + trail5C + "\\b", 6},
    };
    for (const auto& c : cases) EXPECT_EQ(core::NameStart(c.first, CodePage::Gbk()), c.second) << c.first;
    // UTF-8: after Hangul, and after a sequence cut off before the separator.
    const std::string hangul = u8"C:\\한국어\\🎉.TXT", cutOff = "C:\\\xED\x95\\b";
    EXPECT_EQ(core::NameStart(hangul, CodePage::Utf8()), 13u);
    EXPECT_EQ(core::NameStart(cutOff, CodePage::Utf8()), 6u);
}

TEST(DirectoryPathTest, DriveLetterOf)
{
    EXPECT_EQ(DriveLetterOf("C:\\Data"), 'c');
    EXPECT_EQ(DriveLetterOf("d:"), 'd');
    EXPECT_EQ(DriveLetterOf("\\\\server\\share"), 0);
    EXPECT_EQ(DriveLetterOf("Data"), 0);
    EXPECT_EQ(DriveLetterOf("1:\\"), 0);
    EXPECT_EQ(DriveLetterOf(""), 0);
}

// What the long path forms are given: the platform's clean-up is theirs to do.
TEST(DirectoryPathTest, CanonicalPath)
{
    const std::string trail5C = gbk::kTrail5C, cutOff = "C:\\\xED\x95\\b";
    const std::pair<std::string, std::string> cases[] = {
        {"E:\\\\a.txt", "E:\\a.txt"},  // a scan of a drive root
        {"C:\\Data\\.\\Sub\\..\\\\a.txt", "C:\\Data\\a.txt"},
        {"C:/Data//a.txt", "C:\\Data\\a.txt"},
        {"C:\\..\\..\\a.txt", "C:\\a.txt"},
        {"C:", "C:\\"},
        {"\\\\server\\share\\..", "\\\\server\\share\\"},
        {"\\\\server\\share\\..\\..\\other\\a", "\\\\server\\share\\other\\a"},
        {"C:\\a \\b.\\c. ", "C:\\a \\b.\\c. "},
        {"C:\\x\\" + trail5C + "\\\\b", "C:\\x\\" + trail5C + "\\b"},
        {"C:\\" + trail5C + trail5C + "\\.\\a", "C:\\" + trail5C + trail5C + "\\a"},
        {"..\\a\\..\\b", "..\\b"},
    };
    for (const auto& c : cases) EXPECT_EQ(core::CanonicalPath(c.first, CodePage::Gbk()), c.second) << c.first;
    const std::string names = u8"C:\\한국어\\.\\ÑANDÚ\\..\\\\🎉", canonical = u8"C:\\한국어\\🎉";
    EXPECT_EQ(core::CanonicalPath(names, CodePage::Utf8()), canonical);
    EXPECT_EQ(core::CanonicalPath(cutOff + "\\..\\c", CodePage::Utf8()), "C:\\\xED\x95\\c");
}
