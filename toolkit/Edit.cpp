#include "toolkit/Edit.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner)
{
    tabStop_ = true;
    color_ = GetSysColor(COLOR_WINDOW);
}

void TEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.className = "TEdit";
    params.baseClass = "EDIT";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | ES_LEFT;
    params.exStyle = WS_EX_CLIENTEDGE;
}
