#pragma once
#include "UiWindow.h"

#include <string>

// Item texts of list and combo boxes of another process. Wine hands the
// caller of the ANSI LB_GETTEXT / CB_GETLBTEXT across processes the UTF-16
// text unconverted, so these ask in UTF-16 and convert through Narrow.
class UiText {
public:
    static std::string ItemText(const UiWindow& window, UINT lengthMsg, UINT textMsg, int index);
};
