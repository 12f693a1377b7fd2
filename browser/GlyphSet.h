// The glyph bitmaps a browser list draws with, loaded from the program's
// resources by name, sized for the screen, and freed with the set.
#pragma once

#include "toolkit/OwnedGdi.h"

#include <windows.h>

#include <initializer_list>
#include <vector>

class GlyphSet {
public:
    explicit GlyphSet(std::initializer_list<const char*> names);

    // The glyph at index, or null when there is none.
    HBITMAP At(int index) const;

private:
    std::vector<OwnedGdiObject<HBITMAP>> glyphs_;
};
