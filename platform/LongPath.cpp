#include "platform/WideText.h"
#include "platform/LongPath.h"

#include "platform/ExactName.h"

std::wstring ExactWidePath(const std::string& path)
{
    const std::wstring wide = Widen(path);
    if (wide.compare(0, 4, L"\\\\?\\") == 0 || wide.find(L'/') != std::wstring::npos) return wide;
    std::wstring result;
    std::size_t rest = 0;
    if (wide.size() > 2 && wide.compare(0, 2, L"\\\\") == 0) {
        result = L"\\\\?\\UNC\\";
        rest = 2;
    } else if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') {
        result = L"\\\\?\\" + wide.substr(0, 3);
        rest = 3;
    } else {
        return wide;
    }
    // Component by component, leaving out the empty ones.
    for (std::size_t start = rest; start <= wide.size();) {
        std::size_t end = wide.find(L'\\', start);
        if (end == std::wstring::npos) end = wide.size();
        const std::wstring component = wide.substr(start, end - start);
        if (component == L"." || component == L"..") return wide;
        if (!component.empty()) {
            if (result.back() != L'\\') result += L'\\';
            result += component;
        }
        start = end + 1;
    }
    // A folder keeps its trailing separator.
    if (wide.back() == L'\\' && result.back() != L'\\') result += L'\\';
    return result;
}
