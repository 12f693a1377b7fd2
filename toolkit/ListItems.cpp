#include "toolkit/ListItems.h"

#include "platform/WideText.h"
#include "toolkit/Graphics.h"

std::string ItemTextOf(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    // LB_ERR and CB_ERR are both -1.
    if (!control) return std::string();
    LRESULT length = SendMessageW(control, lengthMessage, index, 0);
    if (length < 0) return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    length = SendMessageW(control, textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length < 0 ? 0 : static_cast<size_t>(length));
    return Narrow(text);
}

void DrawTextItem(HDC dc, const RECT& rect, const std::string& text, bool selected)
{
    HBRUSH brush = CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring wide = Widen(text);
    TextOutW(dc, rect.left + Scale(2), rect.top, wide.c_str(), static_cast<int>(wide.size()));
}
