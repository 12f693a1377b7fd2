// The fonts the windows draw with, as drawn: text rendered with GDI into a
// DIB section and its ink counted where a stroke must be. Under Wine these
// hold only with the prefix that scripts/wine-env.sh sets up: an outline face
// at 12 px drops one-pixel horizontal strokes (the hyphen vanishes, "写"
// reads as "与"), and without Marlett the caption buttons show letters.
#include "toolkit/Graphics.h"

#include "WindowPixels.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// Ink pixels in the columns of the first hyphen of `text`.
int HyphenInk(HFONT font, const std::string& text)
{
    int from = 0, to = 0;
    Raster raster = Render(font, text, 160, text.find('-'), &from, &to);
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

// Every font Chinese text is drawn with: the one every form, and so every
// control, uses ("宋体", 12 px, GB2312); the names Chinese text reaches a face
// by (SimSun is what "MS Shell Dlg" stands for, NSimSun and 新宋体 are the
// program's and the font links' next choices); and the menu, message and
// status fonts. (The caption font is bold: no face here has bold strikes, so
// it is an anti-aliased outline whichever face SimSun stands for.)
TEST(FontTest, EveryChineseFontDrawsHyphensAndEveryHorizontalStroke)
{
    TFont formFont;
    formFont.SetName("宋体");
    formFont.SetHeight(12);
    formFont.SetCharset(GB2312_CHARSET);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    std::vector<std::pair<std::string, HFONT>> fonts{{"form font", formFont.Handle()}};
    for (const char* name : {"SimSun", "NSimSun", "新宋体"}) fonts.emplace_back(name, CreateFace(name, GB2312_CHARSET));
    for (const LOGFONTW* logFont : {&metrics.lfMenuFont, &metrics.lfMessageFont, &metrics.lfStatusFont})
        fonts.emplace_back(Narrow(logFont->lfFaceName), CreateFontIndirectW(logFont));
    for (const auto& [name, font] : fonts) {
        SCOPED_TRACE(name);
        ExpectCrisp(font);
        if (font != formFont.Handle()) DeleteObject(font);
    }
}

// Faces linked in from fonts-wine: the caption buttons' glyphs (minimise "0",
// maximise "1", close "r") come from Marlett, and without it the letters
// themselves are drawn; the hyperlinks draw with MS Sans Serif.
TEST(FontTest, LinkedFacesAreThere)
{
    const struct {
        const char* face;
        BYTE charset;
        int height;
    } faces[] = {{"Marlett", SYMBOL_CHARSET, 12}, {"MS Sans Serif", ANSI_CHARSET, 11}};
    for (const auto& f : faces) {
        HFONT font = CreateFace(f.face, f.charset, f.height);
        EXPECT_EQ(FaceOf(font), f.face);
        DeleteObject(font);
    }
}
