#include "toolkit/WinControl.h"

#include "platform/WideText.h"
#include "toolkit/Application.h"
#include "toolkit/BoundWindowProc.h"
#include "toolkit/SystemPictures.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

namespace {

// Default procedures of the classes this toolkit registers, by class atom.
// Every class is wide, superclasses of standard controls too: a window whose
// procedures mix ANSI and wide would have its text messages translated.
std::map<ATOM, WNDPROC>& DefaultProcs()
{
    static std::map<ATOM, WNDPROC> procs;
    return procs;
}

WNDPROC RegisterToolkitClass(const TCreateParams& params)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{sizeof cls};
    WNDPROC defaultProc = DefWindowProcW;
    if (params.baseClass) {
        if (!GetClassInfoExW(nullptr, Widen(params.baseClass).c_str(), &cls)) return nullptr;
        defaultProc = cls.lpfnWndProc;
        cls.cbSize = sizeof cls;
    } else {
        cls.style = params.classStyle;
        cls.hCursor = SystemCursor(IDC_ARROW);
        cls.hbrBackground = params.background;
        cls.hIcon = params.icon;
    }
    cls.hInstance = instance;
    const std::wstring className = Widen(params.className);
    cls.lpszClassName = className.c_str();
    cls.lpfnWndProc = TWinControl::WindowProc;
    cls.style &= ~CS_GLOBALCLASS;
    ATOM atom = RegisterClassExW(&cls);
    if (!atom) return nullptr;
    DefaultProcs()[atom] = defaultProc;
    return defaultProc;
}

WNDPROC EnsureClass(const TCreateParams& params)
{
    WNDCLASSEXW cls{sizeof cls};
    ATOM atom = static_cast<ATOM>(GetClassInfoExW(GetModuleHandleW(nullptr), Widen(params.className).c_str(), &cls));
    if (atom) {
        auto found = DefaultProcs().find(atom);
        if (found != DefaultProcs().end()) return found->second;
    }
    return RegisterToolkitClass(params);
}

// Messages of a toolkit class's window that has no object (created by someone
// else) go to the class's default procedure.
LRESULT CALLBACK CallDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto found = DefaultProcs().find(static_cast<ATOM>(GetClassLongPtrW(window, GCW_ATOM)));
    WNDPROC proc = found != DefaultProcs().end() ? found->second : DefWindowProcW;
    return CallWindowProcW(proc, window, message, wParam, lParam);
}

int NextControlId()
{
    static int id = 100;
    return ++id;
}

}  // namespace

const WNDPROC TWinControl::WindowProc =
    BoundWindowProc<TWinControl, &TWinControl::handle_, &TWinControl::WndProc, CallDefaultProc>;

TWinControl::TWinControl(TComponent* owner) : TControl(owner), color_(GetSysColor(COLOR_BTNFACE)) {}

TWinControl::~TWinControl()
{
    DestroyHandle();
    for (TControl* child : controls_) child->parent_ = nullptr;
}

TWinControl* TWinControl::FromHandle(HWND window)
{
    if (!window) return nullptr;
    // Asked wide: for a wide window the ANSI call gives a stand-in, not the procedure.
    WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (proc != WindowProc) return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HWND TWinControl::Handle()
{
    if (!handle_) CreateWnd();
    return handle_;
}

void TWinControl::DestroyHandle()
{
    if (handle_) DestroyWindow(handle_);
    handle_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.className = "TWinControl";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    if (parent_) params.parentWindow = parent_->Handle();
    params.caption = caption_;
    CreateParams(params);
    if (handle_) return;  // the parent's creation created this one too
    defaultProc_ = EnsureClass(params);
    if (visible_) params.style |= WS_VISIBLE;
    if (!enabled_) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    HMENU id = nullptr;
    if (params.style & WS_CHILD) id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId()));
    if (parent_) font_.Assign(parent_->Font());
    CreateWindowExW(params.exStyle, Widen(params.className).c_str(), Widen(params.caption).c_str(), params.style, left_,
                    top_, width_, height_, params.parentWindow, id, GetModuleHandleW(nullptr), this);
    if (!handle_) throw Exception("Cannot create window " + params.className);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    HandleCreated();
    for (TControl* child : controls_) {
        if (child->IsWindowed()) static_cast<TWinControl*>(child)->Handle();
    }
    Realign();
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
    if (handle_ && parent) ::SetParent(handle_, parent->Handle());
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    control->AnchorToParent();
    if (handle_ && control->IsWindowed()) static_cast<TWinControl*>(control)->Handle();
    if (control->Align() != TAlign::None) Realign();
}

void TWinControl::RemoveControl(TControl* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (hotControl_ == control) hotControl_ = nullptr;
    if (captureControl_ == control) captureControl_ = nullptr;
    control->parent_ = nullptr;
}

void TWinControl::BoundsChanged()
{
    if (handle_) {
        SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        Realign();
    }
}

void TWinControl::SetVisible(bool visible)
{
    if (visible_ == visible) return;
    visible_ = visible;
    if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ && align_ != TAlign::None) parent_->Realign();
}

void TWinControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (handle_) EnableWindow(handle_, enabled);
}

void TWinControl::SetColor(TColor color)
{
    color_ = color;
    brush_.reset();
    Invalidate();
}

std::string TWinControl::Text() const
{
    if (!handle_) return caption_;
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(handle_, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied));
    return Narrow(text);
}

void TWinControl::SetText(const std::string& text)
{
    // Always written: the user may have typed over the window's text.
    caption_ = text;
    CaptionChanged();
}

void TWinControl::CaptionChanged()
{
    if (handle_) SetWindowTextW(handle_, Widen(caption_).c_str());
}

void TWinControl::SetFocus()
{
    ::SetFocus(Handle());
}

int TWinControl::ClientWidth()
{
    if (!handle_) return width_;
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.right;
}

int TWinControl::ClientHeight()
{
    if (!handle_) return height_;
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.bottom;
}

RECT TWinControl::AlignRect()
{
    return RECT{0, 0, ClientWidth(), ClientHeight()};
}

void TWinControl::AlignControls(RECT& rect, TAlign align)
{
    std::vector<TControl*> list;
    for (TControl* child : controls_) {
        if (child->Align() == align && child->Visible()) list.push_back(child);
    }
    // Controls stack in the order of their positions, as laid out.
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
        switch (align) {
        case TAlign::Top: return a->Top() < b->Top();
        case TAlign::Bottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case TAlign::Left: return a->Left() < b->Left();
        case TAlign::Right: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
        }
    });
    for (TControl* child : list) {
        int w = rect.right - rect.left, h = rect.bottom - rect.top;
        switch (align) {
        case TAlign::Top:
            child->SetBounds(rect.left, rect.top, w, child->Height());
            rect.top += child->Height();
            break;
        case TAlign::Bottom:
            child->SetBounds(rect.left, rect.bottom - child->Height(), w, child->Height());
            rect.bottom -= child->Height();
            break;
        case TAlign::Left:
            child->SetBounds(rect.left, rect.top, child->Width(), h);
            rect.left += child->Width();
            break;
        case TAlign::Right:
            child->SetBounds(rect.right - child->Width(), rect.top, child->Width(), h);
            rect.right -= child->Width();
            break;
        case TAlign::Client: child->SetBounds(rect.left, rect.top, std::max(0, w), std::max(0, h)); break;
        default: break;
        }
    }
}

int TWinControl::alignLock_ = 0;

void TWinControl::Realign()
{
    if (alignLock_ > 0) return;
    RECT rect = AlignRect();
    RECT area = rect;
    for (TAlign align : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        AlignControls(rect, align);
    }
    for (TControl* child : controls_) child->ParentResized(area.right, area.bottom);
}

void TWinControl::Invalidate()
{
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Repaint()
{
    if (!handle_) return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(defaultProc_ ? defaultProc_ : DefWindowProcW, handle_, message, wParam, lParam);
}

bool TWinControl::Reflected(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT TWinControl::ForwardToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = FromHandle(child);
    LRESULT result = 0;
    if (control && control->Reflected(message, wParam, lParam, result)) return result;
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (OwnPaint()) return OnPaint();
        break;
    case WM_ERASEBKGND:
        if (OwnPaint() && EraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
        break;
    case WM_SIZE: OnSize(); break;
    case WM_COMMAND:
        if (lParam) return ForwardToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam);
        break;
    case WM_NOTIFY: return ForwardToChild(reinterpret_cast<NMHDR*>(lParam)->hwndFrom, message, wParam, lParam);
    case WM_DRAWITEM:
        return ForwardToChild(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam);
    case WM_MEASUREITEM: return ForwardToChild(GetDlgItem(handle_, static_cast<int>(wParam)), message, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnCtlColor(message, wParam, lParam);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        if (OwnPaint()) return OnMouse(message, wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        if (OwnPaint()) return OnMouseLeave();
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(lParam)) return TRUE;
        break;
    default: break;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    PaintWindow(dc);
    PaintControls(dc);
    EndPaint(handle_, &ps);
    return 0;
}

bool TWinControl::EraseBackground(HDC dc)
{
    RECT rect;
    GetClientRect(handle_, &rect);
    HBRUSH brush = CreateSolidBrush(color_);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    return true;
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc)
{
    for (TControl* child : controls_) {
        if (child->IsWindowed() || !child->Visible()) continue;
        RECT bounds = child->BoundsRect();
        RECT paint = child->PaintRect();
        RECT clip;
        if (GetClipBox(dc, &clip) != NULLREGION && !IntersectRect(&clip, &clip, &paint)) continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, paint.left, paint.top, paint.right, paint.bottom);
        SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        static_cast<TGraphicControl*>(child)->PaintOn(dc);
        RestoreDC(dc, saved);
    }
}

LRESULT TWinControl::OnSize()
{
    Realign();
    Resized();
    return 0;
}

TControl* TWinControl::GraphicControlAt(int x, int y)
{
    POINT point{x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* child = *it;
        if (child->IsWindowed() || !child->Visible()) continue;
        RECT bounds = child->BoundsRect();
        if (PtInRect(&bounds, point)) return child;
    }
    return nullptr;
}

LRESULT TWinControl::OnMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    TControl* target = captureControl_ ? captureControl_ : GraphicControlAt(x, y);
    if (message == WM_MOUSEMOVE) {
        TControl* hot = GraphicControlAt(x, y);
        if (hot != hotControl_) {
            if (hotControl_) {
                hotControl_->SetMouseInside(false);
                hotControl_->MouseLeave();
            }
            hotControl_ = hot;
            if (hot) {
                hot->SetMouseInside(true);
                hot->MouseEnter();
            }
        }
        if (!trackingMouse_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
            trackingMouse_ = TrackMouseEvent(&track) != FALSE;
        }
    }
    if (target && target->Enabled()) {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
            captureControl_ = target;
            SetCapture(handle_);
        }
        bool releasing = message == WM_LBUTTONUP || message == WM_RBUTTONUP;
        if (releasing) {
            captureControl_ = nullptr;
            if (GetCapture() == handle_) ReleaseCapture();
        }
        target->MouseMessage(message, wParam, x - target->Left(), y - target->Top());
        return 0;
    }
    if (message == WM_LBUTTONUP || message == WM_RBUTTONUP) {
        captureControl_ = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::OnMouseLeave()
{
    trackingMouse_ = false;
    if (hotControl_) {
        TControl* left = hotControl_;
        hotControl_ = nullptr;
        left->SetMouseInside(false);
        left->MouseLeave();
    }
    return 0;
}

bool TWinControl::OnSetCursor(LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(handle_, &point);
    TControl* child = GraphicControlAt(point.x, point.y);
    HCURSOR cursor = child ? child->Cursor() : cursor_;
    if (!cursor) return false;
    ::SetCursor(cursor);
    return true;
}

LRESULT TWinControl::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam)
{
    TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
    if (child && (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, child->color_);
        if (!child->brush_) child->brush_.reset(CreateSolidBrush(child->color_));
        return reinterpret_cast<LRESULT>(child->brush_.get());
    }
    return DefaultHandler(message, wParam, lParam);
}
