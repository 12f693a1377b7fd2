// Posts a left (or right) click to whatever window of a program lies at a
// point of its main window's client area. Used by the screenshot script to
// open dialogs and menus. Usage: PostClick CLASS X Y [right]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: PostClick CLASS X Y\n");
        return 2;
    }
    HWND window = FindWindowA(argv[1], nullptr);
    if (!window) {
        std::fprintf(stderr, "no window of class %s\n", argv[1]);
        return 1;
    }
    POINT point{std::atoi(argv[2]), std::atoi(argv[3])};
    // Walk down to the innermost child under the point.
    for (;;) {
        HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE);
        if (!child || child == window) break;
        MapWindowPoints(window, child, &point, 1);
        window = child;
    }
    LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    if (argc > 4 && std::strcmp(argv[4], "right") == 0) {
        PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
        PostMessageA(window, WM_RBUTTONUP, 0, at);
    } else {
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(window, WM_LBUTTONUP, 0, at);
    }
    return 0;
}
