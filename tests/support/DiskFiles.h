// What the win and ui tests read back from disk: a tree of names, a file's
// content, its times (FileTimes.h).
#pragma once

#include "platform/WideText.h"
#include "tests/support/FileTimes.h"
#include "tests/ui/driver/TempDir.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// Every entry below root as a relative path ("Sub\\b.txt"), folders too, with
// the case the file system keeps, sorted.
inline std::vector<std::string> TreeOf(const std::string& root, const std::string& relative = std::string())
{
    const std::string folder = relative.empty() ? root : root + "\\" + relative;
    const std::string prefix = relative.empty() ? std::string() : relative + "\\";
    std::vector<std::string> paths;
    for (const std::string& name : TempDir::Names(folder, TempDir::Kind::Files)) paths.push_back(prefix + name);
    for (const std::string& name : TempDir::Names(folder, TempDir::Kind::Folders)) {
        paths.push_back(prefix + name);
        const std::vector<std::string> below = TreeOf(root, prefix + name);
        paths.insert(paths.end(), below.begin(), below.end());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// The first bytes a file holds, or "<missing>".
inline std::string ContentOf(const std::string& path)
{
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}
