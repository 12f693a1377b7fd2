#pragma once
#include "UiWindow.h"

// A standard control of another process, read through its own messages.
class UiControl {
public:
    explicit UiControl(UiWindow window) : window_(window) {}

    const UiWindow& Window() const { return window_; }

protected:
    // The answer, or -1 (LB_ERR, CB_ERR) when the control does not answer in time.
    LRESULT Ask(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        LRESULT result = -1;
        return window_.Send(msg, wParam, lParam, &result) ? result : -1;
    }

    UiWindow window_;
};
