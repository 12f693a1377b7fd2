#pragma once
#include "UiControl.h"

#include <string>

// A combo box of another process read through its standard messages.
class UiComboBox : public UiControl {
public:
    using UiControl::UiControl;

    int Count() const;
    int CurrentIndex() const;  // CB_ERR (-1) when nothing is selected
    std::string Text(int index) const;
    std::string CurrentText() const;
    bool IsDroppedDown() const;
};
