#include "platform/FileId.h"

#include "platform/FileIdCalls.h"
#include "platform/LongPath.h"
#include "platform/ScopedHandle.h"

#include <cstring>

bool ReadFileId(HANDLE file, FileId& id)
{
    const FileIdCalls& calls = CallTable<FileIdCalls>::Current();
    FileIdInformation full{};
    if (calls.getFileInformationByHandleEx(file, kFileIdInfo, &full, sizeof full)) {
        id.full = true;
        id.volume = full.volumeSerialNumber;
        std::memcpy(id.number.data(), full.fileId, id.number.size());
        return true;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!calls.getFileInformationByHandle(file, &info)) return false;
    id = FileId{};
    id.volume = info.dwVolumeSerialNumber;
    const std::uint64_t index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    std::memcpy(id.number.data(), &index, sizeof index);
    return true;
}

bool ReadFileId(const std::string& path, FileId& id)
{
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    // Backup semantics opens folders too.
    ScopedHandle file(CreateFileW(ExactWidePath(path).c_str(), FILE_READ_ATTRIBUTES, sharing, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr),
                      CloseHandle);
    return file.IsOpen() && ReadFileId(file.Get(), id);
}
