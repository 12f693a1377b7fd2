#include "core/PictureScaling.h"

#include <algorithm>

namespace core {

namespace {

struct Share {
    int source;
    int64_t weight;
};

// For each target pixel along one axis, the source pixels it covers and by how
// much, in units of 1/to of a source pixel: each target pixel's shares add up to from.
std::vector<std::vector<Share>> Shares(int from, int to)
{
    std::vector<std::vector<Share>> shares(static_cast<size_t>(to));
    for (int t = 0; t < to; ++t) {
        const int64_t begin = int64_t{t} * from, end = int64_t{t + 1} * from;
        for (int s = static_cast<int>(begin / to); s < from && int64_t{s} * to < end; ++s) {
            int64_t weight = std::min(end, int64_t{s + 1} * to) - std::max(begin, int64_t{s} * to);
            if (weight > 0) shares[static_cast<size_t>(t)].push_back(Share{s, weight});
        }
    }
    return shares;
}

}  // namespace

Picture ScalePicture(const Picture& source, int width, int height, uint32_t transparent)
{
    Picture target;
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0 ||
        source.pixels.size() != static_cast<size_t>(source.width) * static_cast<size_t>(source.height))
        return target;
    target.width = width;
    target.height = height;
    target.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), transparent);
    const auto columns = Shares(source.width, width), rows = Shares(source.height, height);
    const int64_t whole = int64_t{source.width} * source.height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int64_t opaque = 0, sum[3] = {0, 0, 0};
            for (const Share& row : rows[static_cast<size_t>(y)]) {
                for (const Share& column : columns[static_cast<size_t>(x)]) {
                    uint32_t colour =
                        source.pixels[static_cast<size_t>(row.source) * static_cast<size_t>(source.width) +
                                      static_cast<size_t>(column.source)];
                    if (colour == transparent) continue;
                    int64_t weight = row.weight * column.weight;
                    opaque += weight;
                    for (int channel = 0; channel < 3; ++channel)
                        sum[channel] += weight * ((colour >> (16 - 8 * channel)) & 0xFF);
                }
            }
            if (opaque * 2 < whole) continue;
            uint32_t colour = 0;
            for (int channel = 0; channel < 3; ++channel)
                colour |= static_cast<uint32_t>((sum[channel] + opaque / 2) / opaque) << (16 - 8 * channel);
            // An average of other colours may still come out as the transparent one.
            if (colour == transparent) colour ^= 1;
            target.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = colour;
        }
    }
    target.pixels[static_cast<size_t>(height - 1) * static_cast<size_t>(width)] = transparent;
    return target;
}

}  // namespace core
