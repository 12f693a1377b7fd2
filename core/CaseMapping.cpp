#include "core/CaseMapping.h"

#include "core/CodePage.h"

namespace core {

namespace {

template <typename MapByte>
std::string MapSingleBytes(const std::string& text, const CodePage& codePage, MapByte mapByte)
{
    std::string result = text;
    for (std::size_t i = 0; i < result.size(); i = codePage.NextCharIndex(result, i)) {
        if (codePage.CharLengthAt(result, i) == 1) result[i] = mapByte(result[i]);
    }
    return result;
}

char LowerByte(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c;
}
char UpperByte(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c;
}

}  // namespace

std::string LowerCasePath(const std::string& path, const CodePage& codePage)
{
    return MapSingleBytes(path, codePage, LowerByte);
}

std::string UpperCasePath(const std::string& path, const CodePage& codePage)
{
    return MapSingleBytes(path, codePage, UpperByte);
}

bool DiffersOnlyInCase(const std::string& a, const std::string& b, const CodePage& codePage)
{
    if (a.size() != b.size() || a == b) return false;
    return LowerCasePath(a, codePage) == LowerCasePath(b, codePage);
}

}  // namespace core
