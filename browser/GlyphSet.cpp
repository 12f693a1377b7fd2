#include "browser/GlyphSet.h"

#include "platform/WideText.h"
#include "toolkit/Graphics.h"

GlyphSet::GlyphSet(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        glyphs_.push_back(ScaledToScreen(OwnedGdiObject<HBITMAP>(static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))));
    }
}

HBITMAP GlyphSet::At(int index) const
{
    return index >= 0 && index < static_cast<int>(glyphs_.size()) ? glyphs_[static_cast<size_t>(index)].get() : nullptr;
}
