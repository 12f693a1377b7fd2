#include "core/SortedNames.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "GbkBytes.h"
#include "core/CodePage.h"

using core::CodePage;
using core::SortedNames;

TEST(SortedNamesTest, InsertsWithoutRegardToAsciiCase)
{
    SortedNames names(CodePage::Gbk());
    EXPECT_EQ(names.Insert("b.txt"), 0u);
    EXPECT_EQ(names.Insert("A.txt"), 0u);
    EXPECT_EQ(names.Insert("C.TXT"), 2u);
    EXPECT_EQ(names.Insert("a.TXT"), 1u);  // after the equal name already there
    EXPECT_EQ(names.Insert("_x"), 0u);     // letters compare as small letters, after '_'
    EXPECT_EQ(names.Insert("表"), 5u);     // bytes from 0x80 up sort last
    EXPECT_EQ(names.Names(), (std::vector<std::string>{"_x", "A.txt", "a.TXT", "b.txt", "C.TXT", "表"}));
}

TEST(SortedNamesTest, SecondBytesAreNotFolded)
{
    SortedNames names(CodePage::Gbk());
    names.Insert(gbk::kTrailLowA);  // 81 61
    // 81 41 stays below 81 61; a byte-wise fold would make them equal.
    EXPECT_EQ(names.Insert(gbk::kTrailA), 0u);
}

TEST(SortedNamesTest, BusyPointerFromIndex100)
{
    SortedNames names(CodePage::Gbk());
    std::size_t index = 0;
    for (int i = 0; i < 101; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "f%03d", i);
        index = names.Insert(name);
        EXPECT_EQ(SortedNames::ShowsBusyPointer(index), i >= 100) << i;
    }
    EXPECT_EQ(index, 100u);
    EXPECT_FALSE(SortedNames::ShowsBusyPointer(99));
    EXPECT_TRUE(SortedNames::ShowsBusyPointer(100));
}
