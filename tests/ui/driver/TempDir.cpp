#include "TempDir.h"

#include "LinuxShell.h"

#include <algorithm>
#include <functional>

namespace {

// Calls visit for every entry of folder but "." and "..".
void ForEachEntry(const std::string& folder, const std::function<void(const WIN32_FIND_DATAA&)>& visit)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (lstrcmpA(entry.cFileName, ".") != 0 && lstrcmpA(entry.cFileName, "..") != 0) visit(entry);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

// Deletes folder and all below it; read-only, hidden and system entries too.
void RemoveTree(const std::string& folder)
{
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        std::string path = folder + "\\" + entry.cFileName;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        // A link goes by itself: walking through it would empty its target, or loop.
        const DWORD attributes = entry.dwFileAttributes;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            if (!RemoveDirectoryA(path.c_str())) DeleteFileA(path.c_str());
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else {
            DeleteFileA(path.c_str());
        }
    });
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempDir::TempDir()
{
    char base[MAX_PATH] = {};
    DWORD length = GetTempPathA(sizeof base, base);
    if (length == 0 || length >= sizeof base) return;
    std::string root(base, length);
    if (root.back() != '\\') root += '\\';
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = root + "brisel-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(GetTickCount64()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir()
{
    if (path_.empty()) return;
    RemoveTree(path_);
    // Names the ANSI calls cannot reach (made on the Linux side) go from there.
    if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES)
        RunLinuxShell(path_, "cd .. && rm -rf '" + path_.substr(path_.rfind('\\') + 1) + "'");
}

std::string TempDir::Create(const std::string& relativePath) const
{
    // CharNextA steps over double-byte characters, whose second byte may be a backslash.
    const char* name = relativePath.c_str();
    for (const char* c = name;; c = CharNextA(c)) {
        if (*c == '\\' || *c == '\0') CreateDirectoryA(PathOf(std::string(name, c)).c_str(), nullptr);
        if (*c == '\0') break;
    }
    std::string path = PathOf(relativePath);
    DWORD attributes = GetFileAttributesA(path.c_str());
    bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return made ? path : std::string();
}

std::string TempDir::WriteFile(const std::string& relativePath, const std::string& content, DWORD attributes) const
{
    std::string path = PathOf(relativePath);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    DWORD written = 0;
    bool ok =
        content.empty() || (::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                            written == content.size());
    CloseHandle(file);
    if (ok && attributes != FILE_ATTRIBUTE_NORMAL) ok = SetFileAttributesA(path.c_str(), attributes) != FALSE;
    return ok ? path : std::string();
}

std::vector<std::string> TempDir::EntriesInOrder(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (kind == Kind::All || (kind == Kind::Folders) == isFolder) names.push_back(entry.cFileName);
    });
    return names;
}

std::vector<std::string> TempDir::Names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names = EntriesInOrder(folder, kind);
    std::sort(names.begin(), names.end());
    return names;
}
