#include "core/NameRules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using core::CheckName;
using core::NameCheck;
using core::TemporaryName;

TEST(NameRulesTest, NamesThePlatformReservesOrAlters)
{
    const std::string usable[] = {"a.txt", "console.txt", "COM0", "LPT10.txt", ".nul", "a b.c d", u8"한국어 🎉.txt"};
    const std::string reserved[] = {"nul", "CON.txt", "Aux.tar.gz", "prn", "com1.doc", "LPT9", "nul .txt"};
    const std::string altered[] = {"", "a.txt ", "a.", "a\tb", "a:b", "a|b", "a\"b", "a<b>", "a?*", "a/b", "a\\b"};
    for (const std::string& name : usable) EXPECT_EQ(CheckName(name), NameCheck::Usable) << name;
    for (const std::string& name : reserved) EXPECT_EQ(CheckName(name), NameCheck::Reserved) << name;
    for (const std::string& name : altered) EXPECT_EQ(CheckName(name), NameCheck::Altered) << name;
}

// The file's own name first, cut at a whole character so that the suffix fits.
TEST(NameRulesTest, TemporaryNameBeginsWithTheFileName)
{
    const std::string a250(250, 'a');
    const std::tuple<std::string, unsigned, std::size_t, std::string> cases[] = {
        {"File_367.TXT", 1, 255, "File_367.TXT.~1"}, {a250 + "bcd", 1, 255, a250 + "bc.~1"},
        {a250 + "bcd", 10, 255, a250 + "b.~10"},     {a250 + u8"中文字", 1, 255, a250 + u8"中文.~1"},
        {a250 + u8"b🎉", 1, 255, a250 + "b.~1"},      {"abc", 1, 3, ""}};
    for (const auto& [name, number, units, expected] : cases) EXPECT_EQ(TemporaryName(name, number, units), expected);
}
