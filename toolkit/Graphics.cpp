#include "toolkit/Graphics.h"

#include "core/PictureScaling.h"
#include "platform/WideText.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {
int dpiSet = 0;
}  // namespace

int ScreenDpi()
{
    static int dpi = [] {
        HDC dc = GetDC(nullptr);
        int value = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        return value > 0 ? value : 96;
    }();
    return dpiSet ? dpiSet : dpi;
}

void SetScreenDpi(int dpi)
{
    dpiSet = dpi > 0 ? dpi : 0;
}

int Scale(int designPixels)
{
    return MulDiv(designPixels, ScreenDpi(), 96);
}

static int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

static bool FaceExists(const std::string& face, BYTE charset)
{
    LOGFONTW query{};
    query.lfCharSet = charset;
    lstrcpynW(query.lfFaceName, Widen(face).c_str(), LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &query, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

std::string AvailableFace(const std::string& face, BYTE charset)
{
    if (face.empty() || FaceExists(face, charset)) return face;
    // Stand-ins that carry the same script; the font mapper is the last resort.
    for (const char* candidate : {"SimSun", "NSimSun", "WenQuanYi Zen Hei", "Microsoft YaHei"}) {
        if (FaceExists(candidate, charset)) return candidate;
    }
    return face;
}

void TFont::Assign(const TFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    charset_ = other.charset_;
    style_ = other.style_;
    color_ = other.color_;
    Release();
}

HFONT TFont::Handle()
{
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = -Scale(height_);
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfCharSet = charset_;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, Widen(AvailableFace(name_, charset_)).c_str(), LF_FACESIZE);
        handle_.reset(CreateFontIndirectW(&lf));
        if (!handle_) handle_.reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
    return handle_.get();
}

TCanvas::TCanvas() : brushColor_(GetSysColor(COLOR_BTNFACE)) {}

SIZE TCanvas::TextExtent(const std::string& text)
{
    SIZE size{0, 0};
    HDC dc = dc_ ? dc_ : GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    if (text.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        size.cy = tm.tmHeight;
    } else {
        const std::wstring wide = Widen(text);
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    SelectObject(dc, old);
    if (!dc_) ReleaseDC(nullptr, dc);
    return size;
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    if (!dc_) return;
    HGDIOBJ old = SelectObject(dc_, font_.Handle());
    SetTextColor(dc_, font_.Color());
    SetBkMode(dc_, TRANSPARENT);
    const std::wstring wide = Widen(text);
    ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(dc_, old);
}

void TCanvas::FillRect(const RECT& rect)
{
    if (!dc_) return;
    HBRUSH brush = CreateSolidBrush(brushColor_);
    ::FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

RECT TCanvas::ClipRect() const
{
    RECT rect{0, 0, 0, 0};
    if (dc_) GetClipBox(dc_, &rect);
    return rect;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, std::abs(info.bmHeight)};
}

namespace {

// A bitmap selected into a memory DC, with its size and its transparent
// colour: the colour of its bottom-left pixel.
class SelectedBitmap {
public:
    SelectedBitmap(HDC dc, HBITMAP bitmap) : size_(BitmapSize(bitmap))
    {
        if (!size_.cx) return;
        source_ = CreateCompatibleDC(dc);
        old_ = SelectObject(source_, bitmap);
        transparent_ = GetPixel(source_, 0, size_.cy - 1);
    }
    ~SelectedBitmap()
    {
        if (!source_) return;
        SelectObject(source_, old_);
        DeleteDC(source_);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;

    bool Empty() const { return !source_; }
    HDC Source() const { return source_; }
    SIZE Size() const { return size_; }
    COLORREF Transparent() const { return transparent_; }

private:
    SIZE size_;
    HDC source_ = nullptr;
    HGDIOBJ old_ = nullptr;
    COLORREF transparent_ = 0;
};

}  // namespace

void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y)
{
    SelectedBitmap picture(dc, bitmap);
    if (picture.Empty()) return;
    const SIZE size = picture.Size();
    TransparentBlt(dc, x, y, size.cx, size.cy, picture.Source(), 0, 0, size.cx, size.cy, picture.Transparent());
}

void DrawDisabledBitmap(HDC dc, HBITMAP bitmap, int x, int y)
{
    // Embossed look: the picture's shape in highlight, then in shadow.
    SelectedBitmap picture(dc, bitmap);
    if (picture.Empty()) return;
    const SIZE size = picture.Size();
    for (int row = 0; row < size.cy; ++row) {
        for (int col = 0; col < size.cx; ++col) {
            if (GetPixel(picture.Source(), col, row) == picture.Transparent()) continue;
            SetPixel(dc, x + col + 1, y + row + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            SetPixel(dc, x + col, y + row, GetSysColor(COLOR_BTNSHADOW));
        }
    }
}

namespace {

// 32-bit pixels, rows from the top: 0x00RRGGBB in memory order, as core::Picture holds them.
BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

OwnedGdiObject<HBITMAP> ScaledToScreen(OwnedGdiObject<HBITMAP> bitmap)
{
    const SIZE size = BitmapSize(bitmap.get());
    const int width = Scale(size.cx), height = Scale(size.cy);
    if (!size.cx || (width == size.cx && height == size.cy)) return bitmap;

    core::Picture source{size.cx, size.cy, std::vector<uint32_t>(static_cast<size_t>(size.cx) * size.cy)};
    BITMAPINFO info = TopDownInfo(size.cx, size.cy);
    HDC screen = GetDC(nullptr);
    const bool read = GetDIBits(screen, bitmap.get(), 0, size.cy, source.pixels.data(), &info, DIB_RGB_COLORS) != 0;
    ReleaseDC(nullptr, screen);
    if (!read) return bitmap;
    for (uint32_t& pixel : source.pixels) pixel &= 0xFFFFFF;  // the fourth byte is unused
    const core::Picture scaled =
        core::ScalePicture(source, width, height, source.pixels[static_cast<size_t>(size.cy - 1) * size.cx]);

    info = TopDownInfo(width, height);
    void* bits = nullptr;
    OwnedGdiObject<HBITMAP> made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!made || !bits) return bitmap;
    std::memcpy(bits, scaled.pixels.data(), scaled.pixels.size() * sizeof scaled.pixels[0]);
    return made;
}
