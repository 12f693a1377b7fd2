#include "components/DiskScanCalls.h"

const DiskScanCalls& DiskScanCalls::Platform()
{
    static const DiskScanCalls platform{GetLogicalDriveStringsW, GetDriveTypeW};
    return platform;
}
