#include "UiProgressBar.h"

#include <commctrl.h>

int UiProgressBar::Position() const
{
    return static_cast<int>(Ask(PBM_GETPOS));
}

int UiProgressBar::Minimum() const
{
    return static_cast<int>(Ask(PBM_GETRANGE, TRUE));
}

int UiProgressBar::Maximum() const
{
    return static_cast<int>(Ask(PBM_GETRANGE, FALSE));
}
