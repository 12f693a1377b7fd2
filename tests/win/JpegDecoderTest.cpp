#include "toolkit/JpegDecoder.h"

#include "resources/resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

std::vector<unsigned char> LogoBytes()
{
    HRSRC info = FindResourceA(nullptr, RES_LOGO, RT_RCDATA);
    if (!info) return {};
    HGLOBAL loaded = LoadResource(nullptr, info);
    const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
    if (!bytes) return {};
    return std::vector<unsigned char>(bytes, bytes + SizeofResource(nullptr, info));
}

const unsigned char* PixelAt(const JpegPixels& pixels, int x, int y)
{
    return pixels.bgr.data() + (static_cast<size_t>(y) * pixels.width + x) * 3;
}

TEST(JpegDecoderTest, DecodesTheLogoAtFullSizeInBgrOrderTopDown)
{
    const std::vector<unsigned char> logo = LogoBytes();
    ASSERT_FALSE(logo.empty());
    JpegPixels pixels;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(logo.data(), logo.size(), pixels, &error)) << error;
    EXPECT_EQ(pixels.width, 130);
    EXPECT_EQ(pixels.height, 60);
    ASSERT_EQ(pixels.bgr.size(), 130u * 60u * 3u);

    std::set<unsigned> colours;
    for (size_t i = 0; i < pixels.bgr.size(); i += 3)
        colours.insert(pixels.bgr[i] | pixels.bgr[i + 1] << 8 | pixels.bgr[i + 2] << 16);
    EXPECT_GT(colours.size(), 100u);

    // Top left is the near-white background; the stem of the "B" is dark blue and
    // the swoosh below the word is orange. Swapped channels or flipped rows fail here.
    const unsigned char* corner = PixelAt(pixels, 0, 0);
    EXPECT_GT(corner[0], 230);
    EXPECT_GT(corner[1], 230);
    EXPECT_GT(corner[2], 230);
    const unsigned char* stem = PixelAt(pixels, 12, 20);
    EXPECT_GT(stem[0], stem[2] + 80);
    EXPECT_LT(stem[1], 100);
    const unsigned char* swoosh = PixelAt(pixels, 65, 42);
    EXPECT_GT(swoosh[2], swoosh[0] + 80);
}

struct BadInput {
    const char* what;
    std::vector<unsigned char> bytes;
};

std::vector<BadInput> BadInputs()
{
    const std::vector<unsigned char> logo = LogoBytes();
    std::vector<BadInput> cases;
    cases.push_back({"no data", {}});
    cases.push_back({"one byte", {0xFF}});
    cases.push_back({"text, not a JPEG", {'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G'}});
    cases.push_back({"start marker only", {0xFF, 0xD8}});
    cases.push_back({"header cut short", {logo.begin(), logo.begin() + 40}});
    cases.push_back({"image data cut in half", {logo.begin(), logo.begin() + logo.size() / 2}});
    std::vector<unsigned char> noEnd(logo.begin(), logo.end() - 2);
    cases.push_back({"end marker missing", noEnd});
    // The frame header (SOF0) claiming zero lines.
    std::vector<unsigned char> zeroHeight = logo;
    for (size_t i = 2; i + 9 < zeroHeight.size(); ++i) {
        if (zeroHeight[i] == 0xFF && zeroHeight[i + 1] == 0xC0) {
            zeroHeight[i + 5] = 0;
            zeroHeight[i + 6] = 0;
            break;
        }
    }
    cases.push_back({"zero height", zeroHeight});
    // A stray marker in the middle of the entropy-coded data.
    std::vector<unsigned char> stray = logo;
    stray[stray.size() - 400] = 0xFF;
    stray[stray.size() - 399] = 0xD0 + 5;
    cases.push_back({"stray marker in the data", stray});
    return cases;
}

// Each failure leaves no picture behind, with or without a place for the
// message, and the next good decode is whole.
TEST(JpegDecoderTest, DamagedDataFailsWithAMessageAndLeavesNoPicture)
{
    JpegPixels pixels;
    for (const BadInput& input : BadInputs()) {
        const unsigned char* bytes = input.bytes.empty() ? nullptr : input.bytes.data();
        for (bool withMessage : {true, false}) {
            pixels.width = 7;
            pixels.bgr.assign(21, 1);
            std::string error;
            EXPECT_FALSE(DecodeJpeg(bytes, input.bytes.size(), pixels, withMessage ? &error : nullptr)) << input.what;
            EXPECT_EQ(error.empty(), !withMessage) << input.what;
            EXPECT_EQ(pixels.width, 0) << input.what;
            EXPECT_TRUE(pixels.bgr.empty()) << input.what;
        }
    }
    const std::vector<unsigned char> logo = LogoBytes();
    ASSERT_TRUE(DecodeJpeg(logo.data(), logo.size(), pixels, nullptr));
    EXPECT_EQ(pixels.width, 130);
    EXPECT_EQ(pixels.bgr.size(), 130u * 60u * 3u);
}

TEST(JpegDecoderTest, DibSectionHoldsThePixelsTopDownWithPaddedRows)
{
    const std::vector<unsigned char> logo = LogoBytes();
    JpegPixels pixels;
    ASSERT_TRUE(DecodeJpeg(logo.data(), logo.size(), pixels, nullptr));
    HBITMAP bitmap = CreateDibFromPixels(pixels);
    ASSERT_NE(bitmap, nullptr);

    DIBSECTION dib{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 130);
    EXPECT_EQ(dib.dsBm.bmHeight, 60);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    ASSERT_EQ(dib.dsBm.bmWidthBytes, 392);  // 390 bytes of pixels, padded to 4
    const auto* bits = static_cast<const unsigned char*>(dib.dsBm.bmBits);
    ASSERT_NE(bits, nullptr);
    int differing = 0;
    for (int y = 0; y < 60; ++y) differing += std::memcmp(bits + 392 * y, PixelAt(pixels, 0, y), 390) != 0;
    EXPECT_EQ(differing, 0);

    // GDI reads the same colour back at the top left of the picture.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF topLeft = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    const unsigned char* first = PixelAt(pixels, 0, 0);
    EXPECT_EQ(topLeft, RGB(first[2], first[1], first[0]));
}

TEST(JpegDecoderTest, NoDibForAnEmptyOrInconsistentPicture)
{
    const struct {
        int width, height;
        size_t bytes;
    } cases[] = {{0, 0, 0}, {2, 2, 11}, {-2, -2, 12}};
    for (const auto& c : cases) {
        JpegPixels pixels;
        pixels.width = c.width;
        pixels.height = c.height;
        pixels.bgr.assign(c.bytes, 0);
        EXPECT_EQ(CreateDibFromPixels(pixels), nullptr) << c.width << "x" << c.height << ", " << c.bytes << " bytes";
    }
}

}  // namespace
