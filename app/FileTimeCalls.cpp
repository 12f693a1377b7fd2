#include "app/FileTimeCalls.h"

const FileTimeCalls& FileTimeCalls::Platform()
{
    static const FileTimeCalls platform = {CreateFileW,
                                           GetFileInformationByHandle,
                                           GetTimeZoneInformationForYear,
                                           TzSpecificLocalTimeToSystemTime,
                                           SystemTimeToTzSpecificLocalTime,
                                           SystemTimeToFileTime,
                                           SetFileTime,
                                           CloseHandle};
    return platform;
}
