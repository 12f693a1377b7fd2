#include "core/CaseMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GbkBytes.h"
#include "core/CodePage.h"

using core::CodePage;
using core::DiffersOnlyInCase;
using core::LowerCasePath;
using core::UpperCasePath;
using gbk::Bytes;

namespace {

struct CaseCase {
    std::string path;
    std::string lower;
    std::string upper;
    CodePage page = CodePage::Gbk();
};

}  // namespace

TEST(CaseMappingTest, MapsOnlySingleByteAsciiLetters)
{
    const std::vector<CaseCase> cases = {
        {"C:\\Docs\\Report.TXT", "c:\\docs\\report.txt", "C:\\DOCS\\REPORT.TXT"},
        {"C:\\a\\readme.txt", "c:\\a\\readme.txt", "C:\\A\\README.TXT"},
        {"@[`{09_-. ", "@[`{09_-. ", "@[`{09_-. "},
        {"", "", ""},
        // GB2312 characters and digits never change.
        {"你好2020表格", "你好2020表格", "你好2020表格"},
        // Second bytes in A-Z / a-z belong to their characters.
        {Bytes({"Ab", gbk::kTrailA, gbk::kTrailLowA, gbk::kTrailZ, "Cd"}),
         Bytes({"ab", gbk::kTrailA, gbk::kTrailLowA, gbk::kTrailZ, "cd"}),
         Bytes({"AB", gbk::kTrailA, gbk::kTrailLowA, gbk::kTrailZ, "CD"})},
        // A lead byte left at the end stays a single byte.
        {"aB\x81", "ab\x81", "AB\x81"},
        // In UTF-8 the letters outside ASCII keep their case.
        {u8"C:\\ÑANDÚ.TXT", u8"c:\\ÑandÚ.txt", u8"C:\\ÑANDÚ.TXT", CodePage::Utf8()},
        {u8"Zażółć 한국어 🎉.txt", u8"zażółć 한국어 🎉.txt", u8"ZAżółć 한국어 🎉.TXT", CodePage::Utf8()},
    };
    for (const CaseCase& c : cases) {
        EXPECT_EQ(LowerCasePath(c.path, c.page), c.lower) << c.path;
        EXPECT_EQ(UpperCasePath(c.path, c.page), c.upper) << c.path;
        EXPECT_EQ(LowerCasePath(c.path).size(), c.path.size());
    }
}

TEST(CaseMappingTest, LatinOneLettersStayInASingleByteCodePage)
{
    EXPECT_EQ(LowerCasePath("\xC9T\xC9", CodePage()), "\xC9t\xC9");
    EXPECT_EQ(UpperCasePath("\xE9t\xE9", CodePage()), "\xE9T\xE9");
}

TEST(CaseMappingTest, DiffersOnlyInCase)
{
    CodePage page = CodePage::Gbk();
    EXPECT_TRUE(DiffersOnlyInCase("C:\\a\\Readme.TXT", "c:\\a\\readme.txt", page));
    EXPECT_FALSE(DiffersOnlyInCase("a.txt", "a.txt", page));
    EXPECT_FALSE(DiffersOnlyInCase("a.txt", "b.txt", page));
    EXPECT_FALSE(DiffersOnlyInCase("a.txt", "a.txt ", page));
    // 0x81 0x41 and 0x81 0x61 are two different characters.
    EXPECT_FALSE(DiffersOnlyInCase(gbk::kTrailA, gbk::kTrailLowA, page));
    EXPECT_TRUE(DiffersOnlyInCase(Bytes({gbk::kTrailA, "X"}), Bytes({gbk::kTrailA, "x"}), page));
}
