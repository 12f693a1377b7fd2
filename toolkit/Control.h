// Visual controls: bounds, alignment, anchors, visibility and mouse events.
// TWinControl adds a window; TGraphicControl paints on its parent's.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

#include <windows.h>

#include <functional>

class TWinControl;

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

enum class TMouseButton { Left, Right, Middle };
enum TShiftBits : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

TShiftState KeysToShiftState(WPARAM keys);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    // Where the control may draw on its parent: its bounds, unless it says otherwise.
    virtual RECT PaintRect() const { return BoundsRect(); }
    virtual void SetBounds(int left, int top, int width, int height);
    // Bounds in the 96-DPI layout, scaled to the screen.
    void SetDesignBounds(int left, int top, int width, int height);
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    void SetAnchors(unsigned anchors) { anchors_ = anchors; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    HCURSOR Cursor() const { return cursor_; }
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Runs the click handler, as a click by the user would.
    virtual void Click();
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    virtual void Invalidate();
    virtual void Repaint();
    virtual bool IsWindowed() const { return false; }

    // Mouse notices, in client coordinates of this control.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void DblClick() { Fire(OnDblClick, this); }
    // Raw mouse messages for a windowless control; return true when handled.
    virtual bool MouseMessage(UINT message, WPARAM wParam, int x, int y);

    // Keeps the distances to the anchored edges of the parent's client area.
    void AnchorToParent();
    void ParentResized(int parentWidth, int parentHeight);
    bool MouseInside() const { return mouseInside_; }
    void SetMouseInside(bool inside) { mouseInside_ = inside; }
    void SetDesigning(bool designing) { designing_ = designing; }

protected:
    friend class TWinControl;
    virtual void BoundsChanged() {}
    // The window text of a windowed control, the drawn text of a windowless
    // one; the controls that show a caption make these two public.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    virtual void CaptionChanged() {}
    // No designer here: only tests set it, to check design-time behaviour.
    bool Designing() const { return designing_; }

    TWinControl* parent_ = nullptr;  // not owned
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int anchorRight_ = 0, anchorBottom_ = 0;
    TAlign align_ = TAlign::None;
    unsigned anchors_ = akLeft | akTop;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    bool mouseInside_ = false;
    bool designing_ = false;
    int tag_ = 0;
    HCURSOR cursor_ = nullptr;
    std::string hint_;
    std::string caption_;
};

// A windowless control painting on its parent with its own canvas.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    TCanvas& Canvas() { return canvas_; }
    // Called by the parent with a context whose origin is this control's corner.
    void PaintOn(HDC dc);

protected:
    virtual void Paint() = 0;

private:
    TCanvas canvas_;
};
