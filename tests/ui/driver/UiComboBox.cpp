#include "UiComboBox.h"

LRESULT UiComboBox::Ask(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    LRESULT result = CB_ERR;
    return window_.Send(msg, wParam, lParam, &result) ? result : CB_ERR;
}

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
    LRESULT length = Ask(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR)
        return std::string();
    std::string text(static_cast<size_t>(length) * 2 + 2, '\0');
    LRESULT copied = Ask(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    if (copied == CB_ERR)
        return std::string();
    text.resize(static_cast<size_t>(copied));
    return text;
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
