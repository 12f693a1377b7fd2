#include "toolkit/Image.h"

#include "platform/WideText.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {}

bool TImage::LoadJpeg(const unsigned char* data, size_t size)
{
    if (!data || !size) return false;
    JpegPixels pixels;
    if (!DecodeJpeg(data, size, pixels)) return false;
    HBITMAP bitmap = CreateDibFromPixels(pixels);
    if (!bitmap) return false;
    bitmap_.reset(bitmap);
    pixels_ = std::move(pixels);
    FitToPicture();
    Invalidate();
    return true;
}

bool TImage::LoadJpegResource(const char* name)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, Widen(name).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return false;
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return false;
    return LoadJpeg(static_cast<const unsigned char*>(data), SizeofResource(module, info));
}

void TImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitToPicture();
}

void TImage::FitToPicture()
{
    if (autoSize_ && bitmap_) SetBounds(left_, top_, pixels_.width, pixels_.height);
}

void TImage::Paint()
{
    if (!bitmap_) return;
    HDC dc = Canvas().Handle();
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_.get());
    int x = (width_ - pixels_.width) / 2, y = (height_ - pixels_.height) / 2;
    BitBlt(dc, x, y, pixels_.width, pixels_.height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}
