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

private:
    ItemMessages messages_;
};
