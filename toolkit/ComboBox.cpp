#include "toolkit/ComboBox.h"

namespace {
// The window's height includes the dropped-down list.
constexpr int kDropDownItems = 12;
}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TItemsControl(owner, {CB_RESETCONTENT, CB_ADDSTRING, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT})
{
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.baseClass = "COMBOBOX";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
}

void TCustomComboBox::HandleCreated()
{
    SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
    // The selection field: the control's height less the frame.
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height_ > 6 ? height_ - 6 : itemHeight_);
    BoundsChanged();
}

void TCustomComboBox::BoundsChanged()
{
    if (!handle_) return;
    SetWindowPos(handle_, nullptr, left_, top_, width_, height_ + itemHeight_ * kDropDownItems,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::SetItemHeight(int height)
{
    itemHeight_ = height;
    if (handle_) SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
}

int TCustomComboBox::ItemIndex() const
{
    if (!handle_) return -1;
    LRESULT index = SendMessageW(handle_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TCustomComboBox::SetItemIndex(int index)
{
    SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

bool TCustomComboBox::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == CBN_SELCHANGE) SelectionChanged();
        result = 0;
        return true;
    default: return OwnerDrawMessage(message, lParam, result);
    }
}

LRESULT TCustomComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Wine's combo box swallows Alt+F4; the window must close from any control.
    if (message == WM_SYSKEYDOWN && wParam == VK_F4) return DefWindowProcW(handle_, message, wParam, lParam);
    return TWinControl::WndProc(message, wParam, lParam);
}
