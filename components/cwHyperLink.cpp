#include "components/cwHyperLink.h"

#include "platform/WideText.h"
#include "resources/maker.h"
#include "toolkit/Application.h"
#include "toolkit/SystemPictures.h"

#include <shellapi.h>

THyperLinkCalls& HyperLinkCalls()
{
    static THyperLinkCalls calls{ShellExecuteW};
    return calls;
}

TcwHyperLink::TcwHyperLink(TComponent* owner) : TGraphicControl(owner)
{
    url_ = BRISEL_HYPERLINK_AUTHOR_URL;
    caption_ = url_;
    SetBounds(left_, top_, 100, 10);
    Canvas().Font().SetStyle(fsBold | fsUnderline);
    linkColor_ = clBlue;
    Canvas().Font().SetColor(clBlue);
    SetColor(GetSysColor(COLOR_BTNFACE));
    SetCursor(SystemCursor(IDC_HAND));
    Repaint();
}

void TcwHyperLink::SetFontName(const std::string& fontName)
{
    if (fontName == fontName_) return;
    fontName_ = fontName;
    Canvas().Font().SetName(fontName);
    Repaint();
}

void TcwHyperLink::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Canvas().SetBrushColor(color);
    Repaint();
}

void TcwHyperLink::CaptionChanged()
{
    Repaint();
}

void TcwHyperLink::SetURL(const std::string& url)
{
    url_ = url;
}

void TcwHyperLink::Paint()
{
    ++paintCount_;
    TCanvas& canvas = Canvas();
    // The stored size is only a start value: the link always fits its text.
    SIZE text = canvas.TextExtent(caption_);
    SetBounds(left_, top_, text.cx + 6, text.cy + 2);
    canvas.FillRect(canvas.ClipRect());
    canvas.TextOut(3, 1, caption_);
}

void TcwHyperLink::MouseEnter()
{
    Canvas().Font().SetColor(clRed);
    Repaint();
}

void TcwHyperLink::MouseLeave()
{
    Canvas().Font().SetColor(linkColor_);
    Repaint();
}

bool TcwHyperLink::MouseMessage(UINT message, WPARAM wParam, int x, int y)
{
    // Only a plain press opens the address; the second press of a double
    // click arrives as WM_LBUTTONDBLCLK and opens nothing.
    if (message == WM_LBUTTONDOWN && !Designing()) OpenURL();
    return TGraphicControl::MouseMessage(message, wParam, x, y);
}

void TcwHyperLink::OpenURL()
{
    // A failed launch is not reported; the link counts as visited all the same.
    HWND owner = Application ? Application->Handle() : nullptr;
    HyperLinkCalls().shellExecute(owner, L"open", Widen(url_).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    linkColor_ = clFuchsia;
}
