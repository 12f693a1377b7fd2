#include "UiPixels.h"

#include <cstdlib>

namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class DibCanvas {
public:
    DibCanvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        if (bitmap_) old_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas()
    {
        if (old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool IsValid() const { return bitmap_ && bits_; }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const
    {
        DWORD bgrx = bits_[y * width_ + x];
        return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
    }
    void Fill(COLORREF colour) const
    {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

bool Near(COLORREF a, COLORREF b)
{
    const int tolerance = 8;
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace

std::vector<COLORREF> UiPixels::Capture(const UiWindow& window, const RECT& client)
{
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    DibCanvas canvas(width, height);
    // Wine gives no device context for a window of another process
    // (GetDC returns one that cannot be read): read the screen instead.
    POINT origin = window.ClientToScreen(POINT{client.left, client.top});
    HDC screen = GetDC(nullptr);
    if (!canvas.IsValid() || !screen) return pixels;
    BOOL copied = BitBlt(canvas.Dc(), 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (!copied) return pixels;
    GdiFlush();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(canvas.At(x, y));
    return pixels;
}

int UiPixels::Count(const UiWindow& window, const RECT& client, COLORREF colour)
{
    int count = 0;
    for (COLORREF pixel : Capture(window, client))
        if (pixel == colour) ++count;
    return count;
}

double UiPixels::SystemIconMatch(const UiWindow& iconControl, LPCSTR iconId)
{
    int size = GetSystemMetrics(SM_CXICON);
    HICON icon = LoadIconA(nullptr, iconId);
    std::vector<COLORREF> shown = Capture(iconControl, RECT{0, 0, size, size});
    if (!icon || shown.empty()) return 0.0;
    // A pixel that comes out the same over black and over white is opaque.
    DibCanvas overBlack(size, size);
    DibCanvas overWhite(size, size);
    if (!overBlack.IsValid() || !overWhite.IsValid()) return 0.0;
    overBlack.Fill(RGB(0, 0, 0));
    overWhite.Fill(RGB(255, 255, 255));
    DrawIconEx(overBlack.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    DrawIconEx(overWhite.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    int opaque = 0;
    int same = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            COLORREF pixel = overBlack.At(x, y);
            if (pixel != overWhite.At(x, y)) continue;
            ++opaque;
            if (Near(pixel, shown[y * size + x])) ++same;
        }
    }
    return opaque ? static_cast<double>(same) / opaque : 0.0;
}
