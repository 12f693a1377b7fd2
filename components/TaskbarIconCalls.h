// The platform calls of the tray icon component, as a table, so that tests
// can observe what the component asks of the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

struct TaskbarIconCalls {
    BOOL(WINAPI* shellNotifyIcon)(DWORD message, PNOTIFYICONDATAA data);
    BOOL(WINAPI* getCursorPos)(LPPOINT point);
    SHORT(WINAPI* getKeyState)(int virtualKey);
    BOOL(WINAPI* setForegroundWindow)(HWND window);
    BOOL(WINAPI* postMessage)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The real calls.
    static const TaskbarIconCalls& Platform();
    // The table in use: the real calls unless a test has installed its own.
    static const TaskbarIconCalls& Current();
    // nullptr goes back to the real calls. The table must outlive its use.
    static void Install(const TaskbarIconCalls* calls);
};
