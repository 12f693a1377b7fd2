// What the batch tests share: the extension text as the window hands it
// out, a log of the progress calls, a file's times and name.
#pragma once

#include "app/BatchProgress.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"
#include "tests/support/DiskFiles.h"
#include "tests/ui/driver/TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The same text at every read.
inline std::function<std::string()> Text(const std::string& text)
{
    return [text] { return text; };
}

// Records the progress calls; onAdvance runs inside advance(i).
struct ProgressLog {
    std::vector<std::string> calls;
    std::function<void(int)> onAdvance;

    BatchProgress Callbacks()
    {
        return BatchProgress{[this](int max) { calls.push_back("start " + std::to_string(max)); },
                             [this](int position) {
                                 calls.push_back("advance " + std::to_string(position));
                                 if (onAdvance) onAdvance(position);
                             }};
    }
};

// A file with times far from the ones the tests set.
inline std::string OldFile(const TempDir& temp, const std::string& name, const std::string& content = "x")
{
    std::string path = temp.WriteFile(name, content);
    ScopedHandle file(
        CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
        CloseHandle);
    SYSTEMTIME fields = {2001, 2, 0, 3, 4, 5, 6, 0};
    FILETIME time;
    SystemTimeToFileTime(&fields, &time);
    SetFileTime(file.Get(), &time, &time, &time);
    return path;
}

// The name the file system keeps for path ("" when nothing is there).
inline std::string NameOnDisk(const std::string& path)
{
    WIN32_FIND_DATAW data;
    ScopedHandle find(FindFirstFileW(Widen(path).c_str(), &data), FindClose);
    return find.IsOpen() ? Narrow(data.cFileName) : std::string();
}
