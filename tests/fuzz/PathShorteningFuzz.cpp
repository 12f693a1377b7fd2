// MinimizeName keeps the name part whole and drops leading directories at
// real backslashes only: the result is the path, the name alone, or a head
// (drive, root, "...\") followed by a tail of the path that starts right
// after a single-byte separator.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/PathShortening.h"

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// True when tail is path's own ending, cut right after a '\' or ':'.
bool IsTailAfterSeparator(const std::string& path, const std::string& tail)
{
    if (!EndsWith(path, tail) || tail.size() >= path.size()) return false;
    const std::size_t start = path.size() - tail.size();
    const std::vector<bool> starts = fuzz::CharStarts(path);
    return starts[start] && fuzz::IsSingleByteCharAt(path, start - 1, starts) &&
           (path[start - 1] == '\\' || path[start - 1] == ':');
}

bool IsShortenedForm(const std::string& path, const std::string& name, const std::string& result)
{
    const std::string drive = path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string();
    for (const std::string& d : {std::string(), drive}) {
        for (const std::string& root : {"", "\\"}) {
            const std::string head = d + root;
            if (result == head + name) return true;
            const std::string marked = head + "...\\";
            if (result.compare(0, marked.size(), marked) == 0 &&
                IsTailAfterSeparator(path, result.substr(marked.size())))
                return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const int maxWidth = input.Int16();
    // Every byte has a width of its own, as glyphs do; fewer bytes never
    // get wider.
    const unsigned char widths = input.Byte();
    const std::string path = input.Text();
    auto textWidth = [widths](const std::string& text) {
        int width = 0;
        for (unsigned char c : text) width += 1 + ((c ^ widths) & 7);
        return width;
    };

    const std::string result = core::MinimizeName(path, maxWidth, textWidth);

    const std::size_t split = path.find_last_of("\\:");
    const std::string name = split == std::string::npos ? path : path.substr(split + 1);
    const std::string limit = std::to_string(maxWidth);
    FUZZ_CHECK(EndsWith(result, name), path, limit, result);
    FUZZ_CHECK(fuzz::KeepsUtf8Whole({path}, result), path, limit, result);
    if (textWidth(path) <= maxWidth) {
        FUZZ_CHECK(result == path, path, limit, result);
    } else {
        FUZZ_CHECK(textWidth(result) <= maxWidth || result == name, path, limit, result);
        FUZZ_CHECK(result == path || IsShortenedForm(path, name, result), path, limit, result);
    }
    return 0;
}
