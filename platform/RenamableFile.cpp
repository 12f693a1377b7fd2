#include "platform/WideText.h"
#include "platform/RenamableFile.h"

#include "platform/LongPath.h"
#include "platform/RenameCalls.h"

#include <cstring>
#include <vector>

RenamableFile::RenamableFile(const std::string& path)
    : handle_(CreateFileW(ExactWidePath(path).c_str(), DELETE | SYNCHRONIZE | FILE_READ_ATTRIBUTES,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OPEN_REPARSE_POINT, nullptr),
              CloseHandle)
{
    if (!handle_.IsOpen()) error_ = GetLastError();
}

bool RenamableFile::MoveTo(const std::string& path)
{
    // The rename takes the system's own form of the path, \??\C:\... or
    // \??\UNC\server\...: the long form with another prefix, canonical alike.
    std::wstring name = ExactWidePath(path);
    if (name.compare(0, 4, L"\\\\?\\") == 0) name.replace(0, 4, L"\\??\\");
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    std::memcpy(info->FileName, name.data(), info->FileNameLength);
    return CallTable<RenameCalls>::Current().setFileInformationByHandle(handle_.Get(), FileRenameInfo, info,
                                                                        static_cast<DWORD>(buffer.size())) != FALSE;
}
