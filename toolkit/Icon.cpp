#include "toolkit/Icon.h"

#include "platform/WideText.h"
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
    // A numbered resource (MAKEINTRESOURCE) is the same value in both forms.
    const std::wstring wideName = IS_INTRESOURCE(name) ? std::wstring() : Widen(name);
    LPCWSTR resource = IS_INTRESOURCE(name) ? reinterpret_cast<LPCWSTR>(name) : wideName.c_str();
    HANDLE loaded = LoadImageW(instance, resource, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR);
    if (!loaded) throw Exception("Cannot load icon");
    SetHandle(static_cast<HICON>(loaded));
}
