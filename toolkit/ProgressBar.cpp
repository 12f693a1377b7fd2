#include "toolkit/ProgressBar.h"

#include <commctrl.h>

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {}

void TProgressBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.className = "TProgressBar";
    params.baseClass = PROGRESS_CLASSA;
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
}

void TProgressBar::HandleCreated()
{
    SendMessageW(handle_, PBM_SETRANGE32, 0, max_);
    SendMessageW(handle_, PBM_SETPOS, position_, 0);
}

void TProgressBar::SetMax(int max)
{
    max_ = max;
    if (position_ > max_) position_ = max_;
    if (handle_) SendMessageW(handle_, PBM_SETRANGE32, 0, max_);
}

void TProgressBar::SetPosition(int position)
{
    position_ = position < 0 ? 0 : (position > max_ ? max_ : position);
    if (handle_) SendMessageW(handle_, PBM_SETPOS, position_, 0);
}

void TProgressBar::RepaintNow()
{
    if (handle_) UpdateWindow(handle_);
}
