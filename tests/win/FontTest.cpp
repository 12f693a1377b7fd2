// The fonts the windows draw with, as drawn: text rendered with GDI into a
// DIB section and its ink counted where a stroke must be. Under Wine these
// hold only with the prefix that scripts/wine-env.sh sets up: an outline face
// at 12 px drops one-pixel horizontal strokes (the hyphen vanishes, "写"
// reads as "与"), and without Marlett the caption buttons show letters.
#include "toolkit/Graphics.h"

#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Black text on white, 32 bits a pixel.
struct Raster {
    int width = 160;
    int height = 40;
    std::vector<DWORD> pixels;
    bool Ink(int x, int y) const
    {
        DWORD p = pixels[y * width + x];
        return ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / 3 < 128;
    }
};

const int kLeft = 4, kTop = 4;

// Draws `text` at (kLeft, kTop); `before` receives the advance of its first
// `prefix` bytes and `through` that of one character more.
Raster Render(HFONT font, const std::string& text, size_t prefix = 0, int* before = nullptr, int* through = nullptr)
{
    Raster raster;
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

// Ink pixels in the columns of the first hyphen of `text`.
int HyphenInk(HFONT font, const std::string& text)
{
    int from = 0, to = 0;
    Raster raster = Render(font, text, text.find('-'), &from, &to);
    int ink = 0;
    for (int y = 0; y < raster.height; ++y) {
        for (int x = from; x < to; ++x) ink += raster.Ink(x, y);
    }
    return ink;
}

// Horizontal strokes of one character: runs of adjacent rows that hold a
// stretch of at least five inked pixels side by side.
int HorizontalStrokes(HFONT font, const std::string& character)
{
    Raster raster = Render(font, character);
    int strokes = 0;
    bool inStroke = false;
    for (int y = 0; y < raster.height; ++y) {
        int run = 0, longest = 0;
        for (int x = 0; x < raster.width; ++x) {
            run = raster.Ink(x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        bool stroke = longest >= 5;
        if (stroke && !inStroke) ++strokes;
        inStroke = stroke;
    }
    return strokes;
}

std::string FaceOf(HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    return Narrow(face);
}

// The texts of the issue: a path with a hyphen, and three characters whose
// horizontal strokes went missing.
const char* const kPath = "Z:\\tmp\\brisel-demo";
const char* const kWrite = "写";   // the cover of 冖 and the three of 与
const char* const kChange = "更";  // the top stroke and the three of 日
const char* const kText = "文";    // the long stroke under the dot

void ExpectCrisp(HFONT font)
{
    std::string face = FaceOf(font);
    EXPECT_GT(HyphenInk(font, kPath), 0) << "the hyphen vanishes in face " << face;
    EXPECT_GE(HorizontalStrokes(font, kWrite), 4) << "face " << face;
    EXPECT_GE(HorizontalStrokes(font, kChange), 4) << "face " << face;
    EXPECT_GE(HorizontalStrokes(font, kText), 1) << "face " << face;
}

HFONT CreateFace(const char* face, BYTE charset, int height = 12, int weight = FW_NORMAL)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, Widen(face).c_str());
}

}  // namespace

// The font every form, and so every control, draws with: "宋体", 12 px, GB2312.
TEST(FontTest, FormFontDrawsHyphensAndEveryHorizontalStroke)
{
    TFont font;
    font.SetName("宋体");
    font.SetHeight(12);
    font.SetCharset(GB2312_CHARSET);
    ExpectCrisp(font.Handle());
}

// The other names Chinese text reaches a face by: SimSun is what "MS Shell Dlg"
// stands for (the caption, menu, status and message fonts), NSimSun and 新宋体
// are the program's and the font links' next choices.
TEST(FontTest, StandInNamesDrawEveryHorizontalStroke)
{
    for (const char* name : {"SimSun", "NSimSun", "新宋体"}) {
        SCOPED_TRACE(name);
        HFONT font = CreateFace(name, GB2312_CHARSET);
        ExpectCrisp(font);
        DeleteObject(font);
    }
}

// What the menus, message boxes and status bars are drawn with. (The caption
// font is bold: no face here has bold strikes, so it is an anti-aliased
// outline whichever face SimSun stands for.)
TEST(FontTest, SystemMenuAndMessageFontsDrawEveryHorizontalStroke)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (const LOGFONTW* logFont : {&metrics.lfMenuFont, &metrics.lfMessageFont, &metrics.lfStatusFont}) {
        SCOPED_TRACE(Narrow(logFont->lfFaceName));
        HFONT font = CreateFontIndirectW(logFont);
        ExpectCrisp(font);
        DeleteObject(font);
    }
}

// The caption buttons' glyphs (minimise "0", maximise "1", close "r") come
// from Marlett; without it the letters themselves are drawn.
TEST(FontTest, MarlettIsThere)
{
    HFONT font = CreateFace("Marlett", SYMBOL_CHARSET);
    EXPECT_EQ(FaceOf(font), "Marlett");
    DeleteObject(font);
}

TEST(FontTest, MsSansSerifIsThere)
{
    HFONT font = CreateFace("MS Sans Serif", ANSI_CHARSET, 11);
    EXPECT_EQ(FaceOf(font), "MS Sans Serif");
    DeleteObject(font);
}
