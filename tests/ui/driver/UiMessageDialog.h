#pragma once
#include "UiWindow.h"

#include <string>
#include <vector>

// A message dialog (window class "#32770") of another process: its message,
// its buttons, and pressing one of them.
class UiMessageDialog {
public:
    UiMessageDialog() = default;
    explicit UiMessageDialog(UiWindow window) : window_(window) {}

    // The visible dialog of process pid captioned caption, polled until timeoutMs.
    static UiMessageDialog Wait(DWORD pid, const char* caption, DWORD timeoutMs);

    explicit operator bool() const { return static_cast<bool>(window_); }
    const UiWindow& Window() const { return window_; }
    std::string Caption() const { return window_.Text(); }
    // The texts of the static controls that are not icons, joined by '\n'.
    std::string Message() const;
    // Whether one of the static controls shows an icon.
    bool HasIcon() const;
    // Window texts of the buttons, left to right ("是(&Y)", ...).
    std::vector<std::string> ButtonTexts() const;
    // The button whose text is text, compared as written or with the
    // access-key ampersands removed ("是(Y)" finds "是(&Y)").
    UiWindow FindButton(const std::string& text) const;
    // Real click at the button's centre, then waits until the dialog is gone.
    bool Press(const std::string& text, DWORD timeoutMs = 5000) const;
    // BM_CLICK instead of a real click, for when the mouse cannot reach it.
    bool PressByMessage(const std::string& text, DWORD timeoutMs = 5000) const;
    bool WaitClosed(DWORD timeoutMs) const;

private:
    UiWindow window_;
};
