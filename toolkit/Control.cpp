#include "toolkit/Control.h"

#include "toolkit/WinControl.h"

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl()
{
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent_ == parent) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = nullptr;
    if (parent) parent->InsertControl(this);  // sets parent_
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    if (!IsWindowed()) Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    AnchorToParent();
    BoundsChanged();
    if (!IsWindowed()) Invalidate();
    if (parent_ && align_ != TAlign::None) parent_->Realign();
}

void TControl::SetDesignBounds(int left, int top, int width, int height)
{
    SetBounds(Scale(left), Scale(top), Scale(width), Scale(height));
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    CaptionChanged();
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool visible)
{
    if (visible_ == visible) return;
    visible_ = visible;
    Invalidate();
    if (parent_ && align_ != TAlign::None) parent_->Realign();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Invalidate();
}

void TControl::Click()
{
    Fire(OnClick, this);
}

void TControl::Invalidate()
{
    if (!parent_ || !parent_->HandleAllocated()) return;
    RECT rect = PaintRect();
    InvalidateRect(parent_->Handle(), &rect, TRUE);
}

void TControl::Repaint()
{
    Invalidate();
    if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    Fire(OnMouseDown, this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    Fire(OnMouseUp, this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState, int, int) {}

bool TControl::MouseMessage(UINT message, WPARAM wParam, int x, int y)
{
    TShiftState shift = KeysToShiftState(wParam);
    switch (message) {
    case WM_LBUTTONDOWN: MouseDown(TMouseButton::Left, shift, x, y); return true;
    case WM_RBUTTONDOWN: MouseDown(TMouseButton::Right, shift, x, y); return true;
    case WM_LBUTTONDBLCLK:
        DblClick();
        MouseDown(TMouseButton::Left, shift | ssDouble, x, y);
        return true;
    case WM_LBUTTONUP: MouseUp(TMouseButton::Left, shift, x, y); return true;
    case WM_RBUTTONUP: MouseUp(TMouseButton::Right, shift, x, y); return true;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); return true;
    default: return false;
    }
}

void TControl::AnchorToParent()
{
    if (!parent_) return;
    RECT area = parent_->AlignRect();
    anchorRight_ = area.right - (left_ + width_);
    anchorBottom_ = area.bottom - (top_ + height_);
}

void TControl::ParentResized(int parentRight, int parentBottom)
{
    if (align_ != TAlign::None) return;
    int left = left_, top = top_, width = width_, height = height_;
    if (anchors_ & akRight) {
        if (anchors_ & akLeft)
            width = parentRight - anchorRight_ - left;
        else
            left = parentRight - anchorRight_ - width;
    }
    if (anchors_ & akBottom) {
        if (anchors_ & akTop)
            height = parentBottom - anchorBottom_ - top;
        else
            top = parentBottom - anchorBottom_ - height;
    }
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    int keepRight = anchorRight_, keepBottom = anchorBottom_;
    SetBounds(left, top, width, height);
    anchorRight_ = keepRight;
    anchorBottom_ = keepBottom;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintOn(HDC dc)
{
    canvas_.Bind(dc);
    Paint();
    canvas_.Bind(nullptr);
}
