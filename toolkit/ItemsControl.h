// A standard control holding a list of text items (the list box and the
// drop-down list), asked through the control's own messages.
#pragma once

#include "toolkit/WinControl.h"

#include <string>

class TItemsControl : public TWinControl {
public:
    void Clear();
    int AddItem(const std::string& text);  // returns the index it landed at
    int Count() const;
    std::string ItemText(int index) const;

protected:
    // The control's messages for clearing, adding, counting and reading items.
    struct ItemMessages {
        UINT reset, add, count, textLength, text;
    };

    TItemsControl(TComponent* owner, const ItemMessages& messages);

    // Owner drawing: each item is drawn in the control's font; by default as text.
    virtual void DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool focused);
    // Answers the parent's reflected WM_DRAWITEM and WM_MEASUREITEM; false for other messages.
    bool OwnerDrawMessage(UINT message, LPARAM lParam, LRESULT& result);
    // The height an item needs for the control's font.
    int FontItemHeight();

    int itemHeight_ = 16;
    bool drawsFocusRect_ = false;

private:
    ItemMessages messages_;
};
