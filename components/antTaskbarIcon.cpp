#include "components/antTaskbarIcon.h"

#include "components/TaskbarIconCalls.h"
#include "core/Messages.h"
#include "platform/WideText.h"
#include "toolkit/Application.h"
#include "toolkit/ImageList.h"
#include "toolkit/PopupMenu.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>

namespace {

// The record's first layout: the shell reads no further than the 64-character tooltip.
constexpr DWORD iconDataSize = offsetof(NOTIFYICONDATAW, szTip) + 64 * sizeof(WCHAR);
static_assert(iconDataSize == NOTIFYICONDATAW_V1_SIZE, "first NOTIFYICONDATAW layout");

const char* const addFailed = "%s.AddToTaskbar failed";
const char* const deleteFailed = "%s.DeleteFromTaskbar failed";
const char* const updateFailed = "%s.UpDate failed";

std::string FormatName(const std::string& format, const std::string& name)
{
    std::string text = format;
    std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, name);
    return text;
}

}  // namespace

UINT TantTaskbarIcon::TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TantTaskbarIcon::TantTaskbarIcon(TComponent* owner) : TComponent(owner)
{
    // A top-level window, not a message-only one, which gets no broadcasts.
    window_.Create([this](UINT message, WPARAM wParam, LPARAM lParam) { return WndProc(message, wParam, lParam); });
    // Run as administrator, the program would otherwise never hear the
    // broadcast of an Explorer running as the user.
    ChangeWindowMessageFilterEx(window_.Handle(), TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
}

TantTaskbarIcon::~TantTaskbarIcon()
{
    // A destructor must not throw: a failed removal is dropped here.
    try {
        SetVisible(false);
    } catch (...) {
    }
    window_.Destroy();
}

void TantTaskbarIcon::Loaded()
{
    TComponent::Loaded();
    // Visible was read before the tooltip and the handlers: add the entry once more.
    if (visible_) ShowIcon();
}

void TantTaskbarIcon::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::Remove) {
        if (component == popupMenu_) popupMenu_ = nullptr;
        if (component == imageList_) imageList_ = nullptr;
    }
    TComponent::Notification(component, operation);
}

LRESULT TantTaskbarIcon::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TaskbarCreatedMessage()) {
        TaskbarCreated();
        return 0;
    }
    if (message != CallbackMessage || !enabled_) return DefWindowProcW(window_.Handle(), message, wParam, lParam);
    POINT cursor{};
    CallTable<TaskbarIconCalls>::Current().getCursorPos(&cursor);
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN: HandleLeftButtonDown(cursor); break;
    case WM_LBUTTONUP: HandleLeftButtonUp(cursor); break;
    case WM_LBUTTONDBLCLK: DblClick(); break;
    case WM_RBUTTONDOWN: HandleRightButtonDown(cursor); break;
    case WM_RBUTTONUP: HandleRightButtonUp(cursor); break;
    default: break;
    }
    return 0;
}

void TantTaskbarIcon::FillIconData()
{
    iconData_ = NOTIFYICONDATAW{};
    iconData_.cbSize = iconDataSize;
    iconData_.hWnd = window_.Handle();
    iconData_.uID = static_cast<UINT>(iconID_);
    iconData_.uFlags = iconFlags_;
    iconData_.uCallbackMessage = CallbackMessage;
    iconData_.hIcon = icon_.Handle();
    // The hint holds at most 63 bytes, so at most 63 UTF-16 units: the field keeps its NUL.
    const std::wstring tip = Widen(hint_);
    std::wmemcpy(iconData_.szTip, tip.data(), std::min<std::size_t>(tip.size(), MaxHintBytes));
}

void TantTaskbarIcon::AddToTaskbar()
{
    CallShell(NIM_ADD, addFailed);
}

void TantTaskbarIcon::DeleteFromTaskbar()
{
    CallShell(NIM_DELETE, deleteFailed);
}

void TantTaskbarIcon::UpDate()
{
    CallShell(NIM_MODIFY, updateFailed);
}

// The shell's answer is not looked at: a refused add, modify or delete changes nothing.
void TantTaskbarIcon::CallShell(DWORD command, const char* failureFormat)
{
    try {
        FillIconData();
        CallTable<TaskbarIconCalls>::Current().shellNotifyIcon(command, &iconData_);
    } catch (...) {
        throw EantTaskbarIcon(FormatName(failureFormat, Name()));
    }
}

// The new notification area holds nothing of this program's: a shown entry
// is added again, also one whose first add the shell refused (at logon, before
// the notification area was there), which is why a refusal is no failure.
void TantTaskbarIcon::TaskbarCreated()
{
    if (visible_) AddToTaskbar();
}

void TantTaskbarIcon::UpdateFromImageList()
{
    if (!imageList_) return;
    icon_.Clear();
    imageList_->GetIcon(imageIndex_, icon_);
    UpDate();
}

void TantTaskbarIcon::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    Fire(OnMouseDown, this, button, shift, x, y);
}

void TantTaskbarIcon::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    CallTable<TaskbarIconCalls>::Current().setForegroundWindow(Application ? Application->Handle() : nullptr);
    Fire(OnMouseUp, this, button, shift, x, y);
}

void TantTaskbarIcon::Click()
{
    Fire(OnClick, this);
}

void TantTaskbarIcon::DblClick()
{
    Fire(OnDblClick, this);
}

void TantTaskbarIcon::SetIcon(const TIcon& icon)
{
    icon_.Assign(icon);
    UpDate();
}

void TantTaskbarIcon::SetImageList(TImageList* imageList)
{
    imageList_ = imageList;
    UpdateFromImageList();
}

void TantTaskbarIcon::SetImageIndex(int index)
{
    imageIndex_ = index;
    UpdateFromImageList();
}

void TantTaskbarIcon::SetIconID(int id)
{
    if (id == iconID_) return;
    bool wasVisible = visible_;
    SetVisible(false);
    iconID_ = id;
    SetVisible(wasVisible);
}

void TantTaskbarIcon::SetVisible(bool visible)
{
    if (visible == visible_) return;
    visible_ = visible;
    if (visible) {
        ShowIcon();
    } else {
        HideIcon();
    }
}

void TantTaskbarIcon::SetEnabled(bool enabled)
{
    enabled_ = enabled;
}

void TantTaskbarIcon::SetHint(const std::string& hint)
{
    hint_ = core::CutToBytes(hint, MaxHintBytes);
    UpDate();
}

void TantTaskbarIcon::ShowIcon()
{
    iconFlags_ |= NIF_ICON;
    AddToTaskbar();
    visible_ = true;
    Fire(OnShow, this);
}

void TantTaskbarIcon::HideIcon()
{
    iconFlags_ &= ~static_cast<UINT>(NIF_ICON);
    DeleteFromTaskbar();
    visible_ = false;
    Fire(OnHide, this);
}

void TantTaskbarIcon::PopupAtCursor()
{
    if (!popupMenu_) return;
    const TaskbarIconCalls& calls = CallTable<TaskbarIconCalls>::Current();
    POINT cursor{};
    calls.getCursorPos(&cursor);
    popupMenu_->Popup(cursor.x, cursor.y);
    // Without a message after it, the next tray menu may not close on an outside click.
    calls.postMessage(window_.Handle(), WM_NULL, 0, 0);
    Fire(OnPopupMenu, this);
}

TShiftState TantTaskbarIcon::GetShiftState() const
{
    const TaskbarIconCalls& calls = CallTable<TaskbarIconCalls>::Current();
    TShiftState shift = 0;
    if (calls.getKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (calls.getKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (calls.getKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

void TantTaskbarIcon::HandleLeftButtonDown(POINT cursor)
{
    leftButtonDown_ = true;
    MouseDown(TMouseButton::Left, GetShiftState() | ssLeft, cursor.x, cursor.y);
}

void TantTaskbarIcon::HandleLeftButtonUp(POINT cursor)
{
    MouseUp(TMouseButton::Left, GetShiftState() | ssLeft, cursor.x, cursor.y);
    bool pressed = leftButtonDown_;
    leftButtonDown_ = false;  // cleared first, so a failing handler leaves no stale press
    if (pressed) Click();
}

void TantTaskbarIcon::HandleRightButtonDown(POINT cursor)
{
    // The menu opened on release only closes on an outside click while this thread is in front.
    CallTable<TaskbarIconCalls>::Current().setForegroundWindow(window_.Handle());
    MouseDown(TMouseButton::Right, GetShiftState() | ssRight, cursor.x, cursor.y);
}

void TantTaskbarIcon::HandleRightButtonUp(POINT cursor)
{
    PopupAtCursor();
    // The position is where the release happened; the keys are as they are after the menu.
    MouseUp(TMouseButton::Right, GetShiftState() | ssRight, cursor.x, cursor.y);
}
