#include "toolkit/Label.h"

#include "toolkit/WinControl.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {}

void TLabel::TakeParentFont()
{
    if (parent_) Canvas().Font().Assign(parent_->Font());
}

void TLabel::CaptionChanged()
{
    AdjustSize();
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!autoSize_) return;
    TakeParentFont();
    SetBounds(left_, top_, width_, height_);
}

void TLabel::SetBounds(int left, int top, int width, int height)
{
    if (autoSize_) {
        TakeParentFont();
        SIZE size = Canvas().TextExtent(caption_);
        width = size.cx;
        height = size.cy;
    }
    int keepRight = anchorRight_;
    TGraphicControl::SetBounds(left, top, width, height);
    if (autoSize_) anchorRight_ = keepRight;
}

RECT TLabel::PaintRect() const
{
    RECT rect = BoundsRect();
    if (autoSize_) rect.right += height_;
    return rect;
}

void TLabel::Paint()
{
    TakeParentFont();
    Canvas().Font().SetColor(enabled_ ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT));
    Canvas().TextOut(0, 0, caption_);
}
