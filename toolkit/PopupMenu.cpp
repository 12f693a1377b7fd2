#include "toolkit/PopupMenu.h"

#include "toolkit/MenuItem.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), handle_(CreatePopupMenu())
{
    if (!handle_) throw Exception("Cannot create popup menu");
}

TPopupMenu::~TPopupMenu()
{
    DestroyMenu(handle_);
}

void TPopupMenu::Add(TMenuItem* item)
{
    items_.emplace_back(item);
    // Command 0 means "nothing chosen" to TrackPopupMenu, so numbering starts at 1.
    item->Attach(handle_, static_cast<UINT>(items_.size()));
}

TMenuItem* TPopupMenu::Add(const std::string& caption)
{
    auto* item = new TMenuItem(caption);
    Add(item);
    return item;
}

void TPopupMenu::Popup(int x, int y)
{
    if (!window_.Handle()) window_.Create(nullptr);
    UINT command = static_cast<UINT>(
        TrackPopupMenu(handle_, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, window_.Handle(), nullptr));
    if (command >= 1 && command <= items_.size()) items_[command - 1]->Click();
}
