#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A window of another process, seen from outside. Texts are the system code
// page's bytes (GBK here). Reads go through SendMessageTimeoutA, so a hung
// program makes a read fail instead of hanging the test.
class UiWindow {
public:
    static constexpr DWORD kPollMs = 50;
    static constexpr DWORD kSendTimeoutMs = 5000;

    UiWindow() = default;
    explicit UiWindow(HWND hwnd) : hwnd_(hwnd) {}

    // A top-level window of process pid whose caption and/or class match
    // exactly (nullptr = any); with visibleOnly, hidden windows do not count.
    static UiWindow FindTopLevel(DWORD pid, const char* caption, const char* className, bool visibleOnly = true);
    // The same, polled every kPollMs until timeoutMs has passed.
    static UiWindow WaitTopLevel(DWORD pid, const char* caption, const char* className, DWORD timeoutMs,
                                 bool visibleOnly = true);
    static std::vector<UiWindow> TopLevelWindows(DWORD pid, bool visibleOnly);

    HWND Handle() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ && IsWindow(hwnd_); }

    // Descendants of class className, in EnumChildWindows order (parents
    // before their children, siblings in Z order).
    std::vector<UiWindow> Children(const char* className) const;
    // The index-th of Children(className); null if there are fewer.
    UiWindow Child(const char* className, size_t index = 0) const;
    // Descendants of class className ordered left to right, then top to bottom.
    std::vector<UiWindow> ChildrenByPosition(const char* className) const;
    // The deepest visible descendant under a point in this window's client
    // coordinates; null if the point is on this window itself.
    UiWindow ChildAt(POINT client) const;

    std::string Text() const;  // WM_GETTEXT, works for controls of other processes
    std::string ClassName() const;
    SIZE ClientSize() const;
    // This window's outer rectangle in the client coordinates of ancestor.
    RECT RectIn(const UiWindow& ancestor) const;
    POINT ClientToScreen(POINT client) const;
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    bool IsMinimized() const { return IsIconic(hwnd_) != FALSE; }
    DWORD ProcessId() const;
    UiWindow Root() const { return UiWindow(GetAncestor(hwnd_, GA_ROOT)); }

    // SendMessageTimeoutA; false if the window did not answer in time.
    bool Send(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) const;
    bool Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
    HWND hwnd_ = nullptr;
};
