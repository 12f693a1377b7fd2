#include "UiProgressBar.h"

#include <commctrl.h>

int UiProgressBar::Position() const
{
    LRESULT result = -1;
    return window_.Send(PBM_GETPOS, 0, 0, &result) ? static_cast<int>(result) : -1;
}

int UiProgressBar::Minimum() const
{
    LRESULT result = -1;
    return window_.Send(PBM_GETRANGE, TRUE, 0, &result) ? static_cast<int>(result) : -1;
}

int UiProgressBar::Maximum() const
{
    LRESULT result = -1;
    return window_.Send(PBM_GETRANGE, FALSE, 0, &result) ? static_cast<int>(result) : -1;
}
