#pragma once
#include <windows.h>

#include <string>

class UiWindow;

// Real input (SendInput) aimed at windows of another process. Every call first
// makes the target's top-level window the foreground window.
class UiInput {
public:
    enum Modifier : unsigned { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };
    enum class Button { Left, Right };

    // Makes window's top-level window the foreground window; false if it
    // did not become foreground within timeoutMs. A minimised window is not
    // restored: that is the program's business.
    static bool BringToFront(const UiWindow& window, DWORD timeoutMs = 2000);

    // Moves the cursor to a point in window's client coordinates; false if
    // the cursor does not rest there on window (or one of its children).
    static bool MoveTo(const UiWindow& window, POINT client);
    // Click at a point in window's client coordinates, with modifiers held.
    static bool Click(const UiWindow& window, POINT client, Button button = Button::Left, unsigned modifiers = None);
    static bool DoubleClick(const UiWindow& window, POINT client);
    // Click at the centre of window's client area.
    static bool ClickCentre(const UiWindow& window, Button button = Button::Left);

    // Types ASCII text as real keys into the focused control of window's
    // thread ('\n' is Enter, '\t' is Tab); false for any other character.
    static bool Type(const UiWindow& window, const std::string& text);
    // Puts any text into the focused control of window's thread as WM_CHAR
    // messages: not real input. The messages are sent, so they overtake keys
    // still queued by Type: wait for those to show first.
    static bool TypeChars(const UiWindow& window, const std::string& text);
    // Presses and releases vk with modifiers held (VK_RETURN, VK_ESCAPE,
    // VK_TAB, VK_F4 with Alt, ...).
    static bool Press(const UiWindow& window, WORD vk, unsigned modifiers = None);
    static bool PressToFocused(WORD vk, unsigned modifiers = None);

private:
    static bool IsUnder(const UiWindow& window, POINT screen);
    static void SendModifiers(unsigned modifiers, bool down);
    static void SendKey(WORD vk, bool down);
    static INPUT MouseAt(POINT screen, DWORD flags);
    static void SendMove(POINT screen);
    static void SendButton(Button button, bool down, POINT screen);
};
