#include "components/TaskbarIconCalls.h"

const TaskbarIconCalls& TaskbarIconCalls::Platform()
{
    static const TaskbarIconCalls platform{Shell_NotifyIconW, GetCursorPos, GetKeyState, SetForegroundWindow,
                                           PostMessageW};
    return platform;
}
