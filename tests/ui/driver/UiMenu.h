#pragma once
#include "UiWindow.h"

#include <ostream>
#include <vector>

// An open popup menu of another process, read from how it is drawn: under
// Wine the menu's handle is of no use outside its process (MN_GETHMENU
// answers, but GetMenuState and GetMenuItemInfoA fail on it). The items are
// taken to be of one height, with no separators.
class UiMenu {
public:
    enum class Look { Enabled, Grayed, Unreadable };

    UiMenu(const UiWindow& menu, int items) : menu_(menu), items_(items) {}

    // Item i's strip, in the menu's client coordinates, away from its frame.
    RECT ItemStrip(int i) const;
    // The items' looks once the menu has painted them (it paints a little
    // after it shows); empty if some item could not be read within 3 s.
    std::vector<Look> Looks() const;

private:
    Look LookOf(int i) const;

    UiWindow menu_;
    int items_;
};

void PrintTo(UiMenu::Look look, std::ostream* out);
