#include "BriselApp.h"

#include "UiInput.h"

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
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::string candidate = std::string(folder) + "\\" + BRISEL_EXE;
    if (GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES)
        return candidate;
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return FolderOf(self) + "\\" + BRISEL_EXE;
}

bool BriselApp::Start(const std::string& folder, WORD showCmd)
{
    std::string exe = ExePath();
    if (!process_.Start(exe, "", folder, showCmd)) {
        error_ = process_.Error();
        return false;
    }
    main_ = UiWindow::WaitTopLevel(process_.Id(), kCaption, kMainClass, kStartTimeoutMs,
                                   showCmd != SW_HIDE);
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
        if (rect.top <= 0 && rect.left <= 0 && panel.IsVisible())
            return panel;
    }
    return UiWindow();
}

bool BriselApp::ClickCommandButton(int k) const
{
    UiWindow bar = CommandBar();
    POINT centre{Scaled(4 + 108 * k + 52), Scaled(8 + 20)};
    return bar && UiInput::Click(bar, centre);
}

int BriselApp::Scaled(int pixels)
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return MulDiv(pixels, dpi, 96);
}
