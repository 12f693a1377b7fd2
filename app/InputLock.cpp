#include "app/InputLock.h"

#include "toolkit/WinControl.h"

InputLock::InputLock(TWinControl& window, std::initializer_list<TWinControl*> controls)
    : controls_(controls), window_(window.Handle())
{
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) {
        focus_ = focus;
        window.SetFocus();
    }
    for (TWinControl* control : controls_) {
        enabled_.push_back(control->Enabled());
        control->SetEnabled(false);
    }
}

InputLock::~InputLock()
{
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->SetEnabled(enabled_[i]);
    // Unless the focus went elsewhere meanwhile.
    if (focus_ && GetFocus() == window_ && IsWindowEnabled(focus_)) SetFocus(focus_);
}
