#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace core {

// Lead-byte table of a multi-byte ANSI code page. Separator searches step over
// double-byte characters, because a GBK second byte may be 0x5C ('\').
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
    // The code page the Windows layer found on the system; GBK until set.
    static const CodePage& System();
    static void SetSystem(const CodePage& codePage);

    bool IsLeadByte(unsigned char byte) const { return lead_[byte]; }
    bool IsDoubleByte() const;

    // Backward rule: byte i is a second byte when the unbroken run of
    // lead-byte values directly before it has odd length.
    bool IsTrailByteAt(const std::string& text, std::size_t index) const;
    // Bytes of the character starting at index: 2 for a lead byte followed
    // by a non-zero byte, else 1. Returns 0 at or past the end.
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
    bool lead_[256];
};

}  // namespace core
