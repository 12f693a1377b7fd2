// An entry in the taskbar's notification area: icon, tooltip, mouse events
// and a popup menu on a right click. A hidden window receives the shell's
// callbacks.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Control.h"
#include "toolkit/Icon.h"
#include "toolkit/Object.h"
#include "toolkit/UtilityWindow.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>

class TImageList;
class TPopupMenu;

class EantTaskbarIcon : public Exception {
public:
    using Exception::Exception;
};

class TantTaskbarIcon : public TComponent {
public:
    // The message the shell sends to the hidden window.
    static constexpr UINT CallbackMessage = WM_USER + 1;
    // The longest tooltip in bytes; the record's field holds it and a NUL.
    static constexpr std::size_t MaxHintBytes = 63;
    // What a taskbar broadcasts to every top-level window when it starts:
    // after Explorer restarts, and when the notification area first appears.
    static UINT TaskbarCreatedMessage();

    explicit TantTaskbarIcon(TComponent* owner);
    ~TantTaskbarIcon() override;

    // The owned icon; changing it in place reaches the entry with the next UpDate or ShowIcon.
    TIcon& Icon() { return icon_; }
    const TIcon& Icon() const { return icon_; }
    TImageList* ImageList() const { return imageList_; }
    int ImageIndex() const { return imageIndex_; }
    int IconID() const { return iconID_; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    const std::string& Hint() const { return hint_; }
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    HWND WindowHandle() const { return window_.Handle(); }

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnPopupMenu;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual void AddToTaskbar();
    virtual void DeleteFromTaskbar();
    virtual void UpdateFromImageList();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    virtual void SetIcon(const TIcon& icon);
    virtual void SetImageList(TImageList* imageList);
    virtual void SetImageIndex(int index);
    virtual void SetIconID(int id);
    virtual void SetVisible(bool visible);
    virtual void SetEnabled(bool enabled);
    virtual void SetHint(const std::string& hint);
    virtual void UpDate();
    virtual void ShowIcon();
    virtual void HideIcon();
    virtual void PopupAtCursor();

protected:
    // Every message of the hidden window comes here.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Rebuilds the record that every shell call gets.
    virtual void FillIconData();

private:
    void CallShell(DWORD command, const char* failureFormat);
    void TaskbarCreated();
    TShiftState GetShiftState() const;
    void HandleLeftButtonDown(POINT cursor);
    void HandleLeftButtonUp(POINT cursor);
    void HandleRightButtonDown(POINT cursor);
    void HandleRightButtonUp(POINT cursor);

    TIcon icon_;
    TImageList* imageList_ = nullptr;  // not owned
    int imageIndex_ = 0;
    int iconID_ = 0;
    bool visible_ = false;
    bool enabled_ = true;
    std::string hint_;
    TPopupMenu* popupMenu_ = nullptr;  // not owned
    UINT iconFlags_ = NIF_MESSAGE | NIF_TIP;
    bool leftButtonDown_ = false;
    NOTIFYICONDATAW iconData_{};
    TUtilityWindow window_;
};
