// A flat picture button: no border until the mouse is over it, never takes
// the focus (it has no window), picture left of the caption.
#pragma once

#include "toolkit/Control.h"

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    using TControl::Caption;
    using TControl::SetCaption;
    // Takes ownership of the bitmap, a picture made for 96 DPI.
    void SetGlyph(HBITMAP glyph);
    HBITMAP Glyph() const { return glyph_.get(); }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override { Invalidate(); }
    void MouseLeave() override { Invalidate(); }

protected:
    void Paint() override;
    void CaptionChanged() override;

private:
    OwnedGdiObject<HBITMAP> glyph_;
    bool down_ = false;
};
