// Opens the tray menu of a running program as a right click on its icon
// would: puts the cursor by the icon's place at the right end of the tray and
// posts the right-button callback (WM_USER + 1) to the program's hidden icon
// windows. A menu already open is closed first; with "hide" the program's
// window is then minimised to the tray. Used by the tray screenshot script.
// Usage: TrayMenu CLASS [hide]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (pid == search->pid && std::strcmp(name, search->className) == 0) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD pid, const char* className)
{
    Search search{pid, className, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisibleMenu(DWORD pid)
{
    for (HWND menu : WindowsOf(pid, "#32768"))
        if (IsWindowVisible(menu)) return menu;
    return nullptr;
}

bool WaitFor(bool (*condition)(DWORD), DWORD pid, DWORD timeoutMs)
{
    const ULONGLONG start = GetTickCount64();
    while (!condition(pid)) {
        if (GetTickCount64() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: TrayMenu CLASS [hide]\n");
        return 2;
    }
    HWND main = FindWindowA(argv[1], nullptr);
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (!main || !tray) {
        std::fprintf(stderr, "no window of class %s or no tray\n", argv[1]);
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);

    if (HWND open = VisibleMenu(pid)) {
        PostMessageA(open, WM_KEYDOWN, VK_ESCAPE, 0);
        WaitFor([](DWORD id) { return VisibleMenu(id) == nullptr; }, pid, 3000);
    }
    if (argc > 2 && std::strcmp(argv[2], "hide") == 0) {
        PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        for (int i = 0; i < 150 && IsWindowVisible(main); ++i) Sleep(20);
        // Wine moves the activation away a moment after the minimise.
        Sleep(1000);
    }

    RECT place;
    GetWindowRect(tray, &place);
    // Just above the icon: resting on it would bring up its tooltip over the menu.
    POINT icon{place.right - 10, place.top - 1};
    for (int i = 0; i < 50; ++i) {
        POINT now;
        GetCursorPos(&now);
        if (now.x == icon.x && now.y == icon.y) break;
        SetCursorPos(icon.x, icon.y);
        Sleep(20);
    }
    // The menu's owner window is of the same class as the icon's; it ignores the callback.
    for (HWND window : WindowsOf(pid, "TUtilityWindow")) {
        PostMessageA(window, WM_USER + 1, 0, WM_RBUTTONDOWN);
        PostMessageA(window, WM_USER + 1, 0, WM_RBUTTONUP);
    }
    if (!WaitFor([](DWORD id) { return VisibleMenu(id) != nullptr; }, pid, 5000)) {
        std::fprintf(stderr, "no menu opened\n");
        return 1;
    }
    return 0;
}
