// The one window procedure shape for windows bound to an object: the object
// comes in CreateWindowEx's lpCreateParams and is bound at WM_NCCREATE; every
// message then goes to its Handler, until WM_NCDESTROY unbinds it. Messages
// of a window with no object go to Fallback. Every class with this procedure
// is registered wide, so its messages carry UTF-16 text.
#pragma once

#include "toolkit/Application.h"

#include <windows.h>

inline LRESULT CALLBACK DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

template <class T, HWND T::*Handle, LRESULT (T::*Handler)(UINT, WPARAM, LPARAM), WNDPROC Fallback = DefaultWindowProc>
LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->*Handle = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return Fallback(window, message, wParam, lParam);

    LRESULT result = 0;
    // An exception must not unwind through the system's dispatch: report it here.
    try {
        result = (self->*Handler)(message, wParam, lParam);
    } catch (const std::exception& error) {
        if (Application) Application->ShowException(error);
    } catch (...) {
        if (Application) Application->ShowException(Exception("Unknown error"));
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->*Handle = nullptr;
    }
    return result;
}
