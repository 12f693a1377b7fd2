#include "components/DiskScanCalls.h"

namespace {

const DiskScanCalls* installed = nullptr;

}  // namespace

const DiskScanCalls& DiskScanCalls::Platform()
{
    static const DiskScanCalls platform{GetLogicalDriveStringsA, GetDriveTypeA};
    return platform;
}

const DiskScanCalls& DiskScanCalls::Current()
{
    return installed ? *installed : Platform();
}

void DiskScanCalls::Install(const DiskScanCalls* calls)
{
    installed = calls;
}
