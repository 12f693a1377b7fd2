#include "core/Messages.h"

#include "GbkBytes.h"

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

TEST(MessagesTest, CutsToBytes)
{
    std::string seventy(70, 'x');
    EXPECT_EQ(CutToBytes(seventy, 63), std::string(63, 'x'));
    EXPECT_EQ(CutToBytes("short", 63), "short");
    EXPECT_EQ(CutToBytes(std::string(63, 'y'), 63), std::string(63, 'y'));
    EXPECT_EQ(CutToBytes("", 63), "");
    // In GBK a double-byte character starting at byte 63 keeps only its first byte.
    const core::CodePage gbkPage = core::CodePage::Gbk();
    std::string text = std::string(63, 'a') + gbk::kBiao;
    EXPECT_EQ(CutToBytes(text, 63, gbkPage), std::string(63, 'a'));
    std::string odd = std::string(62, 'a') + gbk::kBiao;
    EXPECT_EQ(CutToBytes(odd, 63, gbkPage), std::string(62, 'a') + "\xb1");
    // UTF-8 keeps whole characters only: a 3-byte one across the cut, an emoji, a Latin letter.
    const std::string a60(60, 'a'), zhong = u8"中", emoji = u8"🎉", e = u8"É";
    const core::CodePage utf8 = core::CodePage::Utf8();
    EXPECT_EQ(CutToBytes(a60 + "a" + zhong, 63, utf8), a60 + "a");
    EXPECT_EQ(CutToBytes(a60 + emoji, 63, utf8), a60);
    EXPECT_EQ(CutToBytes(a60 + "aa" + e, 63, utf8), a60 + "aa");
    EXPECT_EQ(CutToBytes(a60 + zhong + "!", 63, utf8), a60 + zhong);
}
