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

void TProgressBar::SetPositionUnpainted(int position)
{
    // Some systems (Wine) paint the bar inside PBM_SETPOS, at the cost of a
    // file's work: the control is told when its look changes, and until then
    // the position is answered from here.
    position_ = position < 0 ? 0 : (position > max_ ? max_ : position);
}

LRESULT TProgressBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_GETPOS) return position_;
    return TWinControl::WndProc(message, wParam, lParam);
}

void TProgressBar::RepaintNow()
{
    if (handle_) UpdateWindow(handle_);
}
