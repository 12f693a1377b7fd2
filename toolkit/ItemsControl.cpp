#include "toolkit/ItemsControl.h"

#include "toolkit/ListItems.h"

TItemsControl::TItemsControl(TComponent* owner, const ItemMessages& messages) : TWinControl(owner), messages_(messages)
{
    tabStop_ = true;
    color_ = GetSysColor(COLOR_WINDOW);
}

void TItemsControl::Clear()
{
    SendMessageA(Handle(), messages_.reset, 0, 0);
}

int TItemsControl::AddItem(const std::string& text)
{
    return static_cast<int>(SendMessageA(Handle(), messages_.add, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int TItemsControl::Count() const
{
    return handle_ ? static_cast<int>(SendMessageA(handle_, messages_.count, 0, 0)) : 0;
}

std::string TItemsControl::ItemText(int index) const
{
    return ItemTextOf(handle_, messages_.textLength, messages_.text, index);
}
