// Top-level windows: the main window and dialogs, with a modal mode.
#pragma once

#include "toolkit/WinControl.h"

enum class TBorderStyle { Sizeable, Dialog, Single, SizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { Designed, ScreenCenter };

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrYes = IDYES, mrNo = IDNO;

class TButton;

class TForm : public TWinControl {
public:
    TForm(TComponent* owner, std::string className);
    ~TForm() override;

    using TControl::Caption;
    using TControl::SetCaption;
    // Client size in the 96-DPI layout.
    void SetDesignClientSize(int width, int height);
    void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    void SetPosition(TPosition position) { position_ = position; }
    void SetIcon(HICON icon);

    void Show();
    void Hide();
    virtual void Close();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    // Buttons answering Enter and Esc (only while visible and enabled).
    void SetDefaultButton(TButton* button) { defaultButton_ = button; }
    void SetCancelButton(TButton* button) { cancelButton_ = button; }

    void SaveFocus();
    void RestoreFocus();
    // Builds every window of the form once its controls are in place.
    void FinishCreation();

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CenterOnScreen();
    LRESULT OnActivate(WPARAM wParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);

private:
    std::string className_;
    TBorderStyle borderStyle_ = TBorderStyle::Sizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::Designed;
    HICON icon_ = nullptr;
    bool shownOnce_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    HWND lastFocus_ = nullptr;
    TButton* defaultButton_ = nullptr;  // not owned
    TButton* cancelButton_ = nullptr;   // not owned
};
