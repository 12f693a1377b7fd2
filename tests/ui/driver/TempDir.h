// A unique folder under the temporary directory, removed with everything in
// it when the object goes, for the win tests, the ui tests and the benchmark.
// Relative paths use backslashes; names are narrow strings as platform/WideText converts them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    bool IsValid() const { return !path_.empty(); }
    // The folder, without a trailing backslash; empty if it could not be made.
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& relativePath) const { return path_ + "\\" + relativePath; }
    // Makes a folder and the folders on the way; returns its full path, empty if it is not there.
    std::string Create(const std::string& relativePath) const;
    // Writes a file (its folder must exist), then sets attributes unless normal;
    // returns its full path, empty if any step failed.
    std::string WriteFile(const std::string& relativePath, const std::string& content = std::string(),
                          DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;

    enum class Kind { Files, Folders, All };
    // The names in folder as the file system hands them out, "." and ".." left out.
    static std::vector<std::string> EntriesInOrder(const std::string& folder, Kind kind = Kind::All);
    // The same, sorted.
    static std::vector<std::string> Names(const std::string& folder, Kind kind = Kind::All);

private:
    std::string path_;
};
