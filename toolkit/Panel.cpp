#include "toolkit/Panel.h"

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {}

void TPanel::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.className = "TPanel";
    params.exStyle |= WS_EX_CONTROLPARENT;
}

int TPanel::BevelWidth() const
{
    return (bevelOuter_ != TBevel::None ? 1 : 0) + (bevelInner_ != TBevel::None ? 1 : 0);
}

RECT TPanel::AlignRect()
{
    RECT rect = TWinControl::AlignRect();
    InflateRect(&rect, -BevelWidth(), -BevelWidth());
    return rect;
}

static void DrawBevel(HDC dc, RECT& rect, TBevel bevel)
{
    if (bevel == TBevel::None) return;
    UINT edge = bevel == TBevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
    DrawEdge(dc, &rect, edge, BF_RECT | BF_ADJUST);
}

void TPanel::PaintWindow(HDC dc)
{
    RECT rect;
    GetClientRect(handle_, &rect);
    DrawBevel(dc, rect, bevelOuter_);
    DrawBevel(dc, rect, bevelInner_);
}
