#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace core {

// Lead-byte table of a multi-byte ANSI code page, or UTF-8. Separator
// searches step over double-byte characters, because a GBK second byte may be
// 0x5C ('\'); in UTF-8 every byte below 0x80 is a character of its own, and
// what cuts text steps over whole sequences so that none is split.
class CodePage {
public:
    struct LeadByteRange {
        unsigned char first;
        unsigned char last;
    };

    // A single-byte code page: no lead bytes.
    CodePage();
    explicit CodePage(const std::vector<LeadByteRange>& ranges);
    // Pairs as GetCPInfo reports them; reading stops at the first 0,0 pair.
    CodePage(const unsigned char* leadBytePairs, std::size_t size);

    static CodePage Gbk();
    // Lead bytes C2-F4. A sequence is a character only when it is well formed
    // (no overlong form, surrogate or value past U+10FFFF); any other byte,
    // a stray continuation byte or a cut-off sequence counts as one byte.
    static CodePage Utf8();
    // The code page of the program's strings: UTF-8 unless set otherwise.
    static const CodePage& System();
    static void SetSystem(const CodePage& codePage);

    bool IsLeadByte(unsigned char byte) const { return lead_[byte]; }
    bool IsDoubleByte() const;
    bool IsUtf8() const { return utf8_; }

    // Whether byte index continues a character that starts before it.
    // Double-byte: the unbroken run of lead-byte values directly before it
    // has odd length. UTF-8: it lies inside a well-formed sequence.
    bool IsTrailByteAt(const std::string& text, std::size_t index) const;
    // Bytes of the character starting at index: for a double-byte code page
    // 2 for a lead byte followed by a non-zero byte, for UTF-8 the length of
    // a well-formed sequence; else 1. Returns 0 at or past the end.
    std::size_t CharLengthAt(const std::string& text, std::size_t index) const;
    std::size_t NextCharIndex(const std::string& text, std::size_t index) const;
    // Start of the last character, or npos for empty text.
    std::size_t LastCharIndex(const std::string& text) const;

    std::size_t FindFirstBackslash(const std::string& text, std::size_t from = 0) const;
    std::size_t FindLastBackslash(const std::string& text) const;
    std::size_t CountBackslashes(const std::string& text) const;
    // Last single-byte character that is one of the bytes in set, or npos.
    std::size_t FindLastOf(const std::string& text, const std::string& set) const;
    bool ContainsAnyOf(const std::string& text, const std::string& set) const;

private:
    std::size_t Utf8LengthAt(const std::string& text, std::size_t index) const;

    bool lead_[256];
    bool utf8_ = false;
};

}  // namespace core
