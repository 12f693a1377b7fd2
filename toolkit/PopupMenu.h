// A popup menu of plain items, shown at a screen point.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/UtilityWindow.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TMenuItem;

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The menu takes ownership of the item.
    void Add(TMenuItem* item);
    TMenuItem* Add(const std::string& caption);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Item(int index) const { return items_.at(index).get(); }
    HMENU Handle() const { return handle_; }

    // Shows the menu at the screen point and returns once it has closed; a
    // chosen item's click runs after the menu has gone, before the return.
    virtual void Popup(int x, int y);

private:
    HMENU handle_;
    std::vector<std::unique_ptr<TMenuItem>> items_;
    TUtilityWindow window_;  // owner of the menu while it tracks
};
