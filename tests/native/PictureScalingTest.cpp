#include "core/PictureScaling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using core::Picture;
using core::ScalePicture;

namespace {

constexpr uint32_t K = 0xFF00FF;  // the transparent colour
constexpr uint32_t R = 0xFF0000, B = 0x0000FF, P = 0x800080;

TEST(PictureScalingTest, ScalesOpaquePixelsOnlyAndKeepsEdgesHard)
{
    const struct {
        const char* what;
        Picture source;
        int width, height;
        std::vector<uint32_t> expected;
    } cases[] = {
        {"same size", {2, 2, {R, B, K, R}}, 2, 2, {R, B, K, R}},
        // Half covered is opaque, a quarter is not; no pink at the edge.
        {"1.5x, one pixel", {2, 2, {R, K, K, K}}, 3, 3, {R, R, K, R, K, K, K, K, K}},
        {"1.5x, colours mixed", {2, 2, {R, B, K, K}}, 3, 3, {R, P, B, R, P, B, K, K, K}},
        {"a mix that meets the transparent colour",
         {2, 1, {0xFF00FE, 0xFE00FF}},
         3,
         2,
         {0xFF00FE, 0xFF00FE, 0xFE00FF, K, 0xFF00FE, 0xFE00FF}},
    };
    for (const auto& c : cases) {
        Picture scaled = ScalePicture(c.source, c.width, c.height, K);
        EXPECT_EQ(scaled.width, c.width) << c.what;
        EXPECT_EQ(scaled.height, c.height) << c.what;
        EXPECT_EQ(scaled.pixels, c.expected) << c.what;
    }
}

}  // namespace
