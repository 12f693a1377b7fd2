#include "toolkit/MessageDialog.h"

#include "platform/WideText.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/SystemPictures.h"

#include <algorithm>

namespace {
constexpr int kMargin = 8;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
}  // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& caption, const std::string& message)
    : TForm(owner, "TMessageForm"), message_(message)
{
    SetCaption(caption);
    SetBorderStyle(TBorderStyle::Dialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::ScreenCenter);
    Font().SetName("宋体");
    Font().SetHeight(12);
    Font().SetCharset(GB2312_CHARSET);

    // Measure the wrapped text to size the dialog around it.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    RECT text{0, 0, Scale(320), 0};
    const std::wstring wide = Widen(message_);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);

    int margin = Scale(kMargin), icon = Scale(kIconSize);
    int textLeft = margin * 2 + icon;
    int textHeight = std::max<int>(text.bottom, icon);
    textRect_ = RECT{textLeft, margin * 2, textLeft + text.right, margin * 2 + text.bottom};
    int buttonsWidth = Scale(kButtonWidth) * 2 + Scale(kButtonGap);
    int clientWidth = std::max<int>(textLeft + text.right + margin * 2, buttonsWidth + margin * 4);
    int buttonTop = margin * 2 + textHeight + margin * 2;
    int clientHeight = buttonTop + Scale(kButtonHeight) + margin * 2;

    int buttonLeft = (clientWidth - buttonsWidth) / 2;
    // The buttons are owned by the form as components.
    TButton* yes = new TButton(this);
    yes->SetParent(this);
    yes->SetCaption("是[&Y]");
    yes->SetDefault(true);
    yes->SetModalResult(mrYes);
    yes->SetBounds(buttonLeft, buttonTop, Scale(kButtonWidth), Scale(kButtonHeight));
    TButton* no = new TButton(this);
    no->SetParent(this);
    no->SetCaption("否[&N]");
    no->SetModalResult(mrNo);
    no->SetBounds(buttonLeft + Scale(kButtonWidth) + Scale(kButtonGap), buttonTop, Scale(kButtonWidth),
                  Scale(kButtonHeight));
    SetDefaultButton(yes);
    SetCancelButton(no);

    TCreateParams params;
    CreateParams(params);
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, params.style, FALSE, params.exStyle);
    SetBounds(0, 0, outer.right - outer.left, outer.bottom - outer.top);
    FinishCreation();
}

void TMessageForm::PaintWindow(HDC dc)
{
    int margin = Scale(kMargin);
    DrawIconEx(dc, margin, margin * 2, SystemIcon(IDI_QUESTION), Scale(kIconSize), Scale(kIconSize), 0, nullptr,
               DI_NORMAL);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT rect = textRect_;
    const std::wstring message = Widen(message_);
    DrawTextW(dc, message.c_str(), static_cast<int>(message.size()), &rect, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
}

TModalResult ConfirmationDialog(const std::string& message)
{
    TMessageForm form(nullptr, "确认", message);
    return form.ShowModal();
}
