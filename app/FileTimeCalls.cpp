#include "app/FileTimeCalls.h"

const FileTimeCalls& FileTimeCalls::Platform()
{
    static const FileTimeCalls platform = {CreateFileW,
                                           GetFileInformationByHandle,
                                           TzSpecificLocalTimeToSystemTime,
                                           SystemTimeToTzSpecificLocalTime,
                                           SystemTimeToFileTime,
                                           SetFileTime,
                                           CloseHandle};
    return platform;
}
