#include "core/Messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::AddFullStop;
using core::CutToBytes;

TEST(MessagesTest, FullStopAfterCharactersThatSortAfterIt)
{
    struct StopCase {
        std::string message;
        std::string expected;
    };
    const std::vector<StopCase> cases = {
        {"'2020-13-12 12:12:12' is not a valid date and time", "'2020-13-12 12:12:12' is not a valid date and time."},
        {"", ""},
        {"Done.", "Done."},
        {"Why?", "Why?."},
        {"a/", "a/."},
        {"0", "0."},
        {"Wait!", "Wait!"},
        {"x-", "x-"},
        {"x,", "x,"},
        {"x ", "x "},
        {"x\r", "x\r"},
        {"失败", "失败."},  // the last byte is 0x9C or above
    };
    for (const StopCase& c : cases) EXPECT_EQ(AddFullStop(c.message), c.expected) << c.message;
}

// Cut to 63 bytes, as the tray tip is.
TEST(MessagesTest, CutsToBytes)
{
    const std::string a60(60, 'a');
    const struct {
        std::string text;
        std::string expected;
        core::CodePage page;
    } cases[] = {
        {std::string(70, 'x'), std::string(63, 'x'), core::CodePage::Gbk()},
        {"short", "short", core::CodePage::Gbk()},
        {std::string(63, 'y'), std::string(63, 'y'), core::CodePage::Gbk()},
        {"", "", core::CodePage::Gbk()},
        // A double-byte character past byte 63 is dropped; one across it keeps its first byte.
        {std::string(63, 'a') + "\xb1\xed", std::string(63, 'a'), core::CodePage::Gbk()},
        {a60 + "aa\xb1\xed", a60 + "aa\xb1", core::CodePage::Gbk()},
        // UTF-8 loses whole characters: a 3-byte one whose 63rd byte would be a cut.
        {a60 + u8"a中", a60 + "a", core::CodePage::Utf8()},
        {a60 + u8"🎉", a60, core::CodePage::Utf8()},
        {a60 + u8"aaÉ", a60 + "aa", core::CodePage::Utf8()},
        {a60 + u8"한!", a60 + u8"한", core::CodePage::Utf8()},
    };
    for (const auto& c : cases) EXPECT_EQ(CutToBytes(c.text, 63, c.page), c.expected) << c.text;
}
