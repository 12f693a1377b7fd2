#include "core/DriveItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::DriveGlyph;
using core::DriveInfo;
using core::DriveItemGlyph;
using core::DriveItemText;
using core::DriveKind;
using core::DriveTextCase;

TEST(DriveItemsTest, TextsByKind)
{
    struct TextCase {
        DriveInfo drive;
        DriveTextCase textCase;
        std::string expected;
    };
    const std::vector<TextCase> cases = {
        {{'c', DriveKind::Fixed, "SYSTEM", ""}, DriveTextCase::Lower, "c: [system]"},
        {{'C', DriveKind::Fixed, "System", ""}, DriveTextCase::Upper, "C: [SYSTEM]"},
        {{'d', DriveKind::Fixed, "", ""}, DriveTextCase::Lower, "d: []"},
        {{'a', DriveKind::Removable, "FLOPPY", "\\\\x\\y"}, DriveTextCase::Lower, "a:"},
        {{'A', DriveKind::Removable, "", ""}, DriveTextCase::Upper, "A:"},
        {{'x', DriveKind::Remote, "NET", "\\\\Server\\Share"}, DriveTextCase::Lower, "x: \\\\server\\share"},
        {{'x', DriveKind::Remote, "Net", "\\\\Server\\Share"}, DriveTextCase::Upper, "X: \\\\SERVER\\SHARE"},
        {{'y', DriveKind::Remote, "Backup", ""}, DriveTextCase::Lower, "y: [backup]"},
        {{'e', DriveKind::CdRom, "DVD_2020", ""}, DriveTextCase::Lower, "e: [dvd_2020]"},
        {{'r', DriveKind::RamDisk, "RAM", ""}, DriveTextCase::Lower, "r: [ram]"},
        {{'f', DriveKind::Fixed, "数据", ""}, DriveTextCase::Upper, "F: [数据]"},
        {{'g', DriveKind::Fixed, u8"ÑANDÚ", ""}, DriveTextCase::Lower, u8"g: [ÑandÚ]"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(DriveItemText(c.drive, c.textCase), c.expected) << c.expected;
    }
}

TEST(DriveItemsTest, GlyphsByKind)
{
    EXPECT_EQ(DriveItemGlyph(DriveKind::Removable), DriveGlyph::Floppy);
    EXPECT_EQ(DriveItemGlyph(DriveKind::Fixed), DriveGlyph::Hard);
    EXPECT_EQ(DriveItemGlyph(DriveKind::Remote), DriveGlyph::Network);
    EXPECT_EQ(DriveItemGlyph(DriveKind::CdRom), DriveGlyph::CdRom);
    EXPECT_EQ(DriveItemGlyph(DriveKind::RamDisk), DriveGlyph::Ram);
    EXPECT_EQ(DriveItemGlyph(DriveKind::Other), DriveGlyph::None);
}
