#pragma once

#include <cstddef>
#include <string>

// The program's strings are UTF-8. No byte of a multi-byte sequence is below
// 0x80, so '\', ':' and '.' are found and ASCII letters mapped byte by byte;
// only what cuts text steps over whole characters, so that none is split.
namespace core::utf8 {

// Bytes of the character at index: the length of a well-formed sequence (no
// overlong form, surrogate or value past U+10FFFF), else 1, so a stray
// continuation byte or a cut-off sequence is a character of its own.
// 0 at or past the end.
std::size_t CharLengthAt(const std::string& text, std::size_t index);

// Whether index lies inside a character that starts before it.
bool IsInsideCharAt(const std::string& text, std::size_t index);

// The UTF-16 units the wide calls get for the text: two for a character past
// U+FFFF, one for any other character.
std::size_t Utf16Length(const std::string& text);

// Bytes of the longest run of whole characters from the start that takes at
// most maxUnits UTF-16 units.
std::size_t BytesWithinUtf16(const std::string& text, std::size_t maxUnits);

}  // namespace core::utf8
