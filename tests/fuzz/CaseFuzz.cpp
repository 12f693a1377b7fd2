// Properties of case mapping: only single-byte ASCII letters change, and
// only in case; none of the other case is left; lengths, character
// boundaries and multi-byte characters stay as they are.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/CaseMapping.h"

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void CheckMapped(const std::string& path, const std::string& mapped, bool upper)
{
    FUZZ_CHECK(mapped.size() == path.size(), path, mapped);
    const std::vector<bool> starts = fuzz::CharStarts(path);
    FUZZ_CHECK(fuzz::CharStarts(mapped) == starts, path, mapped);
    FUZZ_CHECK(fuzz::KeepsUtf8Whole({path}, mapped), path, mapped);
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
    const std::string path = input.Text();
    const std::string flips = input.Rest();

    const std::string lower = core::LowerCasePath(path);
    const std::string upper = core::UpperCasePath(path);
    CheckMapped(path, lower, false);
    CheckMapped(path, upper, true);
    FUZZ_CHECK(core::LowerCasePath(lower) == lower, path);
    FUZZ_CHECK(core::UpperCasePath(upper) == upper, path);
    FUZZ_CHECK(core::LowerCasePath(upper) == lower, path);
    FUZZ_CHECK(core::UpperCasePath(lower) == upper, path);

    // Flipping the case of letter bytes is a case-only change unless a
    // flipped byte is inside a character.
    const std::vector<bool> starts = fuzz::CharStarts(path);
    std::string other = path;
    bool insideChar = false;
    for (std::size_t i = 0; i < path.size() && !flips.empty(); ++i) {
        bool flip = (static_cast<unsigned char>(flips[i / 8 % flips.size()]) >> (i % 8)) & 1;
        if (!flip || !IsAsciiLetter(path[i])) continue;
        other[i] = static_cast<char>(path[i] ^ 0x20);
        if (!starts[i]) insideChar = true;
    }
    const bool caseOnly = other != path && !insideChar;
    FUZZ_CHECK(core::DiffersOnlyInCase(path, other) == caseOnly, path, other);
    FUZZ_CHECK(core::DiffersOnlyInCase(other, path) == caseOnly, path, other);
    return 0;
}
