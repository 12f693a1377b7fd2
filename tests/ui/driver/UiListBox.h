#pragma once
#include "UiControl.h"

#include <string>
#include <vector>

// A list box of another process read through its standard messages. The
// texts of a list that keeps no strings (LBS_NODATA) are asked on its own
// thread, through a message hook.
class UiListBox : public UiControl {
public:
    using UiControl::UiControl;

    int Count() const;  // -1 if the list did not answer
    std::string Text(int index) const;
    std::vector<std::string> Items() const;
    bool IsSelected(int index) const;
    int SelectedCount() const;  // LB_GETSELCOUNT: -1 for a single-selection list
    std::vector<int> SelectedIndexes() const;
    int CurrentIndex() const;  // LB_GETCURSEL
    int TopIndex() const;
    int ItemHeight() const;
    // The item's rectangle in the list's client coordinates.
    RECT ItemRect(int index) const;
    POINT ItemCentre(int index) const;
};
