// Properties of the UTF-8 reading: the forward reading and IsInsideCharAt,
// which reads backward, see the same characters; only continuation bytes
// continue one, so no '\', ':' or '.' is ever inside a character; and
// CutToBytes keeps the longest prefix that ends on a whole character.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/Messages.h"
#include "core/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::string text = input.Text();

    const std::vector<bool> starts = fuzz::CharStarts(text);
    const bool wellFormed = fuzz::IsWellFormedUtf8(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(core::utf8::IsInsideCharAt(text, i) == !starts[i], text, std::to_string(i));
        if (starts[i]) FUZZ_CHECK(core::utf8::CharLengthAt(text, i) <= 4u, text, std::to_string(i));
        // In well-formed text every continuation byte continues a character.
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        FUZZ_CHECK(continuation ? !(starts[i] && wellFormed) : starts[i], text, std::to_string(i));
    }
    for (std::size_t maxBytes = 0; maxBytes <= text.size(); ++maxBytes) {
        std::size_t longest = maxBytes;
        while (!starts[longest]) --longest;
        FUZZ_CHECK(core::CutToBytes(text, maxBytes) == text.substr(0, longest), text, std::to_string(maxBytes));
    }
    return 0;
}
