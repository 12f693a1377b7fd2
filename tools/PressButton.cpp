// Presses a button of a visible top-level window by its text, with a posted
// BM_CLICK. Used by the screenshot script to answer dialogs.
// Usage: PressButton CLASS TEXT   (TEXT as written, or without its '&': "是[Y]")
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    const char* windowClass;
    std::string text;
    HWND found = nullptr;
};

std::string WithoutAmpersands(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c != '&') out += c;
    }
    return out;
}

BOOL CALLBACK CheckChild(HWND child, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    if (IsWindowVisible(child) && (search->text == text || search->text == WithoutAmpersands(text))) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && lstrcmpA(name, search->windowClass) == 0)
        EnumChildWindows(window, CheckChild, param);
    return search->found ? FALSE : TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: PressButton CLASS TEXT\n");
        return 2;
    }
    Search search{argv[1], argv[2]};
    EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "no button \"%s\" in a visible window of class %s\n", argv[2], argv[1]);
        return 1;
    }
    PostMessageA(search.found, BM_CLICK, 0, 0);
    return 0;
}
