#pragma once
#include "UiWindow.h"

#include <string>

// A combo box of another process read through its standard messages.
class UiComboBox {
public:
    explicit UiComboBox(UiWindow window) : window_(window) {}

    const UiWindow& Window() const { return window_; }
    int Count() const;
    int CurrentIndex() const;  // CB_ERR (-1) when nothing is selected
    std::string Text(int index) const;
    std::string CurrentText() const;
    bool IsDroppedDown() const;

private:
    LRESULT Ask(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    UiWindow window_;
};
