#include "UiListBox.h"

int UiListBox::Count() const
{
    return static_cast<int>(Ask(LB_GETCOUNT));
}

bool UiListBox::IsSelected(int index) const
{
    return Ask(LB_GETSEL, index) > 0;
}

int UiListBox::SelectedCount() const
{
    return static_cast<int>(Ask(LB_GETSELCOUNT));
}

std::vector<int> UiListBox::SelectedIndexes() const
{
    std::vector<int> indexes;
    for (int i = 0, n = Count(); i < n; ++i)
        if (IsSelected(i)) indexes.push_back(i);
    return indexes;
}

int UiListBox::CurrentIndex() const
{
    return static_cast<int>(Ask(LB_GETCURSEL));
}

int UiListBox::TopIndex() const
{
    return static_cast<int>(Ask(LB_GETTOPINDEX));
}

int UiListBox::ItemHeight() const
{
    return static_cast<int>(Ask(LB_GETITEMHEIGHT, 0));
}

RECT UiListBox::ItemRect(int index) const
{
    RECT rect{};
    if (Ask(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return RECT{};
    return rect;
}

POINT UiListBox::ItemCentre(int index) const
{
    RECT rect = ItemRect(index);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
