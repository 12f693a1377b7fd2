#include "toolkit/ItemsControl.h"

#include "platform/WideText.h"
#include "toolkit/ListItems.h"

#include <algorithm>

TItemsControl::TItemsControl(TComponent* owner, const ItemMessages& messages) : TWinControl(owner), messages_(messages)
{
    tabStop_ = true;
    color_ = GetSysColor(COLOR_WINDOW);
}

void TItemsControl::Clear()
{
    SendMessageW(Handle(), messages_.reset, 0, 0);
}

int TItemsControl::AddItem(const std::string& text)
{
    const std::wstring wide = Widen(text);
    return static_cast<int>(SendMessageW(Handle(), messages_.add, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int TItemsControl::Count() const
{
    return handle_ ? static_cast<int>(SendMessageW(handle_, messages_.count, 0, 0)) : 0;
}

std::string TItemsControl::ItemText(int index) const
{
    return ItemTextOf(handle_, messages_.textLength, messages_.text, index);
}

int TItemsControl::FontItemHeight()
{
    const int height = Scale(font_.Height());
    // At 96 DPI the rows are the layout's own. A face's cell need not grow in
    // step with the layout (under Wine a bitmap strike at 12 pixels, an outline
    // with a taller cell at 18), so a scaled row holds at least the whole cell.
    if (ScreenDpi() == 96) return height;
    TCanvas canvas;
    canvas.Font().Assign(font_);
    return std::max(height, static_cast<int>(canvas.TextExtent("").cy));
}

void TItemsControl::DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool)
{
    DrawTextItem(dc, rect, ItemText(index), selected);
}

bool TItemsControl::OwnerDrawMessage(UINT message, LPARAM lParam, LRESULT& result)
{
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(itemHeight_);
    } else if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        const bool focused = (item->itemState & ODS_FOCUS) != 0;
        if (item->itemID != static_cast<UINT>(-1)) {
            HGDIOBJ old = SelectObject(item->hDC, font_.Handle());
            DrawItem(static_cast<int>(item->itemID), item->hDC, item->rcItem, (item->itemState & ODS_SELECTED) != 0,
                     focused);
            SelectObject(item->hDC, old);
        }
        if (focused && drawsFocusRect_) DrawFocusRect(item->hDC, &item->rcItem);
    } else {
        return false;
    }
    result = TRUE;
    return true;
}
