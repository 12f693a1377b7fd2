#include "components/TaskbarIconCalls.h"

const TaskbarIconCalls& TaskbarIconCalls::Platform()
{
    static const TaskbarIconCalls platform{Shell_NotifyIconA, GetCursorPos, GetKeyState, SetForegroundWindow,
                                           PostMessageA};
    return platform;
}
