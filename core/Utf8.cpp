#include "core/Utf8.h"

// The program's strings are UTF-8 (three bytes per Chinese character).
static_assert(sizeof("宋体") == 7, "narrow literals must be compiled to UTF-8");

namespace core::utf8 {

std::size_t CharLengthAt(const std::string& text, std::size_t index)
{
    if (index >= text.size()) return 0;
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

bool IsInsideCharAt(const std::string& text, std::size_t index)
{
    if (index == 0 || index >= text.size()) return false;
    // Back over continuation bytes to the byte that starts a character: no
    // sequence is longer than four bytes.
    for (std::size_t back = 1; back <= 3 && back <= index; ++back) {
        if ((static_cast<unsigned char>(text[index - back]) & 0xC0) != 0x80)
            return CharLengthAt(text, index - back) > back;
    }
    return false;
}

std::size_t Utf16Length(const std::string& text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) units += CharLengthAt(text, i) == 4 ? 2 : 1;
    return units;
}

std::size_t BytesWithinUtf16(const std::string& text, std::size_t maxUnits)
{
    std::size_t end = 0;
    for (std::size_t units = 0; end < text.size();) {
        const std::size_t length = CharLengthAt(text, end);
        units += length == 4 ? 2 : 1;
        if (units > maxUnits) break;
        end += length;
    }
    return end;
}

}  // namespace core::utf8
