#include "toolkit/UtilityWindow.h"

#include "toolkit/BoundWindowProc.h"

namespace {

const char* const utilityClassName = "TUtilityWindow";

}  // namespace

TUtilityWindow::~TUtilityWindow()
{
    Destroy();
}

void TUtilityWindow::Create(THandler handler)
{
    if (handle_) return;
    handler_ = std::move(handler);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA cls{sizeof cls};
    if (!GetClassInfoExA(instance, utilityClassName, &cls)) {
        cls = WNDCLASSEXA{sizeof cls};
        cls.lpfnWndProc = BoundWindowProc<TUtilityWindow, &TUtilityWindow::handle_, &TUtilityWindow::Dispatch>;
        cls.hInstance = instance;
        cls.lpszClassName = utilityClassName;
        RegisterClassExA(&cls);
    }
    CreateWindowExA(WS_EX_TOOLWINDOW, utilityClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!handle_) throw Exception("Cannot create window " + std::string(utilityClassName));
}

LRESULT TUtilityWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!handler_) return DefWindowProcA(handle_, message, wParam, lParam);
    return handler_(message, wParam, lParam);
}

void TUtilityWindow::Destroy()
{
    if (handle_) DestroyWindow(handle_);
    handle_ = nullptr;
}
