#include "UiMessageDialog.h"

#include "UiInput.h"
#include "UiWait.h"

const char UiMessageDialog::kSystemClass[] = "#32770";
const char UiMessageDialog::kSystemButtonClass[] = "Button";

namespace {

std::string WithoutAmpersands(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            plain += text[++i];  // "&&" is a literal ampersand
        } else {
            plain += text[i];
        }
    }
    return plain;
}

bool IsIconStatic(const UiWindow& control)
{
    LONG style = GetWindowLongA(control.Handle(), GWL_STYLE);
    return (style & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

UiMessageDialog UiMessageDialog::Wait(DWORD pid, const char* caption, DWORD timeoutMs, const char* dialogClass,
                                      const char* buttonClass)
{
    return UiMessageDialog(UiWindow::WaitTopLevel(pid, caption, dialogClass, timeoutMs), buttonClass);
}

std::vector<UiWindow> UiMessageDialog::Buttons() const
{
    std::vector<UiWindow> buttons;
    for (const UiWindow& button : window_.ChildrenByPosition(buttonClass_))
        if (button.IsVisible()) buttons.push_back(button);
    return buttons;
}

std::string UiMessageDialog::Message() const
{
    std::string message;
    for (const UiWindow& control : window_.Children("Static")) {
        if (IsIconStatic(control)) continue;
        std::string text = control.Text();
        if (text.empty()) continue;
        if (!message.empty()) message += '\n';
        message += text;
    }
    return message;
}

bool UiMessageDialog::HasIcon() const
{
    for (const UiWindow& control : window_.Children("Static"))
        if (IsIconStatic(control)) return true;
    return false;
}

std::vector<std::string> UiMessageDialog::ButtonTexts() const
{
    std::vector<std::string> texts;
    for (const UiWindow& button : Buttons()) texts.push_back(button.Text());
    return texts;
}

UiWindow UiMessageDialog::FindButton(const std::string& text) const
{
    for (const UiWindow& button : Buttons()) {
        std::string own = button.Text();
        if (own == text || WithoutAmpersands(own) == WithoutAmpersands(text)) return button;
    }
    return UiWindow();
}

bool UiMessageDialog::Press(const std::string& text, DWORD timeoutMs) const
{
    UiWindow button = FindButton(text);
    return button && UiInput::ClickCentre(button) && WaitClosed(timeoutMs);
}

bool UiMessageDialog::PressByMessage(const std::string& text, DWORD timeoutMs) const
{
    UiWindow button = FindButton(text);
    return button && button.Post(BM_CLICK) && WaitClosed(timeoutMs);
}

bool UiMessageDialog::WaitClosed(DWORD timeoutMs) const
{
    HWND hwnd = window_.Handle();
    return UiWait::Until([hwnd] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeoutMs);
}
