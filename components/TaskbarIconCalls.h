// The platform calls of the tray icon component, as a table, so that tests
// can observe what the component asks of the shell.
#pragma once

#include "platform/CallTable.h"

#include <windows.h>
#include <shellapi.h>

struct TaskbarIconCalls {
    BOOL(WINAPI* shellNotifyIcon)(DWORD message, PNOTIFYICONDATAW data);
    BOOL(WINAPI* getCursorPos)(LPPOINT point);
    SHORT(WINAPI* getKeyState)(int virtualKey);
    BOOL(WINAPI* setForegroundWindow)(HWND window);
    BOOL(WINAPI* postMessage)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The real calls; CallTable<TaskbarIconCalls>::Current() gives the table in use.
    static const TaskbarIconCalls& Platform();
};
