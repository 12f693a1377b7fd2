#include "components/DiskScanCalls.h"

const DiskScanCalls& DiskScanCalls::Platform()
{
    static const DiskScanCalls platform{GetLogicalDriveStringsA, GetDriveTypeA};
    return platform;
}
