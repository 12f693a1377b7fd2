#include "platform/FileIdCalls.h"

const FileIdCalls& FileIdCalls::Platform()
{
    static const FileIdCalls platform = {GetFileInformationByHandleEx, GetFileInformationByHandle};
    return platform;
}
