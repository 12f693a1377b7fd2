#include "UiComboBox.h"

#include "UiText.h"

int UiComboBox::Count() const
{
    return static_cast<int>(Ask(CB_GETCOUNT));
}

int UiComboBox::CurrentIndex() const
{
    return static_cast<int>(Ask(CB_GETCURSEL));
}

std::string UiComboBox::Text(int index) const
{
    return UiText::ItemText(window_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string UiComboBox::CurrentText() const
{
    int index = CurrentIndex();
    return index < 0 ? std::string() : Text(index);
}

bool UiComboBox::IsDroppedDown() const
{
    return Ask(CB_GETDROPPEDSTATE) > 0;
}
