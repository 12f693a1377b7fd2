#include "core/CaseMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::DiffersOnlyInCase;
using core::LowerCasePath;
using core::UpperCasePath;

namespace {

struct CaseCase {
    std::string path;
    std::string lower;
    std::string upper;
};

}  // namespace

TEST(CaseMappingTest, MapsOnlySingleByteAsciiLetters)
{
    const std::vector<CaseCase> cases = {
        {"C:\\Docs\\Report.TXT", "c:\\docs\\report.txt", "C:\\DOCS\\REPORT.TXT"},
        {"C:\\a\\readme.txt", "c:\\a\\readme.txt", "C:\\A\\README.TXT"},
        {"@[`{09_-. ", "@[`{09_-. ", "@[`{09_-. "},
        {"", "", ""},
        // Chinese characters and digits never change.
        {"你好2020表格", "你好2020表格", "你好2020表格"},
        // The letters outside ASCII keep their case.
        {u8"C:\\ÑANDÚ.TXT", u8"c:\\ÑandÚ.txt", u8"C:\\ÑANDÚ.TXT"},
        {u8"Zażółć 한국어 🎉.txt", u8"zażółć 한국어 🎉.txt", u8"ZAżółć 한국어 🎉.TXT"},
        // Malformed bytes stay: Latin-1 letters, a sequence cut off at the end.
        {"\xC9T\xE9"
         "aB\xC3",
         "\xC9t\xE9"
         "ab\xC3",
         "\xC9T\xE9"
         "AB\xC3"},
    };
    for (const CaseCase& c : cases) {
        EXPECT_EQ(LowerCasePath(c.path), c.lower) << c.path;
        EXPECT_EQ(UpperCasePath(c.path), c.upper) << c.path;
    }
}

TEST(CaseMappingTest, DiffersOnlyInCase)
{
    EXPECT_TRUE(DiffersOnlyInCase("C:\\a\\Readme.TXT", "c:\\a\\readme.txt"));
    EXPECT_FALSE(DiffersOnlyInCase("a.txt", "a.txt"));
    EXPECT_FALSE(DiffersOnlyInCase("a.txt", "b.txt"));
    EXPECT_FALSE(DiffersOnlyInCase("a.txt", "a.txt "));
    // É and é are two different names to the case commands.
    EXPECT_FALSE(DiffersOnlyInCase(u8"É", u8"é"));
    EXPECT_TRUE(DiffersOnlyInCase(u8"ÉX", u8"Éx"));
}
