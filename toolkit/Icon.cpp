#include "toolkit/Icon.h"

#include "toolkit/Object.h"

TIcon::~TIcon()
{
    if (handle_) DestroyIcon(handle_);
}

void TIcon::SetHandle(HICON handle)
{
    if (handle == handle_) return;
    if (handle_) DestroyIcon(handle_);
    handle_ = handle;
}

void TIcon::Assign(const TIcon& other)
{
    if (&other == this) return;
    HICON copy = nullptr;
    if (other.handle_) {
        copy = CopyIcon(other.handle_);
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
