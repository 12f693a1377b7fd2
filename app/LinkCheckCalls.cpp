#include "app/LinkCheckCalls.h"

const LinkCheckCalls& LinkCheckCalls::Platform()
{
    static const LinkCheckCalls platform = {CreateFileW, GetFinalPathNameByHandleW, CloseHandle};
    return platform;
}
