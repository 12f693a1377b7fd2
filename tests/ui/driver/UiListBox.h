#pragma once
#include "UiControl.h"

#include <string>
#include <vector>

// A list box of another process read through its standard messages. Its
// texts are not among them: a list that keeps its items itself (LBS_NODATA)
// gives other processes none.
class UiListBox : public UiControl {
public:
    using UiControl::UiControl;

    int Count() const;  // -1 if the list did not answer
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
