#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A unique folder under %TEMP%, removed with everything in it when the
// object dies. Names are system code page bytes (GBK here).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    bool IsValid() const { return !path_.empty(); }
    // The folder, without a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& relative) const { return path_ + "\\" + relative; }

    // Creates a file (folders on the way must exist) holding content, then
    // sets attributes when they are not FILE_ATTRIBUTE_NORMAL.
    bool AddFile(const std::string& relative, const std::string& content = std::string(),
                 DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;
    bool AddFolder(const std::string& relative) const;

    // Names (not paths) of the entries of folder, "." and ".." left out;
    // files only, folders only, or both.
    enum class Kind { Files, Folders, All };
    static std::vector<std::string> Names(const std::string& folder, Kind kind = Kind::All);
    static bool FileExists(const std::string& path);
    static bool FolderExists(const std::string& path);
    // Deletes folder and everything under it, read-only entries included.
    static bool RemoveTree(const std::string& folder);

private:
    std::string path_;
};
