#include "app/LinkCheck.h"

#include "platform/ExactName.h"
#include "platform/ScopedHandle.h"

#include <windows.h>

namespace {

// Where a path resolves to. The link itself is opened where the platform
// knows links; where it does not, the path resolves to the link's target.
std::wstring FinalPath(const std::string& path)
{
    ScopedHandle handle(CreateFileW(ToWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                    nullptr),
                        CloseHandle);
    if (!handle.IsOpen()) return std::wstring();
    wchar_t buffer[MAX_PATH * 2];
    DWORD length = GetFinalPathNameByHandleW(handle.Get(), buffer, MAX_PATH * 2, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= MAX_PATH * 2) return std::wstring();
    std::wstring result(buffer, length);
    while (!result.empty() && result.back() == L'\\') result.pop_back();
    return result;
}

}  // namespace

bool LinkCheck::NamesItself(const std::string& folder, const std::string& name)
{
    if (folder != folder_) {
        folder_ = folder;
        folderFinalPath_ = FinalPath(folder);
    }
    std::wstring file = FinalPath(folder + name);
    if (file.empty() || folderFinalPath_.empty()) return true;
    std::wstring expected = folderFinalPath_ + L"\\" + ToWide(name);
    return CompareStringOrdinal(file.c_str(), static_cast<int>(file.size()), expected.c_str(),
                                static_cast<int>(expected.size()), TRUE) == CSTR_EQUAL;
}
