// What the platform's path rules do to a name: a name they would alter or
// refuse could never be reached again under the path it was given.
#pragma once

#include <cstddef>
#include <string>

namespace core {

// The longest name the platform takes for one path component, in UTF-16 units.
constexpr std::size_t kMaxNameUnits = 255;

enum class NameCheck { Usable, Reserved, Altered };

// Reserved: a device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9), with or
// without an extension. Altered: empty, ending in a space or a dot, or
// holding a control character or one of < > : " / \ | ? *.
NameCheck CheckName(const std::string& name);

// True when text ends in a space or a dot, or holds a control character or
// one of < > : " / \ | ? *: a name ending so, or holding it, is altered.
bool HoldsWhatThePlatformAlters(const std::string& text);

// The name a file holds for the instant between two names that differ only
// in case: its own name, cut at a whole character so that it fits maxUnits
// UTF-16 units with ".~" and the number after it. A file caught there by a
// crash is known at a glance. Empty when not one character of the name fits.
std::string TemporaryName(const std::string& name, unsigned number, std::size_t maxUnits = kMaxNameUnits);

}  // namespace core
