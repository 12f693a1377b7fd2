// ReplaceExtension scans the path backward; the expected cut is found here
// reading forward. Callers only pass texts that ExtensionTextIsSafe accepts,
// so the result holds exactly the path's separators, at the same places.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/CodePage.h"
#include "core/ExtensionMapping.h"

namespace {

std::vector<std::size_t> SeparatorPositions(const std::string& text, const core::CodePage& codePage)
{
    const std::vector<bool> starts = fuzz::CharStarts(text, codePage);
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (fuzz::IsSingleByteCharAt(text, i, starts) && (text[i] == '\\' || text[i] == ':')) positions.push_back(i);
    }
    return positions;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const core::CodePage codePage = input.PickCodePage();
    const std::string path = input.Text();
    const std::string ext = input.Text();
    const std::size_t npos = std::string::npos;

    const std::string result = core::ReplaceExtension(path, ext, codePage);

    std::size_t dot = codePage.FindLastOf(path, ".");
    std::size_t separator = codePage.FindLastOf(path, "\\:");
    bool hasExtension = dot != npos && (separator == npos || dot > separator);
    const std::string kept = hasExtension ? path.substr(0, dot) : path;
    FUZZ_CHECK(result == kept + ext, path, ext, result);

    const bool safe = core::ExtensionTextIsSafe(ext, codePage);
    // A listed name ends on a whole character; a lone lead byte at the end
    // would pair with the extension's first byte.
    const std::vector<bool> starts = fuzz::CharStarts(path, codePage);
    const bool wholeEnd =
        path.empty() || !(starts[path.size() - 1] && codePage.IsLeadByte(static_cast<unsigned char>(path.back())));
    if (safe && (hasExtension || wholeEnd)) {
        FUZZ_CHECK(SeparatorPositions(result, codePage) == SeparatorPositions(path, codePage), path, ext, result);
    }
    return 0;
}
