#include "toolkit/Icon.h"

#include "toolkit/Object.h"

void TIcon::SetHandle(HICON handle)
{
    if (handle != handle_.get()) handle_.reset(handle);
}

void TIcon::Assign(const TIcon& other)
{
    if (&other == this) return;
    HICON copy = nullptr;
    if (other.handle_) {
        copy = CopyIcon(other.handle_.get());
        if (!copy) throw Exception("Cannot copy icon");
    }
    SetHandle(copy);
}

void TIcon::LoadFromResource(HINSTANCE instance, LPCSTR name)
{
    HANDLE loaded = LoadImageA(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR);
    if (!loaded) throw Exception("Cannot load icon");
    SetHandle(static_cast<HICON>(loaded));
}
