#include "TempDir.h"

#include "LinuxShell.h"
#include "platform/WideText.h"

#include <algorithm>
#include <functional>

namespace {

// Calls visit with the name and attributes of every entry of folder but "." and "..".
void ForEachEntry(const std::string& folder, const std::function<void(const std::string&, DWORD)>& visit)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(Widen(folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (lstrcmpW(entry.cFileName, L".") != 0 && lstrcmpW(entry.cFileName, L"..") != 0)
            visit(Narrow(entry.cFileName), entry.dwFileAttributes);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// Deletes folder and all below it; read-only, hidden and system entries too.
void RemoveTree(const std::string& folder)
{
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        const std::string path = folder + "\\" + name;
        const std::wstring wide = Widen(path);
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
        // A link goes by itself: walking through it would empty its target, or loop.
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            if (!RemoveDirectoryW(wide.c_str())) DeleteFileW(wide.c_str());
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else {
            DeleteFileW(wide.c_str());
        }
    });
    SetFileAttributesW(Widen(folder).c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(Widen(folder).c_str());
}

}  // namespace

TempDir::TempDir()
{
    wchar_t base[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(ARRAYSIZE(base), base);
    if (length == 0 || length >= ARRAYSIZE(base)) return;
    std::string root = Narrow(std::wstring_view(base, length));
    if (root.back() != '\\') root += '\\';
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = root + "brisel-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(GetTickCount64()) + "-" + std::to_string(++counter);
        if (CreateDirectoryW(Widen(candidate).c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir()
{
    if (path_.empty()) return;
    RemoveTree(path_);
    // Names UTF-16 cannot carry (made on the Linux side) go from there.
    if (GetFileAttributesW(Widen(path_).c_str()) != INVALID_FILE_ATTRIBUTES)
        RunLinuxShell(path_, "cd .. && rm -rf '" + path_.substr(path_.rfind('\\') + 1) + "'");
}

std::string TempDir::Create(const std::string& relativePath) const
{
    // In UTF-16 no backslash hides inside a double-byte character.
    const std::wstring path = Widen(PathOf(relativePath));
    for (size_t end = path.find(L'\\', Widen(path_).size() + 1);; end = path.find(L'\\', end + 1)) {
        CreateDirectoryW(path.substr(0, end).c_str(), nullptr);
        if (end == std::wstring::npos) break;
    }
    DWORD attributes = GetFileAttributesW(path.c_str());
    bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return made ? PathOf(relativePath) : std::string();
}

std::string TempDir::WriteFile(const std::string& relativePath, const std::string& content, DWORD attributes) const
{
    std::string path = PathOf(relativePath);
    HANDLE file =
        CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    DWORD written = 0;
    bool ok =
        content.empty() || (::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                            written == content.size());
    CloseHandle(file);
    if (ok && attributes != FILE_ATTRIBUTE_NORMAL) ok = SetFileAttributesW(Widen(path).c_str(), attributes) != FALSE;
    return ok ? path : std::string();
}

std::vector<std::string> TempDir::EntriesInOrder(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (kind == Kind::All || (kind == Kind::Folders) == isFolder) names.push_back(name);
    });
    return names;
}

std::vector<std::string> TempDir::Names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names = EntriesInOrder(folder, kind);
    std::sort(names.begin(), names.end());
    return names;
}
