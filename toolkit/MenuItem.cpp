#include "toolkit/MenuItem.h"

#include "platform/WideText.h"

TMenuItem::TMenuItem(const std::string& caption) : TComponent(nullptr), caption_(caption) {}

void TMenuItem::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (menu_) ModifyMenuW(menu_, command_, MF_BYCOMMAND | StateFlags(), command_, Widen(caption_).c_str());
}

void TMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (menu_) EnableMenuItem(menu_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TMenuItem::Click()
{
    Fire(OnClick, this);
}

void TMenuItem::Attach(HMENU menu, UINT command)
{
    menu_ = menu;
    command_ = command;
    AppendMenuW(menu_, StateFlags(), command_, Widen(caption_).c_str());
}

UINT TMenuItem::StateFlags() const
{
    return MF_STRING | (enabled_ ? MF_ENABLED : MF_GRAYED);
}
