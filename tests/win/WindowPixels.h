// Reading back what a window shows, for tests that check drawn colours.
#pragma once

#include <windows.h>

// How many pixels of the client rectangle `area` have exactly `colour`.
inline int CountPixels(HWND window, const RECT& area, COLORREF colour)
{
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (GetPixel(dc, x, y) == colour) ++count;
        }
    }
    ReleaseDC(window, dc);
    return count;
}
