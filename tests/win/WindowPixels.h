// Reading back what a window, or text drawn off screen, shows: for tests that
// check drawn colours and strokes.
#pragma once

#include "platform/WideText.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

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

// Black text drawn off screen on white, 32 bits a pixel.
struct Raster {
    int width = 160;
    int height = 40;
    std::vector<DWORD> pixels;
    bool Ink(int x, int y) const
    {
        DWORD p = pixels[y * width + x];
        return ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / 3 < 128;
    }
    // Pixels of exactly black, as CountPixels counts them on a window.
    int Black() const
    {
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](DWORD p) { return !(p & 0xFFFFFF); }));
    }
};

// Draws `text` in a raster `width` wide at (4, 4); `before` receives the
// advance of its first `prefix` bytes and `through` that of one character more.
inline Raster Render(HFONT font, const std::string& text, int width = 160, size_t prefix = 0, int* before = nullptr,
                     int* through = nullptr)
{
    const int kLeft = 4, kTop = 4;
    Raster raster;
    raster.width = width;
    raster.pixels.resize(raster.width * raster.height);
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = raster.width;
    info.bmiHeader.biHeight = -raster.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, raster.width, raster.height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = Widen(text);
    TextOutW(dc, kLeft, kTop, wide.c_str(), static_cast<int>(wide.size()));
    if (before && through) {
        SIZE a{}, b{};
        const int units = static_cast<int>(Widen(text.substr(0, prefix)).size());
        GetTextExtentPoint32W(dc, wide.c_str(), units, &a);
        GetTextExtentPoint32W(dc, wide.c_str(), units + 1, &b);
        *before = kLeft + a.cx;
        *through = kLeft + b.cx;
    }
    GdiFlush();
    std::copy_n(static_cast<const DWORD*>(bits), raster.pixels.size(), raster.pixels.begin());
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return raster;
}
