#include "platform/DirectoryEntries.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"

#include "HostileNames.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

// Only exact names pass; a trailing dot or space is kept by the long form
// of the path.
TEST(DirectoryEntriesTest, OnlyNamesTheNarrowFormHoldsExactlyPass)
{
    TempDir dir;
    ASSERT_TRUE(MakeHostileNames(dir.Path()));
    std::map<std::string, bool> listed;
    for (DirectoryEntries entries(dir.Path() + "\\*"); entries.Next();) listed[entries.Name()] = entries.NameIsExact();
    for (const HostileName& entry : kHostileNames) {
        ASSERT_EQ(listed.count(entry.name), 1u) << entry.name;
        EXPECT_EQ(listed[entry.name], entry.exact) << entry.name;
    }
    EXPECT_EQ(listed.size(), std::size(kHostileNames));
}

// UTF-8 cannot carry an unpaired surrogate: such a name is never narrowed
// into one that names another file.
TEST(DirectoryEntriesTest, AnUnpairedSurrogateIsNotHeld)
{
    std::string narrow;
    EXPECT_FALSE(NarrowExact(std::wstring(L"a") + wchar_t(0xD800) + L".txt", narrow));
    EXPECT_TRUE(NarrowExact(L"\U0001F389.txt", narrow));
    EXPECT_EQ(narrow, "🎉.txt");
}

TEST(DirectoryEntriesTest, AFolderThatCannotBeReadSaysWhy)
{
    TempDir dir;
    DirectoryEntries missing(dir.Path() + "\\gone\\*");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Error(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(missing.Next());
}

// The long form turns off the platform's clean-up: only a canonical path may enter it.
TEST(DirectoryEntriesTest, ExactWidePathIsCanonical)
{
    const struct {
        const char* path;
        const wchar_t* expected;
    } cases[] = {
        {"E:\\\\a.txt ", L"\\\\?\\E:\\a.txt "},
        {"C:\\d\\\\e\\", L"\\\\?\\C:\\d\\e"},
        {"\\\\srv\\s\\a.", L"\\\\?\\UNC\\srv\\s\\a."},
        {"\\\\srv\\s", L"\\\\?\\UNC\\srv\\s\\"},
        {"C:\\d\\.\\..\\..\\a", L"\\\\?\\C:\\a"},
        {"C:\\", L"\\\\?\\C:\\"},
        {"C:/d/a", L"\\\\?\\C:\\d\\a"},
        {"a.txt", L"a.txt"},
        {"C:a", L"C:a"},
        {"\\\\?\\C:\\x", L"\\\\?\\C:\\x"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExactWidePath(c.path), c.expected) << c.path;
}
