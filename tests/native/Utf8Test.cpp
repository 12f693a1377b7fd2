#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::utf8::CharLengthAt;
using core::utf8::IsInsideCharAt;

TEST(Utf8Test, LiteralsAreUtf8)
{
    EXPECT_EQ(std::string("宋体"), "\xe5\xae\x8b\xe4\xbd\x93");
}

// Each row: a text and the byte lengths of its characters, reading forward.
TEST(Utf8Test, SequencesAreWholeCharactersOrSingleBytes)
{
    const std::pair<std::string, std::vector<std::size_t>> cases[] = {
        {u8"a\\É", {1, 1, 2}},
        {u8"한\\🎉", {3, 1, 4}},
        {"\xE4\xB8\\", {1, 1, 1}},                  // cut off before a separator
        {"\x80\xBF", {1, 1}},                       // stray continuation bytes
        {"\xC0\xAF\xE0\x80\xAF", {1, 1, 1, 1, 1}},  // overlong forms of '/'
        {"\xED\xA0\x80", {1, 1, 1}},                // a surrogate
        {"\xF4\x90\x80\x80", {1, 1, 1, 1}},         // past U+10FFFF
        {"\xF0\x9F\x8E", {1, 1, 1}},                // cut off at the end
    };
    for (const auto& [text, expected] : cases) {
        std::vector<std::size_t> lengths;
        for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) lengths.push_back(CharLengthAt(text, i));
        EXPECT_EQ(lengths, expected) << text;
        EXPECT_EQ(CharLengthAt(text, text.size()), 0u);
        // Read backward, every byte but a character's first continues one.
        for (std::size_t i = 0, next = 0; i < text.size(); ++i) {
            EXPECT_EQ(IsInsideCharAt(text, i), i != next) << text << " at " << i;
            if (i == next) next += CharLengthAt(text, i);
        }
    }
}
