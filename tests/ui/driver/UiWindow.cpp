#include "UiWindow.h"

#include "platform/WideText.h"

#include <algorithm>
#include <tuple>

namespace {

struct TopLevelSearch {
    DWORD pid;
    bool visibleOnly;
    std::vector<UiWindow>* found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && (!search->visibleOnly || IsWindowVisible(hwnd))) search->found->push_back(UiWindow(hwnd));
    return TRUE;
}

struct ChildSearch {
    const char* className;
    std::vector<UiWindow>* found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    UiWindow window(hwnd);
    if (!search->className || lstrcmpiA(window.ClassName().c_str(), search->className) == 0)
        search->found->push_back(window);
    return TRUE;
}

bool Matches(const UiWindow& window, const char* caption, const char* className)
{
    if (className && lstrcmpiA(window.ClassName().c_str(), className) != 0) return false;
    // Top-level captions are kept by the window manager: no message needed.
    wchar_t text[512] = L"";
    GetWindowTextW(window.Handle(), text, ARRAYSIZE(text));
    return !caption || Narrow(text) == caption;
}

}  // namespace

std::vector<UiWindow> UiWindow::TopLevelWindows(DWORD pid, bool visibleOnly)
{
    std::vector<UiWindow> found;
    TopLevelSearch search{pid, visibleOnly, &found};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return found;
}

UiWindow UiWindow::FindTopLevel(DWORD pid, const char* caption, const char* className, bool visibleOnly)
{
    for (const UiWindow& window : TopLevelWindows(pid, visibleOnly))
        if (Matches(window, caption, className)) return window;
    return UiWindow();
}

UiWindow UiWindow::WaitTopLevel(DWORD pid, const char* caption, const char* className, DWORD timeoutMs,
                                bool visibleOnly)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        UiWindow window = FindTopLevel(pid, caption, className, visibleOnly);
        if (window || GetTickCount64() >= deadline) return window;
        Sleep(kPollMs);
    }
}

std::vector<UiWindow> UiWindow::Children(const char* className) const
{
    std::vector<UiWindow> found;
    ChildSearch search{className, &found};
    EnumChildWindows(hwnd_, CollectChild, reinterpret_cast<LPARAM>(&search));
    return found;
}

UiWindow UiWindow::Child(const char* className, size_t index) const
{
    std::vector<UiWindow> found = Children(className);
    return index < found.size() ? found[index] : UiWindow();
}

std::vector<UiWindow> UiWindow::ChildrenByPosition(const char* className) const
{
    std::vector<UiWindow> found = Children(className);
    std::stable_sort(found.begin(), found.end(), [](const UiWindow& a, const UiWindow& b) {
        RECT ra, rb;
        GetWindowRect(a.Handle(), &ra);
        GetWindowRect(b.Handle(), &rb);
        return std::tie(ra.left, ra.top) < std::tie(rb.left, rb.top);
    });
    return found;
}

UiWindow UiWindow::ChildAt(POINT client) const
{
    POINT screen = ClientToScreen(client);
    HWND current = hwnd_;
    for (;;) {
        POINT local = screen;
        ScreenToClient(current, &local);
        HWND next = ChildWindowFromPointEx(current, local, CWP_SKIPINVISIBLE);
        if (!next || next == current) break;
        current = next;
    }
    return current == hwnd_ ? UiWindow() : UiWindow(current);
}

std::string UiWindow::Text() const
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd_, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) ||
        static_cast<LRESULT>(length) <= 0)
        return std::string();
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
        return std::string();
    text.resize(std::min<size_t>(copied, length));
    return Narrow(text);
}

std::string UiWindow::ClassName() const
{
    wchar_t name[256] = L"";
    GetClassNameW(hwnd_, name, ARRAYSIZE(name));
    return Narrow(name);
}

SIZE UiWindow::ClientSize() const
{
    RECT rect{};
    GetClientRect(hwnd_, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

RECT UiWindow::RectIn(const UiWindow& ancestor) const
{
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(HWND_DESKTOP, ancestor.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT UiWindow::ClientToScreen(POINT client) const
{
    ::ClientToScreen(hwnd_, &client);
    return client;
}

DWORD UiWindow::ProcessId() const
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd_, &pid);
    return pid;
}

bool UiWindow::Send(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) const
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(hwnd_, msg, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer)) return false;
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

bool UiWindow::Post(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageA(hwnd_, msg, wParam, lParam) != FALSE;
}
