#include "components/TaskbarIconCalls.h"

namespace {

const TaskbarIconCalls* installed = nullptr;

}  // namespace

const TaskbarIconCalls& TaskbarIconCalls::Platform()
{
    static const TaskbarIconCalls platform{Shell_NotifyIconA, GetCursorPos, GetKeyState, SetForegroundWindow,
                                           PostMessageA};
    return platform;
}

const TaskbarIconCalls& TaskbarIconCalls::Current()
{
    return installed ? *installed : Platform();
}

void TaskbarIconCalls::Install(const TaskbarIconCalls* calls)
{
    installed = calls;
}
