// What the owner-drawn list box and drop-down list share.
#pragma once

#include <windows.h>

#include <string>

// The text of item index, asked with the control's length and text messages.
std::string ItemTextOf(HWND control, UINT lengthMessage, UINT textMessage, int index);
// Fills the item and writes its text 2 pixels from the left, at the top.
void DrawTextItem(HDC dc, const RECT& rect, const std::string& text, bool selected);
