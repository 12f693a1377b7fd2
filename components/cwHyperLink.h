// A one-line link label: drawn in link style, red while the mouse is over
// it, and opening its address in the default browser when pressed.
#pragma once

#include "toolkit/Control.h"

#include <windows.h>

#include <string>

// The shell call the link makes, replaceable so tests can watch it.
struct THyperLinkCalls {
    HINSTANCE(WINAPI* shellExecute)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
};
THyperLinkCalls& HyperLinkCalls();

class TcwHyperLink : public TGraphicControl {
public:
    explicit TcwHyperLink(TComponent* owner);

    const std::string& FontName() const { return fontName_; }
    void SetFontName(const std::string& fontName);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    using TControl::Caption;
    using TControl::SetCaption;
    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url);

    // How often the link has painted itself; lets tests see repaints.
    int PaintCount() const { return paintCount_; }

    void MouseEnter() override;
    void MouseLeave() override;
    bool MouseMessage(UINT message, WPARAM wParam, int x, int y) override;

protected:
    void Paint() override;
    void CaptionChanged() override;

private:
    void OpenURL();

    std::string fontName_;
    TColor color_ = CLR_INVALID;  // so the first SetColor always reaches the brush
    std::string url_;
    TColor linkColor_ = clBlue;
    int paintCount_ = 0;
};
