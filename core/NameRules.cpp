#include "core/NameRules.h"

#include "core/Utf8.h"

#include <algorithm>
#include <cctype>

namespace core {

namespace {

constexpr char kForbidden[] = "<>:\"/\\|?*";

bool IsDeviceName(std::string stem)
{
    // The platform reads "nul .txt" as "nul" too.
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

}  // namespace

bool HoldsWhatThePlatformAlters(const std::string& text)
{
    if (!text.empty() && (text.back() == ' ' || text.back() == '.')) return true;
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) return true;
    return text.find_first_of(kForbidden) != std::string::npos;
}

NameCheck CheckName(const std::string& name)
{
    if (name.empty() || HoldsWhatThePlatformAlters(name)) return NameCheck::Altered;
    return IsDeviceName(name.substr(0, name.find('.'))) ? NameCheck::Reserved : NameCheck::Usable;
}

std::string TemporaryName(const std::string& name, unsigned number, std::size_t maxUnits)
{
    const std::string suffix = ".~" + std::to_string(number);
    if (maxUnits <= suffix.size()) return std::string();
    const std::size_t kept = utf8::BytesWithinUtf16(name, maxUnits - suffix.size());
    return kept == 0 ? std::string() : name.substr(0, kept) + suffix;
}

}  // namespace core
