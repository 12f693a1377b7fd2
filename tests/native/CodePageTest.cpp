#include "core/CodePage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GbkBytes.h"

using core::CodePage;

TEST(CodePageTest, LiteralsAreUtf8)
{
    EXPECT_EQ(std::string("宋体"), "\xe5\xae\x8b\xe4\xbd\x93");
}

TEST(CodePageTest, LeadByteTables)
{
    CodePage gbkPage = CodePage::Gbk();
    EXPECT_FALSE(gbkPage.IsLeadByte(0x80));
    EXPECT_TRUE(gbkPage.IsLeadByte(0x81));
    EXPECT_TRUE(gbkPage.IsLeadByte(0xFE));
    EXPECT_FALSE(gbkPage.IsLeadByte(0xFF));
    EXPECT_FALSE(gbkPage.IsLeadByte('\\'));
    EXPECT_FALSE(CodePage().IsDoubleByte());

    // As GetCPInfo reports them: pairs ended by 0,0; what follows is ignored.
    const unsigned char pairs[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0, 0x20, 0x30};
    CodePage sjis(pairs, sizeof pairs);
    EXPECT_TRUE(sjis.IsLeadByte(0x9F));
    EXPECT_FALSE(sjis.IsLeadByte(0xA0));
    EXPECT_TRUE(sjis.IsLeadByte(0xE0));
    EXPECT_FALSE(sjis.IsLeadByte(0x25));
}

TEST(CodePageTest, SystemCodePageCanBeReplaced)
{
    EXPECT_TRUE(CodePage::System().IsUtf8());
    CodePage::SetSystem(CodePage::Gbk());
    EXPECT_TRUE(CodePage::System().IsLeadByte(0x95));
    CodePage::SetSystem(CodePage::Utf8());
    EXPECT_FALSE(CodePage::System().IsLeadByte(0x95));
}

TEST(CodePageTest, TrailBytesByTheRunOfLeadBytesBeforeThem)
{
    CodePage page = CodePage::Gbk();
    std::string text = std::string("a") + gbk::kTrail5C + gbk::kBiao + "\\";
    // a 95 5C B1 ED 5C
    EXPECT_FALSE(page.IsTrailByteAt(text, 0));
    EXPECT_FALSE(page.IsTrailByteAt(text, 1));
    EXPECT_TRUE(page.IsTrailByteAt(text, 2));
    EXPECT_FALSE(page.IsTrailByteAt(text, 3));
    EXPECT_TRUE(page.IsTrailByteAt(text, 4));
    EXPECT_FALSE(page.IsTrailByteAt(text, 5));  // run B1 ED has even length
}

TEST(CodePageTest, BackslashSearchesStepOverDoubleByteCharacters)
{
    CodePage page = CodePage::Gbk();
    std::string name = std::string("C:\\") + gbk::kTrail5C + "\\" + gbk::kTrail5C + "x";
    // C : \ 95 5C \ 95 5C x
    EXPECT_EQ(page.FindFirstBackslash(name), 2u);
    EXPECT_EQ(page.FindFirstBackslash(name, 3), 5u);
    EXPECT_EQ(page.FindLastBackslash(name), 5u);
    EXPECT_EQ(page.CountBackslashes(name), 2u);
    EXPECT_EQ(page.LastCharIndex(name), 8u);

    std::string endsInTrail = std::string("C:\\") + gbk::kTrail5C;
    EXPECT_EQ(page.FindLastBackslash(endsInTrail), 2u);
    EXPECT_EQ(page.LastCharIndex(endsInTrail), 3u);

    // A single-byte code page takes every 0x5C for a backslash.
    EXPECT_EQ(CodePage().CountBackslashes(name), 4u);
}

TEST(CodePageTest, LeadByteAtTheEndIsOneCharacter)
{
    CodePage page = CodePage::Gbk();
    std::string text = "ab\x95";
    EXPECT_EQ(page.CharLengthAt(text, 2), 1u);
    EXPECT_EQ(page.NextCharIndex(text, 2), 3u);
    EXPECT_EQ(page.CharLengthAt(text, 3), 0u);
    EXPECT_EQ(page.LastCharIndex(text), 2u);
    EXPECT_EQ(page.LastCharIndex(""), std::string::npos);
}

// Each row: a text and the byte lengths of its characters, reading forward.
TEST(CodePageTest, Utf8SequencesAreWholeCharactersOrSingleBytes)
{
    const CodePage page = CodePage::Utf8();
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
        for (std::size_t i = 0; i < text.size(); i = page.NextCharIndex(text, i))
            lengths.push_back(page.CharLengthAt(text, i));
        EXPECT_EQ(lengths, expected) << text;
        // Read backward, every byte but a character's first continues one.
        for (std::size_t i = 0, next = 0; i < text.size(); ++i) {
            EXPECT_EQ(page.IsTrailByteAt(text, i), i != next) << text << " at " << i;
            if (i == next) next += page.CharLengthAt(text, i);
        }
    }
}
