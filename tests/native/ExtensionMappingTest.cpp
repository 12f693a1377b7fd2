#include "core/ExtensionMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::ExtensionTextIsSafe;
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
    const std::string safe[] = {".html", "", "html", ". txt", ".t.x", u8".한국어"};
    // Separators, and what the platform would drop or refuse in every name.
    const std::string unsafe[] = {".a\\b",  "\\..\\x.txt", "/x",  ".txt:stream", "\xE4\xB8\\", ".txt ", ".txt.", ".",
                                  ".t\x01", ".a*",         ".a?", ".a\"",        ".a<",        ".a>",   ".a|"};
    for (const std::string& text : safe) EXPECT_TRUE(ExtensionTextIsSafe(text)) << text;
    for (const std::string& text : unsafe) EXPECT_FALSE(ExtensionTextIsSafe(text)) << text;
}
