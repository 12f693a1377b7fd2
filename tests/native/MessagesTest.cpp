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

TEST(MessagesTest, CutsToBytes)
{
    std::string seventy(70, 'x');
    EXPECT_EQ(CutToBytes(seventy, 63), std::string(63, 'x'));
    EXPECT_EQ(CutToBytes("short", 63), "short");
    EXPECT_EQ(CutToBytes(std::string(63, 'y'), 63), std::string(63, 'y'));
    EXPECT_EQ(CutToBytes("", 63), "");
    // Whole characters only: a 3-byte one across the cut, an emoji, a Latin letter.
    const std::string a60(60, 'a'), zhong = u8"中", emoji = u8"🎉", e = u8"É";
    EXPECT_EQ(CutToBytes(a60 + "a" + zhong, 63), a60 + "a");
    EXPECT_EQ(CutToBytes(a60 + emoji, 63), a60);
    EXPECT_EQ(CutToBytes(a60 + "aa" + e, 63), a60 + "aa");
    EXPECT_EQ(CutToBytes(a60 + zhong + "!", 63), a60 + zhong);
    // Malformed bytes are characters of their own: stray continuation bytes,
    // an overlong '/', a sequence cut off.
    EXPECT_EQ(CutToBytes(a60 + "\x80\x80\x80\x80", 63), a60 + "\x80\x80\x80");
    EXPECT_EQ(CutToBytes(a60 + "aa\xC0\xAF", 63), a60 + "aa\xC0");
    EXPECT_EQ(CutToBytes(a60 + "a\xE4\xB8"
                               "a",
                         63),
              a60 + "a\xE4\xB8");
}
