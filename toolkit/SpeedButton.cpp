#include "toolkit/SpeedButton.h"

#include "toolkit/WinControl.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {}

void TSpeedButton::SetGlyph(HBITMAP glyph)
{
    glyph_ = ScaledToScreen(OwnedGdiObject<HBITMAP>(glyph));
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) {
        down_ = true;
        Repaint();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool wasDown = down_;
    down_ = false;
    if (wasDown) Repaint();
    TGraphicControl::MouseUp(button, shift, x, y);
    // A press released outside the button is no click.
    if (button == TMouseButton::Left && wasDown && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
}

void TSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    RECT rect{0, 0, width_, height_};
    canvas.SetBrushColor(GetSysColor(COLOR_BTNFACE));
    canvas.FillRect(rect);
    bool hot = MouseInside() && enabled_;
    if (down_ && hot)
        DrawEdge(canvas.Handle(), &rect, BDR_SUNKENOUTER, BF_RECT);
    else if (hot)
        DrawEdge(canvas.Handle(), &rect, BDR_RAISEDINNER, BF_RECT);

    if (parent_) canvas.Font().Assign(parent_->Font());
    canvas.Font().SetColor(GetSysColor(enabled_ ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SIZE glyph = BitmapSize(glyph_.get());
    SIZE text = canvas.TextExtent(caption_);
    const int spacing = caption_.empty() || !glyph.cx ? 0 : Scale(4);
    int total = glyph.cx + spacing + (caption_.empty() ? 0 : text.cx);
    int x = (width_ - total) / 2 + (down_ && hot ? 1 : 0);
    int y = down_ && hot ? 1 : 0;
    if (glyph_) {
        int gy = (height_ - glyph.cy) / 2 + y;
        if (enabled_)
            DrawTransparentBitmap(canvas.Handle(), glyph_.get(), x, gy);
        else
            DrawDisabledBitmap(canvas.Handle(), glyph_.get(), x, gy);
    }
    if (!caption_.empty()) canvas.TextOut(x + glyph.cx + spacing, (height_ - text.cy) / 2 + y, caption_);
}

void TSpeedButton::CaptionChanged()
{
    Invalidate();
}
