#include "toolkit/ListBox.h"

#include "platform/WideText.h"

#include <algorithm>
#include <cwchar>

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
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
    if (ownItems_)
        params.style |= LBS_NODATA;
    else
        params.style |= LBS_HASSTRINGS | (sorted_ ? LBS_SORT : 0);
    if (multiSelect_) params.style |= LBS_EXTENDEDSEL;
    params.exStyle = WS_EX_CLIENTEDGE;
}

void TCustomListBox::HandleCreated()
{
    SendMessageW(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

void TCustomListBox::SetItemCount(int count)
{
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    if (count > 0) SendMessageW(handle_, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
}

LRESULT TCustomListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ownItems_ && (message == LB_GETTEXT || message == LB_GETTEXTLEN)) {
        if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= Count()) return LB_ERR;
        if (message == LB_GETTEXT) return OnGetText(wParam, lParam);
        return static_cast<LRESULT>(Widen(OwnItemText(static_cast<int>(wParam))).size());
    }
    // The control finds no item by a typed letter in a list without texts.
    if (ownItems_ && message == WM_CHAR && wParam > L' ') {
        ChooseNextStartingWith(static_cast<wchar_t>(wParam));
        return 0;
    }
    return TItemsControl::WndProc(message, wParam, lParam);
}

// The next item after the one with the focus whose text begins with the
// letter, whatever its case, going round from the end; chosen alone.
void TCustomListBox::ChooseNextStartingWith(wchar_t letter)
{
    const int count = Count();
    const int from = static_cast<int>(SendMessageW(handle_, LB_GETCARETINDEX, 0, 0));
    CharUpperBuffW(&letter, 1);
    for (int step = 1; step <= count; ++step) {
        const int index = (std::max(from, -1) + step) % count;
        std::wstring text = Widen(OwnItemText(index));
        if (text.empty()) continue;
        CharUpperBuffW(&text[0], 1);
        if (text[0] != letter) continue;
        if (multiSelect_) {
            SendMessageW(handle_, LB_SETSEL, FALSE, -1);
            SendMessageW(handle_, LB_SETSEL, TRUE, index);
            SendMessageW(handle_, LB_SETANCHORINDEX, index, 0);
        }
        SetItemIndex(index);
        SelectionChanged();
        return;
    }
}

// Sent from another thread, the buffer is the one the system made for a list
// without texts, which holds an item's data alone: nothing is written there.
LRESULT TCustomListBox::OnGetText(WPARAM index, LPARAM buffer)
{
    if (!buffer || (InSendMessageEx(nullptr) & ISMEX_SEND)) return LB_ERR;
    const std::wstring text = Widen(OwnItemText(static_cast<int>(index)));
    std::wmemcpy(reinterpret_cast<wchar_t*>(buffer), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
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
