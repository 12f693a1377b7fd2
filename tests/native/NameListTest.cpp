#include "core/NameList.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

using core::NameList;

namespace {

// A key as a locale might give it: the name in lower case.
std::string LowerKey(const std::string& name)
{
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::vector<std::string> Sorted(const std::vector<std::string>& found)
{
    NameList list;
    for (const std::string& name : found) list.Add(name, LowerKey(name));
    list.Sort();
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.Size(); ++i) names.emplace_back(list[i]);
    return names;
}

}  // namespace

// Names of equal keys come in one order whatever the order found; a key
// that is a prefix of another sorts first; bytes past 0x7F sort after ASCII.
TEST(NameListTest, SortsByKeyThenByBytes)
{
    const std::vector<std::string> expected = {"a", "ab", "README", "ReadMe", "readme", "z.txt", "\xE4\xB8\xAD.txt"};
    EXPECT_EQ(Sorted({"readme", "\xE4\xB8\xAD.txt", "ReadMe", "z.txt", "ab", "README", "a"}), expected);
    EXPECT_EQ(Sorted({"README", "a", "readme", "ab", "ReadMe", "\xE4\xB8\xAD.txt", "z.txt"}), expected);
    EXPECT_TRUE(Sorted({}).empty());
}

// The list's own data stays within twice the bytes of the names, even for
// names short enough to fit a string's own buffer.
TEST(NameListTest, HoldsLittleMoreThanTheNames)
{
    NameList list;
    std::size_t nameBytes = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "File" + std::to_string(i) + ".TXT";
        nameBytes += name.size();
        list.Add(name, LowerKey(name));
    }
    list.Sort();
    EXPECT_EQ(list[0], "File0.TXT");
    EXPECT_EQ(list[list.Size() - 1], "File9999.TXT");
    EXPECT_LE(list.Bytes(), 2 * nameBytes);
    list.Clear();
    EXPECT_EQ(list.Size(), 0u);
}
