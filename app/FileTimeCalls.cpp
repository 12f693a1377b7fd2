#include "app/FileTimeCalls.h"

const FileTimeCalls& FileTimeCalls::Platform()
{
    static const FileTimeCalls platform = {CreateFileA, SystemTimeToFileTime, SetFileTime, CloseHandle};
    return platform;
}
