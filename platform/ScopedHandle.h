// A find or file handle closed on every way out, also when an exception
// passes. Header-only over <windows.h>, so the batch engine may use it
// without the window toolkit.
#pragma once

#include <windows.h>

class ScopedHandle {
public:
    using CloseFunction = BOOL(WINAPI*)(HANDLE handle);

    // close: FindClose for a search, CloseHandle (or a test's stand-in) for a file.
    ScopedHandle(HANDLE handle, CloseFunction close) : handle_(handle), close_(close) {}
    ~ScopedHandle()
    {
        if (IsOpen()) close_(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

private:
    HANDLE handle_;
    CloseFunction close_;
};
