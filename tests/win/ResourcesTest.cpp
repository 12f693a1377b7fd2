#include "resources/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

// The pictures as the windows load them: named bitmaps and the main icon.
namespace {

TEST(ResourcesTest, BitmapsHaveTheirSizesAndColourDepths)
{
    const struct {
        const char* name;
        int width, height, bitsPerPixel;
    } bitmaps[] = {
        {RES_FLOPPY, 16, 11, 4},        {RES_HARD, 16, 11, 4},         {RES_NETWORK, 16, 11, 4},
        {RES_CDROM, 16, 11, 4},         {RES_RAM, 16, 11, 4},          {RES_OPENFOLDER, 16, 15, 4},
        {RES_CURRENTFOLDER, 16, 15, 4}, {RES_CLOSEDFOLDER, 16, 15, 4}, {RES_SPEEDBTN1, 32, 32, 8},
        {RES_SPEEDBTN2, 32, 32, 4},     {RES_SPEEDBTN3, 32, 32, 4},    {RES_SPEEDBTN4, 32, 32, 8},
        {RES_SPEEDBTN5, 32, 32, 8},     {RES_ABOUTBTN, 32, 32, 8},
    };
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const auto& expected : bitmaps) {
        HANDLE bitmap = LoadImageA(instance, expected.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(bitmap, nullptr) << expected.name;
        DIBSECTION dib{};
        EXPECT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib)) << expected.name;
        EXPECT_EQ(dib.dsBm.bmWidth, expected.width) << expected.name;
        EXPECT_EQ(dib.dsBm.bmHeight, expected.height) << expected.name;
        EXPECT_EQ(dib.dsBm.bmBitsPixel, expected.bitsPerPixel) << expected.name;
        DeleteObject(bitmap);
    }
}

TEST(ResourcesTest, MainIconIs32By32With16Colours)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC group = FindResourceA(instance, MAKEINTRESOURCEA(IDI_MAINICON), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    // The group directory: 6-byte header, then 14-byte entries (width, height, colours, ...).
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(instance, group)));
    ASSERT_NE(dir, nullptr);
    ASSERT_EQ(dir[4] | dir[5] << 8, 1);
    EXPECT_EQ(dir[6], 32);
    EXPECT_EQ(dir[7], 32);
    EXPECT_EQ(dir[8], 16);

    HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

TEST(ResourcesTest, ManifestIsEmbedded)
{
    HRSRC manifest = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
    const std::string xml(text, SizeofResource(nullptr, manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("asInvoker"), std::string::npos);
    EXPECT_NE(xml.find("<dpiAware"), std::string::npos);
    EXPECT_NE(xml.find("<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true"),
              std::string::npos);
}

}  // namespace
