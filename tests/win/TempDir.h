// A unique folder under the temporary directory, removed with everything in
// it when the object goes. Relative paths use backslashes; names are GBK bytes.
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

    // The folder, without a trailing backslash; empty if it could not be made.
    const std::string& Path() const { return path_; }
    // Makes a folder and the folders on the way; returns its full path.
    std::string Create(const std::string& relativePath) const;
    // Writes a file (its folder must exist), then sets attributes unless normal; returns its full path.
    std::string WriteFile(const std::string& relativePath, const std::string& content = std::string(),
                          DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;

    // The names in folder as the file system hands them out, "." and ".." left out.
    static std::vector<std::string> EntriesInOrder(const std::string& folder);
    // The same, sorted.
    static std::vector<std::string> Names(const std::string& folder);

private:
    std::string path_;
};
