#include "toolkit/UtilityWindow.h"

#include "toolkit/BoundWindowProc.h"

namespace {

const wchar_t* const utilityClassName = L"TUtilityWindow";

}  // namespace

TUtilityWindow::~TUtilityWindow()
{
    Destroy();
}

void TUtilityWindow::Create(THandler handler)
{
    if (handle_) return;
    handler_ = std::move(handler);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{sizeof cls};
    if (!GetClassInfoExW(instance, utilityClassName, &cls)) {
        cls = WNDCLASSEXW{sizeof cls};
        cls.lpfnWndProc = BoundWindowProc<TUtilityWindow, &TUtilityWindow::handle_, &TUtilityWindow::Dispatch>;
        cls.hInstance = instance;
        cls.lpszClassName = utilityClassName;
        RegisterClassExW(&cls);
    }
    CreateWindowExW(WS_EX_TOOLWINDOW, utilityClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!handle_) throw Exception("Cannot create window TUtilityWindow");
}

LRESULT TUtilityWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!handler_) return DefWindowProcW(handle_, message, wParam, lParam);
    return handler_(message, wParam, lParam);
}

void TUtilityWindow::Destroy()
{
    if (handle_) DestroyWindow(handle_);
    handle_ = nullptr;
}
