#include "toolkit/Image.h"

#include "TestApplication.h"
#include "WindowPixels.h"
#include "resources/resource.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        host = std::make_unique<TForm>(nullptr, "TImageTestHost");
        host->SetBounds(60, 60, 400, 300);
        image = new TImage(host.get());
        image->SetBounds(10, 20, 50, 50);
        image->SetParent(host.get());
    }

    std::unique_ptr<TForm> host;
    TImage* image = nullptr;  // owned by host
};

TEST_F(ImageTest, TakesThePictureSizeWhenALogoIsLoaded)
{
    ASSERT_TRUE(image->LoadJpegResource(RES_LOGO));
    EXPECT_EQ(image->PictureWidth(), 130);
    EXPECT_EQ(image->PictureHeight(), 60);
    EXPECT_EQ(image->Left(), 10);
    EXPECT_EQ(image->Top(), 20);
    EXPECT_EQ(image->Width(), 130);
    EXPECT_EQ(image->Height(), 60);
    EXPECT_EQ(BitmapSize(image->Bitmap()).cx, 130);
}

TEST_F(ImageTest, KeepsItsPictureWhenNewDataIsNoJpeg)
{
    ASSERT_TRUE(image->LoadJpegResource(RES_LOGO));
    HBITMAP before = image->Bitmap();
    const unsigned char garbage[] = {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34};
    EXPECT_FALSE(image->LoadJpeg(garbage, sizeof garbage));
    EXPECT_FALSE(image->LoadJpeg(nullptr, 0));
    EXPECT_FALSE(image->LoadJpegResource("NO_SUCH_PICTURE"));
    EXPECT_EQ(image->Bitmap(), before);
    EXPECT_EQ(image->PictureWidth(), 130);
}

TEST_F(ImageTest, DrawsThePictureCentredInALargerControl)
{
    ASSERT_TRUE(image->LoadJpegResource(RES_LOGO));
    image->SetAutoSize(false);
    image->SetBounds(10, 20, 170, 100);  // 20 pixels around the picture on each side
    host->Show();
    Application->ProcessMessages();
    const JpegPixels& pixels = image->Pixels();
    // The picture's first row, drawn where centring puts it.
    int matching = 0;
    HDC dc = GetDC(host->Handle());
    for (int x = 0; x < pixels.width; ++x) {
        const unsigned char* p = pixels.bgr.data() + x * 3;
        if (GetPixel(dc, 10 + 20 + x, 20 + 20) == RGB(p[2], p[1], p[0])) ++matching;
    }
    ReleaseDC(host->Handle(), dc);
    EXPECT_EQ(matching, pixels.width);
    // Around it the window's own background shows.
    RECT above{10, 20, 180, 40};
    EXPECT_EQ(CountPixels(host->Handle(), above, host->Color()), 170 * 20);
}

}  // namespace
