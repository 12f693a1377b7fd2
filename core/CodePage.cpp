#include "core/CodePage.h"

#include <algorithm>

// Narrow literals must be GBK bytes (two bytes per Chinese character).
// clang compiles them to UTF-8 only; this check goes once literals are UTF-8.
#if !defined(__clang__)
static_assert(sizeof("宋体") == 5, "narrow literals must be compiled to GBK");
#endif

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

namespace {
CodePage& SystemCodePage()
{
    static CodePage codePage = CodePage::Gbk();
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
    std::size_t run = 0;
    for (std::size_t i = index; i > 0 && IsLeadByte(static_cast<unsigned char>(text[i - 1])); --i) ++run;
    return run % 2 == 1;
}

std::size_t CodePage::CharLengthAt(const std::string& text, std::size_t index) const
{
    if (index >= text.size()) return 0;
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
