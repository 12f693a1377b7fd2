#include "platform/RenameCalls.h"

const RenameCalls& RenameCalls::Platform()
{
    static const RenameCalls platform = {SetFileInformationByHandle};
    return platform;
}
