// A popup menu of plain items, shown at a screen point.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/UtilityWindow.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TMenuItem;

enum class TPopupAlignment { Left, Right, Center };

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

    // Which side of the menu lies at the point given to Popup.
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }

    // Shows the menu at the screen point and returns once it has closed; a
    // chosen item's click runs after the menu has gone, before the return.
    virtual void Popup(int x, int y);

private:
    UINT AlignmentFlags() const;

    HMENU handle_;
    std::vector<std::unique_ptr<TMenuItem>> items_;
    TPopupAlignment alignment_ = TPopupAlignment::Left;
    TUtilityWindow window_;  // owner of the menu while it tracks
};
