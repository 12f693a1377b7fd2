#include "BriselApp.h"

#include "UiInput.h"
#include "UiWait.h"
#include "platform/WideText.h"

const char BriselApp::kCaption[] = "Brisel批量文件更改器 V2.0";
const char BriselApp::kMainClass[] = "TForm1";

namespace {

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string BriselApp::ExePath()
{
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::string candidate = Narrow(folder) + "\\" + BRISEL_EXE;
    if (GetFileAttributesW(Widen(candidate).c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return FolderOf(Narrow(self)) + "\\" + BRISEL_EXE;
}

bool BriselApp::Start(const std::string& folder, WORD showCmd)
{
    std::string exe = ExePath();
    if (!process_.Start(exe, "", folder, showCmd)) {
        error_ = process_.Error();
        return false;
    }
    main_ = UiWindow::WaitTopLevel(process_.Id(), kCaption, kMainClass, kStartTimeoutMs, showCmd != SW_HIDE);
    if (!main_) {
        error_ = "no main window of " + exe + " within " + std::to_string(kStartTimeoutMs) + " ms";
        return false;
    }
    startUpMs_ = GetTickCount64() - process_.StartTick();
    return true;
}

UiListBox BriselApp::FileList() const
{
    return UiListBox(main_.Child("TFileListBox"));
}

UiWindow BriselApp::CommandBar() const
{
    for (const UiWindow& panel : main_.Children("TPanel")) {
        RECT rect = panel.RectIn(main_);
        if (rect.top <= 0 && rect.left <= 0 && panel.IsVisible()) return panel;
    }
    return UiWindow();
}

bool BriselApp::ClickCommandButton(int k) const
{
    UiWindow bar = CommandBar();
    POINT centre{Scaled(4 + 108 * k + 52), Scaled(8 + 20)};
    return bar && UiInput::Click(bar, centre);
}

UiMessageDialog BriselApp::WaitConfirmation(DWORD timeoutMs) const
{
    return UiMessageDialog::Wait(process_.Id(), "确认", timeoutMs, "TMessageForm", "TButton");
}

bool BriselApp::AnswerConfirmation(bool yes) const
{
    UiMessageDialog dialog = WaitConfirmation();
    return dialog && dialog.Press(yes ? "是[&Y]" : "否[&N]");
}

bool BriselApp::StartCommand(int k) const
{
    return ClickCommandButton(k) && AnswerConfirmation(true);
}

UiMessageDialog BriselApp::WaitMessageBox(DWORD timeoutMs) const
{
    return UiMessageDialog::Wait(process_.Id(), kCaption, timeoutMs);
}

UiProgressBar BriselApp::ProgressBar() const
{
    return UiProgressBar(main_.Child("TProgressBar"));
}

bool BriselApp::WaitBatchEnd(int count, DWORD timeoutMs) const
{
    UiProgressBar bar = ProgressBar();
    return UiWait::Until([&] { return bar.Maximum() == count && bar.Position() == count; }, timeoutMs);
}

UiWindow BriselApp::Edit(int n) const
{
    std::vector<UiWindow> edits = main_.ChildrenByPosition("TEdit");
    return n >= 1 && n <= static_cast<int>(edits.size()) ? edits[n - 1] : UiWindow();
}

bool BriselApp::SetEditText(int n, const std::string& text) const
{
    UiWindow edit = Edit(n);
    if (!edit || !UiInput::ClickCentre(edit) || !UiInput::Press(edit, VK_HOME) ||
        !UiInput::Press(edit, VK_END, UiInput::Shift))
        return false;
    bool typed = text.empty() ? UiInput::Press(edit, VK_DELETE) : UiInput::Type(edit, text);
    return typed && UiWait::Until([&] { return edit.Text() == text; }, 3000);
}

std::string BriselApp::DescribeWindows() const
{
    std::string text;
    for (const UiWindow& window : UiWindow::TopLevelWindows(process_.Id(), true))
        text += window.ClassName() + " [" + window.Text() + "]; ";
    return text;
}

int BriselApp::Scaled(int pixels)
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return MulDiv(pixels, dpi, 96);
}
