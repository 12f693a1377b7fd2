#include "core/ExtensionMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GbkBytes.h"
#include "core/CodePage.h"

using core::CodePage;
using core::ExtensionTextIsSafe;
using core::ReplaceExtension;
using gbk::Bytes;

namespace {

struct ExtensionCase {
    std::string path;
    std::string newExt;
    std::string expected;
    CodePage page = CodePage::Gbk();
};

}  // namespace

TEST(ExtensionMappingTest, ReplacesThePartFromTheLastDotOfTheName)
{
    const std::vector<ExtensionCase> cases = {
        {"C:\\docs\\readme.txt", ".html", "C:\\docs\\readme.html"},
        {"C:\\my.docs\\readme", ".html", "C:\\my.docs\\readme.html"},
        {"C:\\x\\archive.tar.gz", ".html", "C:\\x\\archive.tar.html"},
        {"C:\\x\\.profile", ".html", "C:\\x\\.html"},
        {"C:\\x\\b.txt", "html", "C:\\x\\bhtml"},
        {"C:\\x\\b.txt", "", "C:\\x\\b"},
        {"C:\\x\\b", "", "C:\\x\\b"},
        {"C:\\x\\b.html", ".html", "C:\\x\\b.html"},
        {"C:readme", ".html", "C:readme.html"},
        {"C:.txt", ".html", "C:.html"},
        {"readme.txt", ".html", "readme.html"},
        {"b.", ".html", "b.html"},
        {"", ".html", ".html"},
        {"C:\\x\\", ".html", "C:\\x\\.html"},
        {u8"C:\\x.y\\ÑANDÚ.TXT", ".txt", u8"C:\\x.y\\ÑANDÚ.txt", CodePage::Utf8()},
        {u8"C:\\x.y\\한국어 NOTES", ".txt", u8"C:\\x.y\\한국어 NOTES.txt", CodePage::Utf8()},
        {u8"PARTY 🎉.é", ".txt", u8"PARTY 🎉.txt", CodePage::Utf8()},
        // A stray continuation byte is a character of its own, not part of the dot.
        {"a.\x80", ".txt", "a.txt", CodePage::Utf8()},
    };
    for (const ExtensionCase& c : cases) {
        EXPECT_EQ(ReplaceExtension(c.path, c.newExt, c.page), c.expected) << c.path;
    }
}

TEST(ExtensionMappingTest, SecondByte5CIsNotASeparator)
{
    CodePage page = CodePage::Gbk();
    // The name's extension holds a character whose second byte is 0x5C.
    std::string path = Bytes({"C:\\a\\b.", gbk::kTrail5C});
    EXPECT_EQ(ReplaceExtension(path, ".html", page), "C:\\a\\b.html");

    std::string longer = Bytes({"C:\\a\\", gbk::kBiao, ".", gbk::kTrail5C, "x", gbk::kTrail5C});
    EXPECT_EQ(ReplaceExtension(longer, ".txt", page), Bytes({"C:\\a\\", gbk::kBiao, ".txt"}));

    // A name without a dot, ending in such a character, in a dotted directory.
    std::string noDot = Bytes({"C:\\a.b\\", gbk::kTrail5C});
    EXPECT_EQ(ReplaceExtension(noDot, ".txt", page), noDot + ".txt");

    // A real backslash after two lead-valued bytes still counts.
    std::string dirEnd = Bytes({"C:\\x.y\\", gbk::kBiao, "\\z"});
    EXPECT_EQ(ReplaceExtension(dirEnd, ".txt", page), dirEnd + ".txt");

    // Byte by byte, the 0x5C would hide the dot.
    EXPECT_EQ(ReplaceExtension(path, ".html", CodePage()), path + ".html");
}

// The program's strings are UTF-8: a byte 0x5C is a separator wherever it stands.
TEST(ExtensionMappingTest, DefaultsToUtf8)
{
    std::string path = Bytes({"C:\\a\\b.", gbk::kTrail5C, "x"});
    EXPECT_EQ(ReplaceExtension(path, ".html"), path + ".html");
}

TEST(ExtensionMappingTest, ExtensionTextSafety)
{
    CodePage page = CodePage::Gbk();
    const std::string safe[] = {".html", "", "html", ". txt", ".t.x", Bytes({".", gbk::kTrail5C})};
    // Separators, and what the platform would drop or refuse in every name.
    const std::string unsafe[] = {".a\\b", "\\..\\x.txt", "/x",  ".txt:stream", Bytes({gbk::kBiao, "\\"}),
                                  ".txt ", ".txt.",       ".",   ".t\x01",      ".a*",
                                  ".a?",   ".a\"",        ".a<", ".a>",         ".a|"};
    for (const std::string& text : safe) EXPECT_TRUE(ExtensionTextIsSafe(text, page)) << text;
    for (const std::string& text : unsafe) EXPECT_FALSE(ExtensionTextIsSafe(text, page)) << text;
}
