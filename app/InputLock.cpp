#include "app/InputLock.h"

#include "toolkit/Form.h"

namespace {

// Whether the keys now go to the form itself, or to no window at all (the
// system then sends them as system keys, which the form's shortcuts miss).
bool FocusOnFormOrNowhere(HWND form)
{
    const HWND focus = GetFocus();
    return GetActiveWindow() == form && (!focus || focus == form);
}

}  // namespace

InputLock::InputLock(TForm& form, std::initializer_list<TWinControl*> controls) : form_(form), controls_(controls)
{
    form_.SaveFocus();
    for (TWinControl* control : controls_) {
        enabled_.push_back(control->Enabled());
        control->SetEnabled(false);
    }
    // Keys must not go to a greyed control, nor to no window at all.
    const HWND focus = GetFocus();
    if (FocusOnFormOrNowhere(form_.Handle()) || (focus && IsChild(form_.Handle(), focus))) SetFocus(form_.Handle());
}

InputLock::~InputLock()
{
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->SetEnabled(enabled_[i]);
    if (FocusOnFormOrNowhere(form_.Handle())) form_.RestoreFocus();
}
