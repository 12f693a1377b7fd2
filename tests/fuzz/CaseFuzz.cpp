// Properties of case mapping: only single-byte ASCII letters change, and
// only in case; none of the other case is left; lengths, character
// boundaries and double-byte characters stay as they are.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/CaseMapping.h"
#include "core/CodePage.h"

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void CheckMapped(const std::string& path, const std::string& mapped, bool upper, const core::CodePage& codePage)
{
    FUZZ_CHECK(mapped.size() == path.size(), path, mapped);
    const std::vector<bool> starts = fuzz::CharStarts(path, codePage);
    FUZZ_CHECK(fuzz::CharStarts(mapped, codePage) == starts, path, mapped);
    FUZZ_CHECK(fuzz::KeepsUtf8Whole(codePage, {path}, mapped), path, mapped);
    const char otherCase = upper ? 'a' : 'A';
    for (std::size_t i = 0; i < path.size(); ++i) {
        const bool letter = fuzz::IsSingleByteCharAt(path, i, starts) && IsAsciiLetter(path[i]);
        FUZZ_CHECK(mapped[i] == path[i] || (letter && (mapped[i] ^ 0x20) == path[i]), path, mapped, std::to_string(i));
        FUZZ_CHECK(!letter || mapped[i] < otherCase || mapped[i] > otherCase + 25, path, mapped, std::to_string(i));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const core::CodePage codePage = input.PickCodePage();
    const std::string path = input.Text();
    const std::string flips = input.Rest();

    const std::string lower = core::LowerCasePath(path, codePage);
    const std::string upper = core::UpperCasePath(path, codePage);
    CheckMapped(path, lower, false, codePage);
    CheckMapped(path, upper, true, codePage);
    FUZZ_CHECK(core::LowerCasePath(lower, codePage) == lower, path);
    FUZZ_CHECK(core::UpperCasePath(upper, codePage) == upper, path);
    FUZZ_CHECK(core::LowerCasePath(upper, codePage) == lower, path);
    FUZZ_CHECK(core::UpperCasePath(lower, codePage) == upper, path);

    // Flipping the case of letter bytes is a case-only change unless a
    // flipped byte is the second byte of a double-byte character.
    const std::vector<bool> starts = fuzz::CharStarts(path, codePage);
    std::string other = path;
    bool insideChar = false;
    for (std::size_t i = 0; i < path.size() && !flips.empty(); ++i) {
        bool flip = (static_cast<unsigned char>(flips[i / 8 % flips.size()]) >> (i % 8)) & 1;
        if (!flip || !IsAsciiLetter(path[i])) continue;
        other[i] = static_cast<char>(path[i] ^ 0x20);
        if (!starts[i]) insideChar = true;
    }
    const bool caseOnly = other != path && !insideChar;
    FUZZ_CHECK(core::DiffersOnlyInCase(path, other, codePage) == caseOnly, path, other);
    FUZZ_CHECK(core::DiffersOnlyInCase(other, path, codePage) == caseOnly, path, other);
    return 0;
}
