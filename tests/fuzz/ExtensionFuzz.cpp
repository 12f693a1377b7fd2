// Properties of ReplaceExtension: the result is the path's folder and stem,
// then the new extension; what it drops is the last name's extension, a
// single-byte dot and what follows it, and nothing when that name has none.
// No byte inside a multi-byte character is a dot or a separator.
// Callers only pass texts that ExtensionTextIsSafe accepts, so the result
// holds exactly the path's separators, at the same places.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/ExtensionMapping.h"

namespace {

// Positions of single-byte characters of text from from on that are in set.
std::vector<std::size_t> Positions(const std::string& text, const char* set, std::size_t from = 0)
{
    const std::vector<bool> starts = fuzz::CharStarts(text);
    std::vector<std::size_t> positions;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (fuzz::IsSingleByteCharAt(text, i, starts) && std::string(set).find(text[i]) != std::string::npos)
            positions.push_back(i);
    }
    return positions;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::string path = input.Text();
    const std::string ext = input.Text();

    const std::string result = core::ReplaceExtension(path, ext);

    FUZZ_CHECK(result.size() >= ext.size() && result.compare(result.size() - ext.size(), ext.size(), ext) == 0, path,
               ext, result);
    const std::size_t kept = result.size() - ext.size();
    FUZZ_CHECK(kept <= path.size() && path.compare(0, kept, result, 0, kept) == 0, path, ext, result);
    const std::vector<std::size_t> separators = Positions(path, "\\:");
    const std::size_t lastName = separators.empty() ? 0 : separators.back() + 1;
    const std::vector<std::size_t> dots = Positions(path, ".", lastName);
    // Dropped: nothing when the last name has no dot, else from its last dot on.
    FUZZ_CHECK(kept == path.size() ? dots.empty() : !dots.empty() && dots.back() == kept, path, ext, result);

    if (core::ExtensionTextIsSafe(ext)) FUZZ_CHECK(Positions(result, "\\:") == separators, path, ext, result);
    FUZZ_CHECK(fuzz::KeepsUtf8Whole({path, ext}, result), path, ext, result);
    return 0;
}
