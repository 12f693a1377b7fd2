#include "core/NameRules.h"

#include <gtest/gtest.h>

#include <string>

using core::CheckName;
using core::NameCheck;

TEST(NameRulesTest, NamesThePlatformReservesOrAlters)
{
    const std::string usable[] = {"a.txt", "console.txt", "COM0", "LPT10.txt", ".nul", "a b.c d", u8"한국어 🎉.txt"};
    const std::string reserved[] = {"nul", "CON.txt", "Aux.tar.gz", "prn", "com1.doc", "LPT9", "nul .txt"};
    const std::string altered[] = {"", "a.txt ", "a.", "a\tb", "a:b", "a|b", "a\"b", "a<b>", "a?*", "a/b", "a\\b"};
    for (const std::string& name : usable) EXPECT_EQ(CheckName(name), NameCheck::Usable) << name;
    for (const std::string& name : reserved) EXPECT_EQ(CheckName(name), NameCheck::Reserved) << name;
    for (const std::string& name : altered) EXPECT_EQ(CheckName(name), NameCheck::Altered) << name;
}
