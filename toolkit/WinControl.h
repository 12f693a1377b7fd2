// A control with its own window. The window is bound to its object in one
// place (WM_NCCREATE); the window procedure only unpacks and dispatches.
#pragma once

#include "toolkit/Control.h"

#include <windows.h>

#include <string>
#include <vector>

struct TCreateParams {
    std::string className;  // registered as a superclass of baseClass, or as our own
    const char* baseClass = nullptr;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    std::string caption;
    HWND parentWindow = nullptr;
    UINT classStyle = CS_DBLCLKS;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();  // creates the window on first use
    bool HandleAllocated() const { return handle_ != nullptr; }
    void DestroyHandle();
    static TWinControl* FromHandle(HWND window);
    // The window procedure of every class the toolkit registers.
    static const WNDPROC WindowProc;

    void SetParent(TWinControl* parent) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    bool IsWindowed() const override { return true; }

    const std::vector<TControl*>& Controls() const { return controls_; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    TFont& Font() { return font_; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    std::string Text() const;
    void SetText(const std::string& text);

    void SetFocus();

    // Lays out aligned children and applies anchors.
    void Realign();
    // While a window's controls are being placed, aligning waits, so the
    // stacking follows the positions given rather than the order of calls.
    static void DisableAlign() { ++alignLock_; }
    static void EnableAlign() { --alignLock_; }
    virtual RECT AlignRect();
    int ClientWidth();
    int ClientHeight();

    void Invalidate() override;
    void Repaint() override;
    // Whole-tree operations used by forms after construction.

    // Messages sent to this control's parent that concern it (commands,
    // owner drawing, notifications); return true when handled.
    virtual bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void CaptionChanged() override;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void HandleCreated() {}
    virtual void PaintWindow(HDC dc);
    virtual bool OwnPaint() const { return true; }  // false for standard controls
    virtual bool EraseBackground(HDC dc);
    virtual void Resized() {}
    void PaintControls(HDC dc);
    void BoundsChanged() override;

    // Named handlers for the messages the toolkit itself handles.
    LRESULT OnPaint();
    LRESULT OnSize();
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave();
    bool OnSetCursor(LPARAM lParam);
    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ForwardToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    TFont font_;
    TColor color_;
    OwnedGdiObject<HBRUSH> brush_;
    bool tabStop_ = false;
    bool trackingMouse_ = false;
    TControl* hotControl_ = nullptr;      // windowless child under the mouse; not owned
    TControl* captureControl_ = nullptr;  // windowless child that took the press; not owned
    std::vector<TControl*> controls_;     // children in z order; not owned
    static int alignLock_;

private:
    TControl* GraphicControlAt(int x, int y);
    void AlignControls(RECT& rect, TAlign align);
};
