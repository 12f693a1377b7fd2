#pragma once

// Shared by the libFuzzer targets: reads typed values off the fuzz bytes and
// stops with the failed condition and the texts involved.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/Utf8.h"

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // 0 once the bytes are used up.
    unsigned char Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    int Int16()
    {
        unsigned high = Byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | Byte()));
    }

    // Texts reach the core as C strings, so a NUL byte ends one.
    std::string Text()
    {
        std::string text;
        while (pos_ < size_ && data_[pos_] != 0) text += static_cast<char>(data_[pos_++]);
        if (pos_ < size_) ++pos_;
        return text;
    }

    std::string Rest()
    {
        std::string rest(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// starts[i] is true where a character begins, reading forward; starts[size]
// is true.
inline std::vector<bool> CharStarts(const std::string& text)
{
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size(); i += core::utf8::CharLengthAt(text, i)) starts[i] = true;
    starts[text.size()] = true;
    return starts;
}

// Decodes every code point, independently of core::utf8:
// false for a stray or missing continuation byte, an overlong form, a
// surrogate or a value past U+10FFFF.
inline bool IsWellFormedUtf8(const std::string& text)
{
    static const std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        if (n == 0 || i + n > text.size()) return false;
        std::uint32_t value = n == 1 ? lead : lead & (0x7Fu >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            value = value << 6 | (next & 0x3F);
        }
        if (value < kLeast[n] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

// A result made of well-formed texts is well formed: it splits no character.
inline bool KeepsUtf8Whole(std::initializer_list<std::string> given, const std::string& result)
{
    for (const std::string& text : given) {
        if (!IsWellFormedUtf8(text)) return true;
    }
    return IsWellFormedUtf8(result);
}

inline bool IsSingleByteCharAt(const std::string& text, std::size_t i, const std::vector<bool>& starts)
{
    return i < text.size() && starts[i] && starts[i + 1];
}

[[noreturn]] inline void Fail(const char* condition, const char* file, int line,
                              std::initializer_list<std::string> texts)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    for (const std::string& text : texts) {
        std::fprintf(stderr, "  \"");
        for (unsigned char c : text) {
            if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
                std::fputc(c, stderr);
            else
                std::fprintf(stderr, "\\x%02x", c);
        }
        std::fprintf(stderr, "\" (%zu bytes)\n", text.size());
    }
    __builtin_trap();
}

}  // namespace fuzz

// FUZZ_CHECK(condition, texts...): the texts are printed when it fails.
#define FUZZ_CHECK(condition, ...)                                                                                     \
    do {                                                                                                               \
        if (!(condition)) ::fuzz::Fail(#condition, __FILE__, __LINE__, {__VA_ARGS__});                                 \
    } while (0)
