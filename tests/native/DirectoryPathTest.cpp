#include "core/DirectoryPath.h"

#include <gtest/gtest.h>

#include <string>

using core::DirectoryForm;
using core::DriveLetterOf;

// No byte of a multi-byte character is a backslash; one after a sequence cut
// off (E4 B8, ED 95) is a separator all the same.
TEST(DirectoryPathTest, DirectoryForm)
{
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
        {u8"C:\\中", u8"C:\\中"},
        {"C:\\\xE4\xB8\\", "C:\\\xE4\xB8"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryForm(c.in), c.out) << c.in;
}

TEST(DirectoryPathTest, NameStart)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"C:\\Data\\a.txt", 8}, {"a.txt", 0}, {"C:\\", 3}, {"", 0}, {u8"C:\\한국어\\🎉.TXT", 13}, {"C:\\\xED\x95\\b", 6},
    };
    for (const auto& c : cases) EXPECT_EQ(core::NameStart(c.first), c.second) << c.first;
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
    const std::pair<std::string, std::string> cases[] = {
        {"E:\\\\a.txt", "E:\\a.txt"},  // a scan of a drive root
        {"C:\\Data\\.\\Sub\\..\\\\a.txt", "C:\\Data\\a.txt"},
        {"C:/Data//a.txt", "C:\\Data\\a.txt"},
        {"C:\\..\\..\\a.txt", "C:\\a.txt"},
        {"C:", "C:\\"},
        {"\\\\server\\share\\..", "\\\\server\\share\\"},
        {"\\\\server\\share\\..\\..\\other\\a", "\\\\server\\share\\other\\a"},
        {"C:\\a \\b.\\c. ", "C:\\a \\b.\\c. "},
        {u8"C:\\한국어\\.\\ÑANDÚ\\..\\\\🎉", u8"C:\\한국어\\🎉"},
        {"C:\\\xED\x95\\b\\..\\c", "C:\\\xED\x95\\c"},
        {"..\\a\\..\\b", "..\\b"},
    };
    for (const auto& c : cases) EXPECT_EQ(core::CanonicalPath(c.first), c.second) << c.first;
}
