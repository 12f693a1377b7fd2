#include "toolkit/UtilityWindow.h"

#include "toolkit/Application.h"

namespace {

const char* const utilityClassName = "TUtilityWindow";

}  // namespace

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<TUtilityWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->handle_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self || !self->handler_) return DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    // An exception must not unwind through the system's dispatch: report it here.
    try {
        result = self->handler_(message, wParam, lParam);
    } catch (const std::exception& error) {
        if (Application) Application->ShowException(error);
    } catch (...) {
        if (Application) Application->ShowException(Exception("Unknown error"));
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

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
        cls.lpfnWndProc = UtilityWindowProc;
        cls.hInstance = instance;
        cls.lpszClassName = utilityClassName;
        RegisterClassExA(&cls);
    }
    CreateWindowExA(WS_EX_TOOLWINDOW, utilityClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                    this);
    if (!handle_) throw Exception("Cannot create window " + std::string(utilityClassName));
}

void TUtilityWindow::Destroy()
{
    if (handle_) DestroyWindow(handle_);
    handle_ = nullptr;
}
