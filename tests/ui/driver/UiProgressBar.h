#pragma once
#include "UiWindow.h"

// A progress bar of another process. The range is read through the return
// values only, so no structure has to cross the process boundary.
class UiProgressBar {
public:
    explicit UiProgressBar(UiWindow window) : window_(window) {}

    const UiWindow& Window() const { return window_; }
    int Position() const;
    int Minimum() const;
    int Maximum() const;

private:
    UiWindow window_;
};
