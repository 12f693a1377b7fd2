// Fonts, colours, screen scaling and a canvas over a device context.
#pragma once

#include "toolkit/OwnedGdi.h"

#include <windows.h>

#include <string>

using TColor = COLORREF;
constexpr TColor clBlue = RGB(0, 0, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clLime = RGB(0, 255, 0);

// The layout is made for 96 pixels per inch; Scale maps it to the screen.
// SetScreenDpi lays out as for another screen (what is made afterwards), and
// 0 returns to the screen's own.
int ScreenDpi();
void SetScreenDpi(int dpi);
int Scale(int designPixels);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

class TFont {
public:
    void Assign(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { Change(name_, name); }
    int Height() const { return height_; }  // character height in design pixels
    void SetHeight(int height) { Change(height_, height); }
    void SetCharset(BYTE charset) { Change(charset_, charset); }
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style) { Change(style_, style); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    HFONT Handle();

private:
    // A changed setting makes a new font at the next Handle().
    template <class T> void Change(T& field, const T& value)
    {
        field = value;
        Release();
    }
    void Release() { handle_.reset(); }

    std::string name_ = "MS Sans Serif";
    int height_ = 11;  // 8 points at 96 pixels per inch
    BYTE charset_ = DEFAULT_CHARSET;
    unsigned style_ = 0;
    TColor color_ = GetSysColor(COLOR_WINDOWTEXT);
    OwnedGdiObject<HFONT> handle_;
};

// A font face that exists on this system: the face asked for, else a stand-in.
std::string AvailableFace(const std::string& face, BYTE charset);

class TCanvas {
public:
    TCanvas();
    TFont& Font() { return font_; }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color; }

    // Measures and draws on the bound device context; measuring without one
    // uses a screen-compatible context.
    void Bind(HDC dc) { dc_ = dc; }
    HDC Handle() const { return dc_; }
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    void TextOut(int x, int y, const std::string& text);
    void FillRect(const RECT& rect);
    RECT ClipRect() const;

private:
    TFont font_;
    TColor brushColor_;
    HDC dc_ = nullptr;
};

// Draws a bitmap with the colour of its bottom-left pixel left transparent.
void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y);
void DrawDisabledBitmap(HDC dc, HBITMAP bitmap, int x, int y);
SIZE BitmapSize(HBITMAP bitmap);
// A picture made for 96 DPI at the screen's scale: the bitmap itself at 96 DPI,
// else a resized copy that keeps its bottom-left colour transparent.
OwnedGdiObject<HBITMAP> ScaledToScreen(OwnedGdiObject<HBITMAP> bitmap);
