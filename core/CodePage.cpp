#include "core/CodePage.h"

#include <algorithm>

// The program's strings are UTF-8 (three bytes per Chinese character).
static_assert(sizeof("宋体") == 7, "narrow literals must be compiled to UTF-8");

namespace core {

CodePage::CodePage()
{
    std::fill(std::begin(lead_), std::end(lead_), false);
}

CodePage::CodePage(const std::vector<LeadByteRange>& ranges) : CodePage()
{
    for (const LeadByteRange& range : ranges) {
        for (unsigned b = range.first; b <= range.last; ++b) lead_[b] = true;
    }
}

CodePage::CodePage(const unsigned char* leadBytePairs, std::size_t size) : CodePage()
{
    for (std::size_t i = 0; leadBytePairs && i + 1 < size; i += 2) {
        unsigned char first = leadBytePairs[i];
        unsigned char last = leadBytePairs[i + 1];
        if (first == 0 && last == 0) break;
        for (unsigned b = first; b <= last; ++b) lead_[b] = true;
    }
}

CodePage CodePage::Gbk()
{
    return CodePage({{0x81, 0xFE}});
}

CodePage CodePage::Utf8()
{
    CodePage codePage({{0xC2, 0xF4}});
    codePage.utf8_ = true;
    return codePage;
}

namespace {
CodePage& SystemCodePage()
{
    static CodePage codePage = CodePage::Utf8();
    return codePage;
}
}  // namespace

const CodePage& CodePage::System()
{
    return SystemCodePage();
}

void CodePage::SetSystem(const CodePage& codePage)
{
    SystemCodePage() = codePage;
}

bool CodePage::IsDoubleByte() const
{
    return std::any_of(std::begin(lead_), std::end(lead_), [](bool b) { return b; });
}

bool CodePage::IsTrailByteAt(const std::string& text, std::size_t index) const
{
    if (index == 0 || index >= text.size()) return false;
    if (utf8_) {
        // Back over continuation bytes to the byte that starts a character:
        // no sequence is longer than four bytes.
        for (std::size_t back = 1; back <= 3 && back <= index; ++back) {
            if ((static_cast<unsigned char>(text[index - back]) & 0xC0) != 0x80)
                return Utf8LengthAt(text, index - back) > back;
        }
        return false;
    }
    std::size_t run = 0;
    for (std::size_t i = index; i > 0 && IsLeadByte(static_cast<unsigned char>(text[i - 1])); --i) ++run;
    return run % 2 == 1;
}

std::size_t CodePage::Utf8LengthAt(const std::string& text, std::size_t index) const
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(index);
    std::size_t length = 1;
    // The second byte's range narrows after E0, ED, F0 and F4.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    if (length == 1 || index + length > text.size()) return 1;
    if (byte(index + 1) < low || byte(index + 1) > high) return 1;
    for (std::size_t i = index + 2; i < index + length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 1;
    }
    return length;
}

std::size_t CodePage::CharLengthAt(const std::string& text, std::size_t index) const
{
    if (index >= text.size()) return 0;
    if (utf8_) return Utf8LengthAt(text, index);
    if (IsLeadByte(static_cast<unsigned char>(text[index])) && index + 1 < text.size() && text[index + 1] != '\0')
        return 2;
    return 1;
}

std::size_t CodePage::NextCharIndex(const std::string& text, std::size_t index) const
{
    if (index >= text.size()) return text.size();
    return index + CharLengthAt(text, index);
}

std::size_t CodePage::LastCharIndex(const std::string& text) const
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) last = i;
    return last;
}

std::size_t CodePage::FindFirstBackslash(const std::string& text, std::size_t from) const
{
    for (std::size_t i = from; i < text.size(); i = NextCharIndex(text, i)) {
        if (text[i] == '\\') return i;
    }
    return std::string::npos;
}

std::size_t CodePage::FindLastBackslash(const std::string& text) const
{
    return FindLastOf(text, "\\");
}

std::size_t CodePage::CountBackslashes(const std::string& text) const
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
        if (text[i] == '\\') ++count;
    }
    return count;
}

std::size_t CodePage::FindLastOf(const std::string& text, const std::string& set) const
{
    std::size_t found = std::string::npos;
    for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
        if (CharLengthAt(text, i) == 1 && text[i] != '\0' && set.find(text[i]) != std::string::npos) found = i;
    }
    return found;
}

bool CodePage::ContainsAnyOf(const std::string& text, const std::string& set) const
{
    for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
        if (CharLengthAt(text, i) == 1 && text[i] != '\0' && set.find(text[i]) != std::string::npos) return true;
    }
    return false;
}

}  // namespace core
