#include "TempDir.h"

#include "LinuxShell.h"

#include "core/CodePage.h"

#include <algorithm>

namespace {

// Deletes folder and all below it; read-only, hidden and system entries too.
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
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
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
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
                                std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir()
{
    if (!path_.empty()) RemoveTree(path_);
    // Names the ANSI calls cannot reach (made on the Linux side) go from there.
    if (!path_.empty() && GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES)
        RunLinuxShell(path_, "cd .. && rm -rf '" + path_.substr(path_.rfind('\\') + 1) + "'");
}

std::string TempDir::Create(const std::string& relativePath) const
{
    std::string path = path_;
    size_t start = 0;
    while (start < relativePath.size()) {
        size_t end = core::CodePage::System().FindFirstBackslash(relativePath, start);
        if (end == std::string::npos) end = relativePath.size();
        path += "\\" + relativePath.substr(start, end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        start = end + 1;
    }
    return path;
}

std::string TempDir::WriteFile(const std::string& relativePath, const std::string& content, DWORD attributes) const
{
    std::string path = path_ + "\\" + relativePath;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(path.c_str(), attributes);
    return path;
}

std::vector<std::string> TempDir::Names(const std::string& folder)
{
    std::vector<std::string> names = EntriesInOrder(folder);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> TempDir::EntriesInOrder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}
