#include "toolkit/Button.h"

#include "toolkit/Form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    tabStop_ = true;
}

void TButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.className = "TButton";
    params.baseClass = "BUTTON";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::Click()
{
    // A button with a modal result ends the modal form it sits on.
    if (modalResult_) {
        for (TWinControl* p = parent_; p; p = p->Parent()) {
            if (auto* form = dynamic_cast<TForm*>(p)) {
                form->SetModalResult(modalResult_);
                break;
            }
        }
    }
    TWinControl::Click();
}

bool TButton::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    Click();
    result = 0;
    return true;
}
