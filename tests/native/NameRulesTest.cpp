#include "core/NameRules.h"

#include <gtest/gtest.h>

#include <string>

#include "GbkBytes.h"

using core::CheckName;
using core::NameCheck;

TEST(NameRulesTest, NamesThePlatformReservesOrAlters)
{
    const core::CodePage page = core::CodePage::Gbk();
    const std::string usable[] = {
        "a.txt", "console.txt", "COM0", "LPT10.txt", ".nul", "a b.c d", gbk::Bytes({gbk::kTrail5C, ".txt"})};
    const std::string reserved[] = {"nul", "CON.txt", "Aux.tar.gz", "prn", "com1.doc", "LPT9", "nul .txt"};
    const std::string altered[] = {"", "a.txt ", "a.", "a\tb", "a:b", "a|b", "a\"b", "a<b>", "a?*", "a/b", "a\\b"};
    for (const std::string& name : usable) EXPECT_EQ(CheckName(name, page), NameCheck::Usable) << name;
    for (const std::string& name : reserved) EXPECT_EQ(CheckName(name, page), NameCheck::Reserved) << name;
    for (const std::string& name : altered) EXPECT_EQ(CheckName(name, page), NameCheck::Altered) << name;
}
