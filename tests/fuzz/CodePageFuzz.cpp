// Properties of the code page's reading: the forward reading and
// IsTrailByteAt, which reads backward, see the same characters; the
// backslash searches land only on backslashes that are no second byte,
// agree with each other and miss none; appending or prepending a backslash
// keeps the boundaries of whole characters.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const core::CodePage codePage = input.PickCodePage();
    const std::string text = input.Text();
    const std::size_t npos = std::string::npos;

    const std::vector<bool> starts = fuzz::CharStarts(text, codePage);
    std::size_t separators = 0;  // backslash bytes that are no second byte
    const bool wellFormed = codePage.IsUtf8() && fuzz::IsWellFormedUtf8(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(codePage.IsTrailByteAt(text, i) == !starts[i], text, std::to_string(i));
        if (starts[i])
            FUZZ_CHECK(codePage.CharLengthAt(text, i) <= (codePage.IsUtf8() ? 4u : 2u), text, std::to_string(i));
        // In UTF-8 only continuation bytes continue a character; in well-formed text all of them do.
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (codePage.IsUtf8())
            FUZZ_CHECK(continuation ? !(starts[i] && wellFormed) : starts[i], text, std::to_string(i));
        if (text[i] == '\\' && !codePage.IsTrailByteAt(text, i)) ++separators;
    }
    // Search after search, as the path functions do.
    std::size_t found = 0, last = npos;
    for (std::size_t at = codePage.FindFirstBackslash(text); at != npos;
         at = codePage.FindFirstBackslash(text, at + 1)) {
        FUZZ_CHECK(text[at] == '\\' && starts[at] && (last == npos || at > last), text, std::to_string(at));
        last = at;
        ++found;
    }
    FUZZ_CHECK(found == separators, text);
    FUZZ_CHECK(codePage.CountBackslashes(text) == separators, text);
    FUZZ_CHECK(codePage.FindLastBackslash(text) == last, text);
    FUZZ_CHECK(codePage.ContainsAnyOf(text, "\\") == (separators > 0), text);
    const std::size_t lastChar = codePage.LastCharIndex(text);
    FUZZ_CHECK(text.empty() ? lastChar == npos
                            : lastChar < text.size() && starts[lastChar] &&
                                  codePage.NextCharIndex(text, lastChar) == text.size(),
               text);

    // A backslash after a text is a separator of its own unless the text
    // ends in a lone lead byte of a double-byte code page, whose second byte
    // it then is; in UTF-8 it never continues a character.
    const bool loneLead = !codePage.IsUtf8() && !text.empty() && starts[text.size() - 1] &&
                          codePage.IsLeadByte(static_cast<unsigned char>(text.back()));
    const std::string joined = text + "\\" + text;
    FUZZ_CHECK(codePage.IsTrailByteAt(joined, text.size()) == loneLead, text);
    if (!loneLead) FUZZ_CHECK(codePage.FindFirstBackslash(joined, text.size()) == text.size(), text);
    FUZZ_CHECK(codePage.CountBackslashes(joined) == 2 * separators + (loneLead ? 0 : 1), text);
    FUZZ_CHECK(codePage.FindFirstBackslash("\\" + text) == 0, text);
    return 0;
}
