// The backslash searches read forward; IsTrailByteAt reads backward. On any
// text both must see the same characters, and a search never lands inside a
// double-byte character.

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
    std::size_t first = npos, last = npos, count = 0, lastStart = npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool trail = codePage.IsTrailByteAt(text, i);
        FUZZ_CHECK(trail == !starts[i], text, std::to_string(i));
        if (starts[i]) {
            lastStart = i;
            FUZZ_CHECK(codePage.CharLengthAt(text, i) == (starts[i + 1] ? 1u : 2u), text, std::to_string(i));
        }
        if (text[i] == '\\' && !trail) {
            if (first == npos) first = i;
            last = i;
            ++count;
        }
    }
    FUZZ_CHECK(codePage.FindLastBackslash(text) == last, text);
    FUZZ_CHECK(codePage.FindFirstBackslash(text) == first, text);
    FUZZ_CHECK(codePage.CountBackslashes(text) == count, text);
    FUZZ_CHECK(codePage.LastCharIndex(text) == lastStart, text);
    FUZZ_CHECK(codePage.ContainsAnyOf(text, "\\") == (count > 0), text);
    // The next search starts after a found one, as the path shortening does.
    if (first != npos) {
        std::size_t second = codePage.FindFirstBackslash(text, first + 1);
        FUZZ_CHECK(second == npos || (second > first && text[second] == '\\' && starts[second]), text);
        FUZZ_CHECK((second == npos) == (count == 1), text);
    }
    return 0;
}
