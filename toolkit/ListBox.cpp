#include "toolkit/ListBox.h"

TCustomListBox::TCustomListBox(TComponent* owner)
    : TItemsControl(owner, {LB_RESETCONTENT, LB_ADDSTRING, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT})
{
    // The list marks the item with the keyboard focus; the drop-down list's field does not.
    drawsFocusRect_ = true;
}

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.baseClass = "LISTBOX";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                   LBS_NOINTEGRALHEIGHT;
    if (sorted_) params.style |= LBS_SORT;
    if (multiSelect_) params.style |= LBS_EXTENDEDSEL;
    params.exStyle = WS_EX_CLIENTEDGE;
}

void TCustomListBox::HandleCreated()
{
    SendMessageW(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

void TCustomListBox::SetItemHeight(int designHeight)
{
    itemHeight_ = Scale(designHeight);
    if (handle_) SendMessageW(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

bool TCustomListBox::Selected(int index) const
{
    return handle_ && SendMessageW(handle_, LB_GETSEL, index, 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool selected)
{
    if (multiSelect_)
        SendMessageW(Handle(), LB_SETSEL, selected, index);
    else
        SendMessageW(Handle(), LB_SETCURSEL, selected ? index : -1, 0);
}

int TCustomListBox::SelCount() const
{
    if (!handle_) return 0;
    if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
    LRESULT count = SendMessageW(handle_, LB_GETSELCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

int TCustomListBox::ItemIndex() const
{
    if (!handle_) return -1;
    LRESULT index = SendMessageW(handle_, multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TCustomListBox::SetItemIndex(int index)
{
    if (multiSelect_)
        SendMessageW(Handle(), LB_SETCARETINDEX, index, FALSE);
    else
        SendMessageW(Handle(), LB_SETCURSEL, index, 0);
}

bool TCustomListBox::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == LBN_DBLCLK)
            DoubleClicked();
        else if (HIWORD(wParam) == LBN_SELCHANGE)
            SelectionChanged();
        result = 0;
        return true;
    default: return OwnerDrawMessage(message, lParam, result);
    }
}
