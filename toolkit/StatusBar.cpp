#include "toolkit/StatusBar.h"

#include "platform/WideText.h"

#include <commctrl.h>

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {}

void TStatusBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.className = "TStatusBar";
    params.baseClass = STATUSCLASSNAMEA;
    // The toolkit places the bar itself, at the height of the layout.
    params.style = WS_CHILD | WS_CLIPSIBLINGS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NOMOVEY;
}

void TStatusBar::AddPanel(int designWidth, const std::string& text)
{
    panels_.push_back(Panel{Scale(designWidth), text});
    if (handle_) ApplyPanels();
}

void TStatusBar::HandleCreated()
{
    ApplyPanels();
}

void TStatusBar::Resized()
{
    ApplyPanels();
}

void TStatusBar::ApplyPanels()
{
    if (!handle_ || panels_.empty()) return;
    std::vector<int> rights;
    int right = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i].width;
        rights.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    SendMessageW(handle_, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    for (size_t i = 0; i < panels_.size(); ++i) {
        const std::wstring text = Widen(panels_[i].text);
        SendMessageW(handle_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
}
