#include "core/ExtensionMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::ExtensionTextIsSafe;
using core::ExtensionTextRefusal;
using core::ReplaceExtension;

namespace {

struct ExtensionCase {
    std::string path;
    std::string newExt;
    std::string expected;
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
        {u8"C:\\x.y\\ÑANDÚ.TXT", ".txt", u8"C:\\x.y\\ÑANDÚ.txt"},
        {u8"C:\\x.y\\한국어 NOTES", ".txt", u8"C:\\x.y\\한국어 NOTES.txt"},
        {u8"PARTY 🎉.é", ".txt", u8"PARTY 🎉.txt"},
        // A stray continuation byte is a character of its own, not part of the dot.
        {"a.\x80", ".txt", "a.txt"},
        // A backslash after a stray byte is a separator; an overlong '.' is no dot.
        {"C:\\a\\b.\x95\\x", ".txt", "C:\\a\\b.\x95\\x.txt"},
        {"a\xC0\xAE", ".txt", "a\xC0\xAE.txt"},
    };
    for (const ExtensionCase& c : cases) {
        EXPECT_EQ(ReplaceExtension(c.path, c.newExt), c.expected) << c.path;
    }
}

TEST(ExtensionMappingTest, ExtensionTextSafety)
{
    const std::string safe[] = {".html", "", "html", ". txt", ".t.x", u8".한국어", u8".\u200D\u2010\u202F\u2065\u206A"};
    // Separators, what the platform would drop or refuse in every name, and
    // the controls that show a name as another.
    const std::string unsafe[] = {
        ".a\\b",     "\\..\\x.txt", "/x",        ".txt:stream", "\xE4\xB8\\", ".txt ",     ".txt.", ".",
        ".t\x01",    ".a*",         ".a?",       ".a\"",        ".a<",        ".a>",       ".a|",   u8"\u202Efdp.exe",
        u8".\u200E", u8".\u200F",   u8".\u202A", u8".\u202D",   u8".\u2066",  u8".a\u2069"};
    for (const std::string& text : safe) EXPECT_TRUE(ExtensionTextIsSafe(text)) << text;
    for (const std::string& text : unsafe) EXPECT_FALSE(ExtensionTextIsSafe(text)) << text;
    // Refused before any file as well: a text that no name of 255 UTF-16
    // units holds (an emoji takes two).
    EXPECT_EQ(ExtensionTextRefusal(std::string(253, 'x') + u8"🎉"), "");
    EXPECT_NE(ExtensionTextRefusal(u8"\u202Efdp.exe").find("不能含有"), std::string::npos);
    for (const std::string& text : {"." + std::string(255, 'x'), std::string(254, 'x') + u8"🎉"})
        EXPECT_NE(ExtensionTextRefusal(text).find("过长"), std::string::npos) << text;
}
