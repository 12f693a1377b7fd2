#pragma once
#include "UiWindow.h"

#include <vector>

// Pixels of another process's window as they stand on the screen: what
// covers the window is read too, so the window must be on top.
class UiPixels {
public:
    // The pixels of a rectangle in window's client coordinates, row by row;
    // empty if the window could not be read.
    static std::vector<COLORREF> Capture(const UiWindow& window, const RECT& client);
    // How many pixels of the rectangle have exactly this colour.
    static int Count(const UiWindow& window, const RECT& client, COLORREF colour);
    // The share (0 to 1) of the opaque pixels of a system icon (IDI_HAND,
    // IDI_EXCLAMATION, ...) that an icon control shows unchanged at its top
    // left corner, drawn at the system's icon size.
    static double SystemIconMatch(const UiWindow& iconControl, LPCSTR iconId);
};
