#include "TempDir.h"

#include "LinuxShell.h"

namespace {

bool IsDots(const char* name)
{
    return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0;
}

}  // namespace

TempDir::TempDir()
{
    char temp[MAX_PATH] = "";
    DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return;
    std::string base(temp, length);
    if (base.back() != '\\')
        base += '\\';
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = base + "brisel-ui-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(GetTickCount64()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir()
{
    if (IsValid())
        RemoveTree(path_);
    // Names the ANSI calls cannot reach (made on the Linux side) go from there.
    if (!path_.empty() && GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES)
        RunLinuxShell(path_, "cd .. && rm -rf '" + path_.substr(path_.rfind('\\') + 1) + "'");
}

bool TempDir::AddFile(const std::string& relative, const std::string& content,
                      DWORD attributes) const
{
    std::string path = PathOf(relative);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = content.empty() ||
              (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                         nullptr) &&
               written == content.size());
    CloseHandle(file);
    if (ok && attributes != FILE_ATTRIBUTE_NORMAL)
        ok = SetFileAttributesA(path.c_str(), attributes) != FALSE;
    return ok;
}

bool TempDir::AddFolder(const std::string& relative) const
{
    return CreateDirectoryA(PathOf(relative).c_str(), nullptr) != FALSE;
}

std::vector<std::string> TempDir::Names(const std::string& folder, Kind kind)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (IsDots(data.cFileName))
            continue;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (kind == Kind::All || (kind == Kind::Folders) == isFolder)
            names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

bool TempDir::FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TempDir::FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TempDir::RemoveTree(const std::string& folder)
{
    bool ok = true;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (IsDots(data.cFileName))
                continue;
            std::string path = folder + "\\" + data.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                ok = RemoveTree(path) && ok;
            else
                ok = DeleteFileA(path.c_str()) && ok;
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return RemoveDirectoryA(folder.c_str()) && ok;
}
