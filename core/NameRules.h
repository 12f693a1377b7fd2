// What the platform's path rules do to a name: a name they would alter or
// refuse could never be reached again under the path it was given.
#pragma once

#include <string>

namespace core {

enum class NameCheck { Usable, Reserved, Altered };

// Reserved: a device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9), with or
// without an extension. Altered: empty, ending in a space or a dot, or
// holding a control character or one of < > : " / \ | ? *.
NameCheck CheckName(const std::string& name);

// True when text ends in a space or a dot, or holds a control character or
// one of < > : " / \ | ? *: a name ending so, or holding it, is altered.
bool HoldsWhatThePlatformAlters(const std::string& text);

}  // namespace core
