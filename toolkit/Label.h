// A windowless text that sizes itself to its text.
#pragma once

#include "toolkit/Control.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    using TControl::Caption;
    using TControl::SetCaption;
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Sizes to the text in the parent's font.
    void AdjustSize();
    void SetBounds(int left, int top, int width, int height) override;
    // An auto-sized label may draw up to one character past its measured
    // width: Wine measures a font with bitmap strikes by its outlines but
    // draws the bitmaps, which are wider for some letters.
    RECT PaintRect() const override;

protected:
    void Paint() override;
    void CaptionChanged() override;

private:
    void TakeParentFont();

    bool autoSize_ = true;
};
