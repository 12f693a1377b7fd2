#include "platform/ExactName.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"

#include "LinuxShell.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Every name the wide listing gives, with whether it may be handed on as a path.
std::map<std::string, bool> Listed(const std::string& folder)
{
    std::map<std::string, bool> listed;
    DirectoryEntries entries(folder + "\\*");
    while (entries.Next()) listed[entries.Name()] = entries.NameIsExact();
    return listed;
}

}  // namespace

// The ANSI listing would hand out a.txt for â.txt; a Linux name may hold a
// backslash. Only exact names pass; a trailing dot or space is kept by the
// long form of the path.
TEST(ExactNameTest, OnlyNamesTheNarrowFormHoldsExactlyPass)
{
    TempDir dir;
    ASSERT_TRUE(RunLinuxShell(dir.Path(), "touch a.txt \"$(printf 'caf\\303\\251.txt')\" "
                                          "\"$(printf '\\303\\242.txt')\" 'dot.' 'space ' 'b\\c.txt' "
                                          "\"$(printf '\\344\\270\\255.txt')\" README ReadMe"));
    std::map<std::string, bool> listed = Listed(dir.Path());
    const struct {
        std::string name;
        bool exact;
    } cases[] = {
        {"a.txt", true},     {"â.txt", true},  {"café.txt", true}, {"dot.", true},   {"space ", true},
        {"b\\c.txt", false}, {"中.txt", true}, {"README", true},   {"ReadMe", true},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(listed.count(c.name), 1u) << c.name;
        EXPECT_EQ(listed[c.name], c.exact) << c.name;
    }
    EXPECT_EQ(listed.size(), std::size(cases));
}

// UTF-8 cannot carry an unpaired surrogate: such a name is never narrowed
// into one that names another file.
TEST(ExactNameTest, AnUnpairedSurrogateIsNotHeld)
{
    std::string narrow;
    EXPECT_FALSE(NarrowExact(std::wstring(L"a") + wchar_t(0xD800) + L".txt", narrow));
    EXPECT_TRUE(NarrowExact(L"\U0001F389.txt", narrow));
    EXPECT_EQ(narrow, "🎉.txt");
}

TEST(ExactNameTest, AFolderThatCannotBeReadSaysWhy)
{
    TempDir dir;
    DirectoryEntries missing(dir.Path() + "\\gone\\*");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Error(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(missing.Next());
}

// The long form turns off the platform's clean-up: only a canonical path may enter it.
TEST(ExactNameTest, ExactWidePathIsCanonical)
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
