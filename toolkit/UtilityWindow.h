// A hidden window that only receives messages: a zero-size pop-up tool
// window, never shown, whose messages go to one handler of its owner object.
#pragma once

#include <windows.h>

#include <functional>

class TUtilityWindow {
public:
    using THandler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    TUtilityWindow() = default;
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    // The handler gets every message from WM_NCCREATE on, including those sent
    // while the window is being created; Handle() is valid from then on.
    void Create(THandler handler);
    void Destroy();
    HWND Handle() const { return handle_; }

private:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    THandler handler_;
};
