#include "browser/WorkingDirectory.h"

#include "core/DirectoryPath.h"
#include "platform/WideText.h"

#include <windows.h>

std::string ReadStartDirectory()
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return std::string();
    std::wstring working(size, L'\0');
    const DWORD length = GetCurrentDirectoryW(size, &working[0]);
    if (length == 0 || length >= size) return std::string();
    working.resize(length);
    std::string directory;
    if (!NarrowExact(working, directory)) return std::string();
    return core::DirectoryForm(directory);
}
