#include "platform/ExactName.h"

#include "platform/FindFileCalls.h"
#include "platform/WideText.h"

#include <cwchar>

namespace {

// UTF-8 holds every name and refuses both the best-fit flag and the default-character query.
bool SystemIsUtf8()
{
    return GetACP() == CP_UTF8;
}
DWORD NoBestFit()
{
    return SystemIsUtf8() ? 0 : WC_NO_BEST_FIT_CHARS;
}

}  // namespace

bool ToExactAnsi(const std::wstring& wide, std::string& ansi)
{
    ansi.clear();
    if (wide.empty()) return true;
    const int wideLength = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const bool asksDefault = !SystemIsUtf8();
    int length = WideCharToMultiByte(CP_ACP, NoBestFit(), wide.data(), wideLength, nullptr, 0, nullptr,
                                     asksDefault ? &usedDefault : nullptr);
    if (length <= 0 || usedDefault) return false;
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, NoBestFit(), wide.data(), wideLength, &bytes[0], length, nullptr,
                        asksDefault ? &usedDefault : nullptr);
    if (usedDefault || Widen(bytes) != wide) return false;
    ansi = std::move(bytes);
    return true;
}

std::string ToDisplayAnsi(const std::wstring& wide)
{
    if (wide.empty()) return std::string();
    const int wideLength = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_ACP, NoBestFit(), wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, NoBestFit(), wide.data(), wideLength, &bytes[0], length, nullptr, nullptr);
    return bytes;
}

bool IsExactEntryName(const std::wstring& name, std::string& ansi)
{
    if (!ToExactAnsi(name, ansi) || name.empty()) return false;
    if (name == L"." || name == L"..") return true;
    if (name.back() == L'.' || name.back() == L' ') return false;
    for (wchar_t c : name) {
        if (c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c)) return false;
    }
    return true;
}

DirectoryEntries::DirectoryEntries(const std::string& pattern)
    : find_(CallTable<FindFileCalls>::Current().findFirstFile(Widen(pattern).c_str(), &data_), FindClose)
{
    pending_ = find_.IsOpen();
    if (!pending_) error_ = GetLastError();
}

bool DirectoryEntries::Next()
{
    if (!find_.IsOpen()) return false;
    for (;;) {
        if (pending_) {
            pending_ = false;
        } else if (!CallTable<FindFileCalls>::Current().findNextFile(find_.Get(), &data_)) {
            const DWORD error = GetLastError();
            if (error != ERROR_NO_MORE_FILES) error_ = error;
            return false;
        }
        if (std::wcscmp(data_.cFileName, L".") == 0 || std::wcscmp(data_.cFileName, L"..") == 0) continue;
        Take();
        return true;
    }
}

void DirectoryEntries::Take()
{
    const std::wstring wide(data_.cFileName);
    exact_ = IsExactEntryName(wide, name_);
    if (!exact_) name_ = ToDisplayAnsi(wide);
}
