// An owned icon handle that dies with the object; Assign makes a real copy.
#pragma once

#include "toolkit/OwnedGdi.h"

#include <windows.h>

class TIcon {
public:
    HICON Handle() const { return handle_.get(); }  // nullptr while empty
    bool Empty() const { return handle_ == nullptr; }
    // Takes ownership of the handle; the previous picture is freed.
    void SetHandle(HICON handle);
    // Makes this icon a copy of the other one's picture.
    void Assign(const TIcon& other);
    void Clear() { SetHandle(nullptr); }
    // Loads an icon resource of the module at its own size.
    void LoadFromResource(HINSTANCE instance, LPCSTR name);

private:
    OwnedIcon handle_;
};
