#include "UiInput.h"

#include "UiWindow.h"

#include <utility>

namespace {

// Gives the target's thread time to take the queued input in.
constexpr DWORD kSettleMs = 30;

bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool UiInput::BringToFront(const UiWindow& window, DWORD timeoutMs)
{
    HWND root = window.Root().Handle();
    if (!root)
        return false;
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetForegroundWindow() != root) {
        if (IsIconic(root))
            ShowWindow(root, SW_RESTORE);
        SetForegroundWindow(root);
        if (GetForegroundWindow() == root)
            break;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(UiWindow::kPollMs);
    }
    return true;
}

bool UiInput::MoveTo(const UiWindow& window, POINT client)
{
    if (!BringToFront(window))
        return false;
    POINT screen = window.ClientToScreen(client);
    SendMove(screen);
    Sleep(kSettleMs);
    return true;
}

bool UiInput::Click(const UiWindow& window, POINT client, Button button, unsigned modifiers)
{
    if (!MoveTo(window, client))
        return false;
    SendModifiers(modifiers, true);
    SendButton(button, true);
    SendButton(button, false);
    SendModifiers(modifiers, false);
    Sleep(kSettleMs);
    return true;
}

bool UiInput::DoubleClick(const UiWindow& window, POINT client)
{
    if (!MoveTo(window, client))
        return false;
    for (int i = 0; i < 2; ++i) {
        SendButton(Button::Left, true);
        SendButton(Button::Left, false);
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
    if (!BringToFront(window))
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n' || c == '\t') {
            WORD vk = c == '\n' ? VK_RETURN : VK_TAB;
            SendKey(vk, true);
            SendKey(vk, false);
        } else if (c >= 0x20 && c < 0x7f) {
            SHORT scan = VkKeyScanA(static_cast<char>(c));
            unsigned modifiers = (scan & 0x100) ? Shift : None;
            SendModifiers(modifiers, true);
            SendKey(LOBYTE(scan), true);
            SendKey(LOBYTE(scan), false);
            SendModifiers(modifiers, false);
        } else {
            int length = IsDBCSLeadByte(c) && i + 1 < text.size() ? 2 : 1;
            wchar_t wide[2] = {};
            int count = MultiByteToWideChar(CP_ACP, 0, &text[i], length, wide, 2);
            for (int k = 0; k < count; ++k)
                SendChar(wide[k]);
            i += length - 1;
        }
    }
    Sleep(kSettleMs);
    return true;
}

bool UiInput::Press(const UiWindow& window, WORD vk, unsigned modifiers)
{
    if (!BringToFront(window))
        return false;
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
        if (modifiers & key.first)
            SendKey(key.second, down);
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

void UiInput::SendChar(wchar_t ch)
{
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = ch;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof inputs[0]);
}

void UiInput::SendMove(POINT screen)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void UiInput::SendButton(Button button, bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (button == Button::Left)
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    else
        input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    SendInput(1, &input, sizeof input);
}
