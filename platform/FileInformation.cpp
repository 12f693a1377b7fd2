#include "platform/FileInformation.h"

#include "platform/LongPath.h"
#include "platform/ScopedHandle.h"

bool ReadFileInformation(const std::string& path, DWORD flags, BY_HANDLE_FILE_INFORMATION& info)
{
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    ScopedHandle file(CreateFileW(ExactWidePath(path).c_str(), FILE_READ_ATTRIBUTES, sharing, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr),
                      CloseHandle);
    return file.IsOpen() && GetFileInformationByHandle(file.Get(), &info);
}
