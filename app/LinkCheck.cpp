#include "app/LinkCheck.h"

#include "app/LinkCheckCalls.h"
#include "platform/FileId.h"
#include "platform/LongPath.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include <windows.h>

#include <algorithm>

namespace {

// Where an open entry resolves to. Opened as the link itself where the
// platform knows links; where it does not, as the link's target.
std::wstring FinalPath(HANDLE handle, std::size_t expected = MAX_PATH)
{
    // Sized for the path expected, most paths fit the first try; a longer one
    // is asked again with the size the call gives.
    std::wstring result(std::max<std::size_t>(expected + 1, MAX_PATH), L'\0');
    DWORD length = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        length = CallTable<LinkCheckCalls>::Current().getFinalPathNameByHandle(
            handle, &result[0], static_cast<DWORD>(result.size()), FILE_NAME_NORMALIZED);
        if (length < result.size() || length > kMaxPathUnits) break;
        result.resize(length);
    }
    if (length == 0 || length >= result.size()) return std::wstring();
    result.resize(length);
    while (!result.empty() && result.back() == L'\\') result.pop_back();
    return result;
}

// Where a folder resolves to, through every link on its path including its
// own: a file reached through a directory link resolves through it as well.
std::wstring FinalPath(const std::string& path)
{
    const LinkCheckCalls& calls = CallTable<LinkCheckCalls>::Current();
    ScopedHandle handle(calls.createFile(ExactWidePath(path).c_str(), 0,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr),
                        calls.closeHandle);
    return handle.IsOpen() ? FinalPath(handle.Get()) : std::wstring();
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring WithoutTrailingSpacesAndDots(std::wstring path)
{
    while (!path.empty() && (path.back() == L' ' || path.back() == L'.')) path.pop_back();
    return path;
}

// Whether path leads to the file open as file. A path that leads nowhere
// does not; one that cannot be told is taken to, so that nothing is renamed.
bool LeadsTo(const std::wstring& path, HANDLE file)
{
    const LinkCheckCalls& calls = CallTable<LinkCheckCalls>::Current();
    ScopedHandle other(calls.createFile(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr),
                       calls.closeHandle);
    if (!other.IsOpen()) return GetLastError() != ERROR_FILE_NOT_FOUND;
    FileId a, b;
    if (!ReadFileId(file, a) || !ReadFileId(other.Get(), b)) return true;
    return a == b;
}

}  // namespace

bool LinkCheck::NamesItself(const std::string& folder, const std::string& name, HANDLE file)
{
    if (folder != folder_) {
        folder_ = folder;
        folderFinalPath_ = FinalPath(folder);
    }
    if (folderFinalPath_.empty()) return true;
    const std::wstring expected = folderFinalPath_ + L"\\" + Widen(name);
    const std::wstring final = FinalPath(file, expected.size());
    if (final.empty() || SamePath(final, expected)) return true;
    // Wine gives a name that ends in spaces or dots without them: such a
    // file is itself, unless the name without them is a link's target.
    const std::wstring trimmed = WithoutTrailingSpacesAndDots(expected);
    return trimmed.size() != expected.size() && SamePath(final, trimmed) && !LeadsTo(trimmed, file);
}
