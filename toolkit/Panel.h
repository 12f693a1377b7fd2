// A container with a raised inner bevel inside a lowered outer bevel.
#pragma once

#include "toolkit/WinControl.h"

enum class TBevel { None, Lowered, Raised };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    void SetBevelOuter(TBevel bevel)
    {
        bevelOuter_ = bevel;
        Invalidate();
    }
    void SetBevelInner(TBevel bevel)
    {
        bevelInner_ = bevel;
        Invalidate();
    }
    RECT AlignRect() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    int BevelWidth() const;

private:
    TBevel bevelOuter_ = TBevel::Lowered;
    TBevel bevelInner_ = TBevel::Raised;
};
