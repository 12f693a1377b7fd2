#include "app/FileTimeCalls.h"

namespace {

const FileTimeCalls* installed = nullptr;

}  // namespace

const FileTimeCalls& FileTimeCalls::Platform()
{
    static const FileTimeCalls platform = {CreateFileA, SystemTimeToFileTime, SetFileTime, CloseHandle};
    return platform;
}

const FileTimeCalls& FileTimeCalls::Current()
{
    return installed ? *installed : Platform();
}

void FileTimeCalls::Install(const FileTimeCalls* calls)
{
    installed = calls;
}
