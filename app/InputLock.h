// Keeps controls from taking input while a command runs, so that it does
// what was confirmed: they are greyed, and the focus moves from them to the
// window, where Esc still reaches the command. Each comes back as it was.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

class TWinControl;

class InputLock {
public:
    InputLock(TWinControl& window, std::initializer_list<TWinControl*> controls);
    ~InputLock();
    InputLock(const InputLock&) = delete;
    InputLock& operator=(const InputLock&) = delete;

private:
    std::vector<TWinControl*> controls_;  // not owned
    std::vector<bool> enabled_;
    HWND window_ = nullptr;
    HWND focus_ = nullptr;  // where the focus was, if on one of the window's controls
};
