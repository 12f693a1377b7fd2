#include "platform/DirectoryEntries.h"

#include "platform/FindFileCalls.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"

#include <cwchar>

bool IsExactEntryName(std::wstring_view name, std::string& narrow)
{
    if (!NarrowExact(name, narrow) || name.empty()) return false;
    for (wchar_t c : name) {
        if (c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c)) return false;
    }
    return true;
}

DirectoryEntries::DirectoryEntries(const std::string& pattern)
    : find_(CallTable<FindFileCalls>::Current().findFirstFile(ExactWidePath(pattern).c_str(), &data_), FindClose)
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
    const std::wstring_view wide(data_.cFileName);
    exact_ = IsExactEntryName(wide, name_);
    if (!exact_) name_ = Narrow(wide);
}
