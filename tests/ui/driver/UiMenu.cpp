#include "UiMenu.h"

#include "UiPixels.h"
#include "UiWait.h"

#include <algorithm>

RECT UiMenu::ItemStrip(int i) const
{
    SIZE size = menu_.ClientSize();
    constexpr int kFrame = 3;
    return RECT{kFrame, size.cy * i / items_ + kFrame, size.cx - kFrame, size.cy * (i + 1) / items_ - kFrame};
}

// An enabled item's caption is drawn in menu text colour, a greyed one in
// other colours only, both on the menu's background. A strip not yet painted
// shows what lay under the menu, which is none of these.
UiMenu::Look UiMenu::LookOf(int i) const
{
    std::vector<COLORREF> pixels = UiPixels::Capture(menu_, ItemStrip(i));
    size_t text = 0, background = 0;
    for (COLORREF pixel : pixels) {
        text += pixel == GetSysColor(COLOR_MENUTEXT) ? 1 : 0;
        background += pixel == GetSysColor(COLOR_MENU) ? 1 : 0;
    }
    constexpr size_t kCaptionPixels = 20;
    size_t ink = pixels.size() - background;
    if (background < pixels.size() / 2) return Look::Unreadable;
    if (text >= kCaptionPixels) return Look::Enabled;
    return text == 0 && ink >= kCaptionPixels ? Look::Grayed : Look::Unreadable;
}

std::vector<UiMenu::Look> UiMenu::Looks() const
{
    std::vector<Look> looks;
    bool read = UiWait::Until(
        [&] {
            looks.clear();
            for (int i = 0; i < items_; ++i) looks.push_back(LookOf(i));
            return std::count(looks.begin(), looks.end(), Look::Unreadable) == 0;
        },
        3000);
    return read ? looks : std::vector<Look>{};
}

void PrintTo(UiMenu::Look look, std::ostream* out)
{
    *out << (look == UiMenu::Look::Enabled ? "enabled" : look == UiMenu::Look::Grayed ? "grayed" : "unreadable");
}
