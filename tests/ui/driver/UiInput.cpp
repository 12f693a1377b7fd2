#include "UiInput.h"

#include "UiWindow.h"
#include "platform/WideText.h"

#include <utility>

namespace {

// Gives the target's thread time to take the queued input in.
constexpr DWORD kSettleMs = 30;

bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE: return true;
    default: return false;
    }
}

}  // namespace

bool UiInput::BringToFront(const UiWindow& window, DWORD timeoutMs)
{
    HWND root = window.Root().Handle();
    if (!root) return false;
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetForegroundWindow() != root) {
        SetForegroundWindow(root);
        if (GetForegroundWindow() == root) break;
        if (GetTickCount64() >= deadline) return false;
        Sleep(UiWindow::kPollMs);
    }
    // Wine activates the window of another process without raising it.
    SetWindowPos(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

// Whether a click at screen reaches window. Another process raises its window
// only when it handles the activation, some time after SetForegroundWindow.
bool UiInput::IsUnder(const UiWindow& window, POINT screen)
{
    HWND target = window.Handle();
    HWND hit = WindowFromPoint(screen);
    if (hit == target || IsChild(target, hit)) return true;
    // A disabled control is passed over: its parent receives the click.
    return !IsWindowEnabled(target) && IsChild(hit, target);
}

bool UiInput::MoveTo(const UiWindow& window, POINT client)
{
    if (!BringToFront(window)) return false;
    POINT screen = window.ClientToScreen(client);
    // Wine can deliver a stale pointer motion after a move, putting the cursor
    // back, and a window that is just starting can still raise itself over the
    // target: wait until the cursor rests on the target, acting again if not.
    int steady = 0;
    ULONGLONG deadline = GetTickCount64() + 3000;
    SendMove(screen);
    while (steady < 2) {
        Sleep(10);
        POINT now{};
        GetCursorPos(&now);
        bool onPoint = now.x == screen.x && now.y == screen.y;
        if (onPoint && IsUnder(window, screen)) {
            ++steady;
            continue;
        }
        steady = 0;
        if (GetTickCount64() >= deadline) return false;
        if (onPoint)
            BringToFront(window);
        else
            SendMove(screen);
    }
    return true;
}

bool UiInput::Click(const UiWindow& window, POINT client, Button button, unsigned modifiers)
{
    if (!MoveTo(window, client)) return false;
    POINT screen = window.ClientToScreen(client);
    SendModifiers(modifiers, true);
    SendButton(button, true, screen);
    SendButton(button, false, screen);
    SendModifiers(modifiers, false);
    Sleep(kSettleMs);
    return true;
}

bool UiInput::DoubleClick(const UiWindow& window, POINT client)
{
    if (!MoveTo(window, client)) return false;
    POINT screen = window.ClientToScreen(client);
    for (int i = 0; i < 2; ++i) {
        SendButton(Button::Left, true, screen);
        SendButton(Button::Left, false, screen);
    }
    Sleep(kSettleMs);
    return true;
}

bool UiInput::ClickCentre(const UiWindow& window, Button button)
{
    SIZE size = window.ClientSize();
    return Click(window, POINT{size.cx / 2, size.cy / 2}, button);
}

bool UiInput::Type(const UiWindow& window, const std::string& text)
{
    for (char c : text)
        if (!(c == '\n' || c == '\t' || (c >= 0x20 && c < 0x7f))) return false;
    if (!BringToFront(window)) return false;
    for (char c : text) {
        if (c == '\n' || c == '\t') {
            WORD vk = c == '\n' ? VK_RETURN : VK_TAB;
            SendKey(vk, true);
            SendKey(vk, false);
            continue;
        }
        SHORT scan = VkKeyScanA(c);
        unsigned modifiers = (scan & 0x100) ? Shift : None;
        SendModifiers(modifiers, true);
        SendKey(LOBYTE(scan), true);
        SendKey(LOBYTE(scan), false);
        SendModifiers(modifiers, false);
    }
    Sleep(kSettleMs);
    return true;
}

// The characters go to the focused control as sent WM_CHAR messages, one per
// UTF-16 unit, to the wide window procedure as they are.
bool UiInput::TypeChars(const UiWindow& window, const std::string& text)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window.Handle(), nullptr);
    HWND focus = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : window.Handle();
    for (wchar_t unit : Widen(text)) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(focus, WM_CHAR, unit, 1, SMTO_ABORTIFHUNG, UiWindow::kSendTimeoutMs, &result))
            return false;
    }
    return true;
}

bool UiInput::Press(const UiWindow& window, WORD vk, unsigned modifiers)
{
    if (!BringToFront(window)) return false;
    return PressToFocused(vk, modifiers);
}

bool UiInput::PressToFocused(WORD vk, unsigned modifiers)
{
    SendModifiers(modifiers, true);
    SendKey(vk, true);
    SendKey(vk, false);
    SendModifiers(modifiers, false);
    Sleep(kSettleMs);
    return true;
}

void UiInput::SendModifiers(unsigned modifiers, bool down)
{
    const std::pair<unsigned, WORD> keys[] = {{Ctrl, VK_CONTROL}, {Shift, VK_SHIFT}, {Alt, VK_MENU}};
    for (const auto& key : keys)
        if (modifiers & key.first) SendKey(key.second, down);
    if (!down) return;
    // Wine re-reads the keyboard from X when the focus moves, which can drop a
    // modifier just pressed: wait until the server holds it, pressing it again.
    ULONGLONG deadline = GetTickCount64() + 1000;
    for (;;) {
        bool allDown = true;
        for (const auto& key : keys) {
            if ((modifiers & key.first) && GetAsyncKeyState(key.second) >= 0) {
                allDown = false;
                SendKey(key.second, true);
            }
        }
        if (allDown || GetTickCount64() >= deadline) return;
        Sleep(10);
    }
}

void UiInput::SendKey(WORD vk, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &input, sizeof input);
}

INPUT UiInput::MouseAt(POINT screen, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void UiInput::SendMove(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input = MouseAt(screen, 0);
    SendInput(1, &input, sizeof input);
}

// The button event carries the position too, so it cannot land elsewhere.
void UiInput::SendButton(Button button, bool down, POINT screen)
{
    DWORD flags;
    if (button == Button::Left)
        flags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    else
        flags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    INPUT input = MouseAt(screen, flags);
    SendInput(1, &input, sizeof input);
}
