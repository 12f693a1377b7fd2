#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"

TForm::TForm(TComponent* owner, std::string className) : TWinControl(owner), className_(std::move(className))
{
    visible_ = false;
    if (Application) Application->FormCreated(this);
}

TForm::~TForm()
{
    if (Application) Application->FormDestroyed(this);
    DestroyHandle();
}

void TForm::CreateParams(TCreateParams& params)
{
    params.className = className_;
    params.background = nullptr;
    params.icon = icon_;
    params.parentWindow = Application ? Application->Handle() : nullptr;  // owner
    switch (borderStyle_) {
    case TBorderStyle::Dialog:
        params.style = WS_POPUP | WS_CAPTION | WS_DLGFRAME;
        params.exStyle = WS_EX_DLGMODALFRAME;
        break;
    case TBorderStyle::Single: params.style = WS_OVERLAPPED | WS_CAPTION | WS_BORDER; break;
    default: params.style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    }
    if (borderIcons_ & biSystemMenu) params.style |= WS_SYSMENU;
    if (borderStyle_ != TBorderStyle::Dialog) {
        if (borderIcons_ & biMinimize) params.style |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize) params.style |= WS_MAXIMIZEBOX;
    }
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
}

void TForm::SetDesignClientSize(int width, int height)
{
    TCreateParams params;
    CreateParams(params);
    RECT rect{0, 0, Scale(width), Scale(height)};
    AdjustWindowRectEx(&rect, params.style, FALSE, params.exStyle);
    SetBounds(left_, top_, rect.right - rect.left, rect.bottom - rect.top);
}

void TForm::SetIcon(HICON icon)
{
    icon_ = icon;
    if (handle_) {
        SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

void TForm::FinishCreation()
{
    Handle();
    if (icon_) SetIcon(icon_);
    Realign();
    // Every setting is in place: the components may act on them now.
    for (TComponent* component : Components()) component->Loaded();
}

void TForm::CenterOnScreen()
{
    int x = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
    SetBounds(x < 0 ? 0 : x, y < 0 ? 0 : y, width_, height_);
}

void TForm::Show()
{
    Handle();
    if (!shownOnce_ && position_ == TPosition::ScreenCenter) CenterOnScreen();
    shownOnce_ = true;
    visible_ = true;
    ShowWindow(handle_, SW_SHOW);
    SetForegroundWindow(handle_);
    RestoreFocus();
}

void TForm::Hide()
{
    visible_ = false;
    if (handle_) ShowWindow(handle_, SW_HIDE);
}

void TForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    Hide();
}

TModalResult TForm::ShowModal()
{
    HWND previous = GetActiveWindow();
    // Every other window of the program waits while this one is open.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) {
        if (window != handle_) EnableWindow(window, FALSE);
    }
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    MSG msg;
    while (modalResult_ == mrNone) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            break;
        }
        Application->HandleMessage(msg);
    }
    for (HWND window : disabled) {
        if (window != handle_ && IsWindow(window)) EnableWindow(window, TRUE);
    }
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    Hide();
    modal_ = false;
    return modalResult_;
}

void TForm::SaveFocus()
{
    HWND focus = GetFocus();
    if (focus && handle_ && IsChild(handle_, focus)) lastFocus_ = focus;
}

void TForm::RestoreFocus()
{
    if (!handle_ || !IsWindowVisible(handle_)) return;
    HWND target = (lastFocus_ && IsWindow(lastFocus_) && IsChild(handle_, lastFocus_)) ? lastFocus_ : nullptr;
    if (!target || !IsWindowEnabled(target)) target = GetNextDlgTabItem(handle_, nullptr, FALSE);
    // With no control to take it, the form keeps the focus itself.
    if (target && IsWindowEnabled(target)) ::SetFocus(target);
}

LRESULT TForm::OnActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE)
        SaveFocus();
    else if (!HIWORD(wParam))
        RestoreFocus();
    return 0;
}

LRESULT TForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam) return ForwardToChild(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam);
    // Enter and Esc from dialog navigation reach the default and cancel buttons.
    TButton* button = nullptr;
    if (LOWORD(wParam) == IDOK) button = defaultButton_;
    if (LOWORD(wParam) == IDCANCEL) button = cancelButton_;
    if (button && button->Visible() && button->Enabled()) button->Click();
    return 0;
}

LRESULT TForm::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    if ((wParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
        Application->Minimize();
        return 0;
    }
    return DefaultHandler(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE: Close(); return 0;
    case WM_ACTIVATE: OnActivate(wParam); return DefaultHandler(message, wParam, lParam);
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case DM_GETDEFID: return 0;
    default: return TWinControl::WndProc(message, wParam, lParam);
    }
}
