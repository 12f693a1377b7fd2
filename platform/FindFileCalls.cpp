#include "platform/FindFileCalls.h"

const FindFileCalls& FindFileCalls::Platform()
{
    static const FindFileCalls platform = {FindFirstFileW, FindNextFileW};
    return platform;
}
