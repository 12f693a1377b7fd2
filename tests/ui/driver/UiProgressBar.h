#pragma once
#include "UiControl.h"

// A progress bar of another process. The range is read through the return
// values only, so no structure has to cross the process boundary.
class UiProgressBar : public UiControl {
public:
    using UiControl::UiControl;

    int Position() const;
    int Minimum() const;
    int Maximum() const;
};
