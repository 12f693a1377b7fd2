#include "core/NameRules.h"

#include <gtest/gtest.h>

#include <string>

#include "GbkBytes.h"

using core::CheckName;
using core::NameCheck;

TEST(NameRulesTest, NamesThePlatformReservesOrAlters)
{
    const core::CodePage page = core::CodePage::Gbk();
    const struct {
        std::string name;
        NameCheck expected;
    } cases[] = {
        {"a.txt", NameCheck::Usable},
        {"console.txt", NameCheck::Usable},
        {"COM0", NameCheck::Usable},
        {"LPT10.txt", NameCheck::Usable},
        {".nul", NameCheck::Usable},
        {"a b.c d", NameCheck::Usable},
        {gbk::Bytes({gbk::kTrail5C, ".txt"}), NameCheck::Usable},
        {"nul", NameCheck::Reserved},
        {"CON.txt", NameCheck::Reserved},
        {"Aux.tar.gz", NameCheck::Reserved},
        {"prn", NameCheck::Reserved},
        {"com1.doc", NameCheck::Reserved},
        {"LPT9", NameCheck::Reserved},
        {"nul .txt", NameCheck::Reserved},
        {"", NameCheck::Altered},
        {"a.txt ", NameCheck::Altered},
        {"a.", NameCheck::Altered},
        {"a\tb", NameCheck::Altered},
        {"a:b", NameCheck::Altered},
        {"a|b", NameCheck::Altered},
        {"a\"b", NameCheck::Altered},
        {"a<b>", NameCheck::Altered},
        {"a?*", NameCheck::Altered},
        {"a/b", NameCheck::Altered},
        {"a\\b", NameCheck::Altered},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckName(c.name, page), c.expected) << c.name;
}
