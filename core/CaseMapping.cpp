#include "core/CaseMapping.h"

namespace core {

std::string LowerCasePath(const std::string& path)
{
    std::string result = path;
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    return result;
}

std::string UpperCasePath(const std::string& path)
{
    std::string result = path;
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    }
    return result;
}

bool DiffersOnlyInCase(const std::string& a, const std::string& b)
{
    return a != b && LowerCasePath(a) == LowerCasePath(b);
}

}  // namespace core
