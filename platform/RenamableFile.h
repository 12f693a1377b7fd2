// A file opened once for renaming: the same open tells where the path leads
// and serves every step of the rename, which under Wine costs what one
// MoveFileA does (each MoveFileA opens the file itself).
#pragma once

#include "platform/ScopedHandle.h"

#include <windows.h>

#include <string>

class RenamableFile {
public:
    // Opens the entry itself where the platform knows links; Error() tells
    // why when it could not be opened.
    explicit RenamableFile(const std::string& path);

    bool IsOpen() const { return handle_.IsOpen(); }
    DWORD Error() const { return error_; }
    HANDLE Handle() const { return handle_.Get(); }

    // Gives the file the path; never replaces a file. False with the
    // system's error code for GetLastError.
    bool MoveTo(const std::string& path);

private:
    ScopedHandle handle_;
    DWORD error_ = ERROR_SUCCESS;
};
