#include "toolkit/Application.h"

#include "core/Messages.h"
#include "platform/WideText.h"
#include "toolkit/BoundWindowProc.h"
#include "toolkit/Form.h"
#include "toolkit/SystemPictures.h"

#include <commctrl.h>

#include <algorithm>

TApplication* Application = nullptr;

namespace {

std::string LocaleText(LCTYPE type)
{
    wchar_t buffer[100] = {};
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 100)) return std::string();
    return Narrow(buffer);
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr)
{
    Application = this;
}

TApplication::~TApplication()
{
    // Forms and components go first, while the application window still owns them.
    while (!Components().empty()) delete Components().back();
    if (handle_) DestroyWindow(handle_);
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    STARTUPINFOW startup{sizeof startup};
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) startupShow_ = startup.wShowWindow;

    WNDCLASSEXW cls{sizeof cls};
    cls.lpfnWndProc = BoundWindowProc<TApplication, &TApplication::handle_, &TApplication::WndProc>;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hIcon = LoadIconW(cls.hInstance, MAKEINTRESOURCEW(1));
    cls.hCursor = SystemCursor(IDC_ARROW);
    cls.lpszClassName = L"TApplication";
    RegisterClassExW(&cls);
    // A zero-size window in the middle of the screen: it only carries the taskbar button.
    int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateWindowExW(0, L"TApplication", Widen(title_).c_str(),
                    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr, nullptr,
                    cls.hInstance, this);
    ReadFormatSettings();
}

void TApplication::SetTitle(const std::string& title)
{
    title_ = title;
    if (handle_) SetWindowTextW(handle_, Widen(title).c_str());
}

void TApplication::FormCreated(TForm* form)
{
    forms_.push_back(form);
    if (!mainForm_) mainForm_ = form;
}

void TApplication::FormDestroyed(TForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Run()
{
    if (!mainForm_) return;
    ShowWindow(handle_, SW_SHOWNORMAL);
    int show = startupShow_;
    if (show == SW_SHOWMINNOACTIVE || show == SW_SHOWMINIMIZED || show == SW_MINIMIZE) {
        mainForm_->Show();
        // Windows may already have applied the start-up command to the first
        // ShowWindow above; the minimise handler must run all the same.
        if (IsIconic(handle_))
            Fire(OnMinimize, this);
        else
            Minimize();
    } else {
        mainForm_->Show();
    }
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        HandleMessage(msg);
    }
    terminated_ = true;
}

bool TApplication::HandleMessage(MSG& msg)
{
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && OnShortCut && OnShortCut(msg)) return true;
    HWND active = GetActiveWindow();
    if (active && TWinControl::FromHandle(active) && IsDialogMessageW(active, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HandleMessage(msg);
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::Minimize()
{
    if (IsIconic(handle_)) return;
    if (mainForm_ && mainForm_->HandleAllocated()) mainForm_->SaveFocus();
    ShowWindow(handle_, SW_MINIMIZE);
    Fire(OnMinimize, this);
}

void TApplication::Restore()
{
    if (!IsIconic(handle_)) return;
    ShowWindow(handle_, SW_RESTORE);
    if (mainForm_ && mainForm_->Visible()) mainForm_->RestoreFocus();
    Fire(OnRestore, this);
}

void TApplication::ShowException(const std::exception& error)
{
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
    MessageBoxW(owner, Widen(core::AddFullStop(error.what())).c_str(), Widen(title_).c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::ReadFormatSettings()
{
    formats_.shortDateFormat = LocaleText(LOCALE_SSHORTDATE);
    formats_.longDateFormat = LocaleText(LOCALE_SLONGDATE);
    formats_.timeFormat = LocaleText(LOCALE_STIMEFORMAT);
    // The first field letter of the short date gives the order; the first
    // character that is not a field letter or a quote is the separator.
    formats_.dateOrder = 'M';
    for (char c : formats_.shortDateFormat) {
        char upper = static_cast<char>(c & ~0x20);
        if (upper == 'Y' || upper == 'M' || upper == 'D') {
            formats_.dateOrder = upper;
            break;
        }
    }
    auto separatorOf = [](const std::string& format, char fallback) {
        for (char c : format) {
            char upper = static_cast<char>(c & ~0x20);
            if (c != '\'' && c != ' ' && !(upper >= 'A' && upper <= 'Z')) return c;
        }
        return fallback;
    };
    formats_.dateSeparator = separatorOf(formats_.shortDateFormat, '/');
    formats_.timeSeparator = separatorOf(formats_.timeFormat, ':');
}

LRESULT TApplication::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE: Minimize(); return 0;
    case SC_RESTORE: Restore(); return 0;
    case SC_CLOSE:
        if (mainForm_) mainForm_->Close();
        return 0;
    default: return DefWindowProcW(handle_, WM_SYSCOMMAND, wParam, lParam);
    }
}

LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case WM_WININICHANGE: ReadFormatSettings(); break;
    case WM_CLOSE:
        if (mainForm_) mainForm_->Close();
        return 0;
    case WM_SETFOCUS:
        // The taskbar button activates this window: hand the focus on to the form.
        if (mainForm_ && mainForm_->Visible() && mainForm_->HandleAllocated() && IsWindowEnabled(mainForm_->Handle())) {
            SetFocus(mainForm_->Handle());
        }
        return 0;
    default: break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}
