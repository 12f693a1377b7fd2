#include "toolkit/ListItems.h"

#include "toolkit/Graphics.h"

std::string ItemTextOf(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    // LB_ERR and CB_ERR are both -1.
    if (!control) return std::string();
    LRESULT length = SendMessageA(control, lengthMessage, index, 0);
    if (length < 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    length = SendMessageA(control, textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length < 0 ? 0 : static_cast<size_t>(length));
    return text;
}

void DrawTextItem(HDC dc, const RECT& rect, const std::string& text, bool selected)
{
    HBRUSH brush = CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TextOutA(dc, rect.left + Scale(2), rect.top, text.c_str(), static_cast<int>(text.size()));
}
