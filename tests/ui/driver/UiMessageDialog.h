#pragma once
#include "UiWindow.h"

#include <string>
#include <vector>

// A message dialog of another process: its message, its buttons, and
// pressing one of them. The system's dialogs are of class "#32770" with
// "Button" and "Static" children; a toolkit's own dialog names its classes.
class UiMessageDialog {
public:
    static const char kSystemClass[];
    static const char kSystemButtonClass[];

    UiMessageDialog() = default;
    explicit UiMessageDialog(UiWindow window, const char* buttonClass = kSystemButtonClass)
        : window_(window), buttonClass_(buttonClass)
    {
    }

    // The visible dialog of process pid with this caption and class, polled
    // until timeoutMs.
    static UiMessageDialog Wait(DWORD pid, const char* caption, DWORD timeoutMs, const char* dialogClass = kSystemClass,
                                const char* buttonClass = kSystemButtonClass);

    explicit operator bool() const { return static_cast<bool>(window_); }
    const UiWindow& Window() const { return window_; }
    std::string Caption() const { return window_.Text(); }
    // The texts of the static controls that are not icons, joined by '\n'
    // (empty when the dialog paints its message itself).
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
    std::vector<UiWindow> Buttons() const;

    UiWindow window_;
    const char* buttonClass_ = kSystemButtonClass;
};
