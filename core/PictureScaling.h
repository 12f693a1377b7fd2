// Resizing the program's keyed pictures (button pictures, drive and folder
// glyphs) for screens other than 96 DPI. A box filter over the opaque pixels
// only: the transparent colour never bleeds into the picture's edge, and the
// edge stays a hard one, since the drawing can only leave one exact colour out.
#pragma once

#include <cstdint>
#include <vector>

namespace core {

// Pixels row by row from the top, 0xRRGGBB each.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// The picture at width x height. A pixel is see-through when less than half of
// the area it covers is opaque, and otherwise the average of the opaque colours
// there (never the transparent colour itself). The bottom-left pixel, whose
// colour the drawing takes as the transparent one, stays see-through.
Picture ScalePicture(const Picture& source, int width, int height, uint32_t transparent);

}  // namespace core
