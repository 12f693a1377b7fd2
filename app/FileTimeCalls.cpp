#include "app/FileTimeCalls.h"

const FileTimeCalls& FileTimeCalls::Platform()
{
    static const FileTimeCalls platform = {CreateFileW, SystemTimeToFileTime, SetFileTime, CloseHandle};
    return platform;
}
