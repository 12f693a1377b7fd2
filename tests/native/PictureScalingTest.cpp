#include "core/PictureScaling.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t K = 0xFF00FF;  // the transparent colour
constexpr uint32_t R = 0xFF0000, B = 0x0000FF, P = 0x800080, F = 0xFF00FE, G = 0xFE00FF;

TEST(PictureScalingTest, ScalesOpaquePixelsOnlyAndKeepsEdgesHard)
{
    const struct {
        const char* what;
        core::Picture source, expected;
    } cases[] = {
        // Half covered is opaque, a quarter is not; no pink at the edge.
        {"one pixel", {2, 2, {R, K, K, K}}, {3, 3, {R, R, K, R, K, K, K, K, K}}},
        {"colours mixed", {2, 2, {R, B, K, K}}, {3, 3, {R, P, B, R, P, B, K, K, K}}},
        {"a mix that meets the transparent colour", {2, 1, {F, G}}, {3, 2, {F, F, G, K, F, G}}},
    };
    for (const auto& c : cases) {
        core::Picture scaled = core::ScalePicture(c.source, c.expected.width, c.expected.height, K);
        EXPECT_EQ(scaled.pixels, c.expected.pixels) << c.what;
    }
}

}  // namespace
