#include "core/NameRules.h"

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

// No byte below 0x40 is a GBK second byte: only the search for '\' and '|'
// needs the code page.
bool HoldsWhatThePlatformAlters(const std::string& text, const CodePage& codePage)
{
    if (!text.empty() && (text.back() == ' ' || text.back() == '.')) return true;
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) return true;
    return codePage.ContainsAnyOf(text, kForbidden);
}

NameCheck CheckName(const std::string& name, const CodePage& codePage)
{
    if (name.empty() || HoldsWhatThePlatformAlters(name, codePage)) return NameCheck::Altered;
    // '.' is never a GBK second byte.
    return IsDeviceName(name.substr(0, name.find('.'))) ? NameCheck::Reserved : NameCheck::Usable;
}

}  // namespace core
