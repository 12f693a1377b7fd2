#include "browser/DriveComboBox.h"

#include "BrowserTestHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class DriveComboBoxTest : public BrowserTest {
protected:
    void SetUp() override { Enter(""); }

    TDriveComboBox* MakeSelector()
    {
        auto* selector = new TDriveComboBox(host.get());
        selector->OnChange = [this](TObject*) { ++changes; };
        return host->Place(selector, 6, 7, 257, 18);
    }

    int changes = 0;
};

// It lists the drives and starts on the working directory's, without a notice.
TEST_F(DriveComboBoxTest, ListsPresentDrivesInOrderWithLowerCaseTextsAndStartsOnTheWorkingOne)
{
    TDriveComboBox* selector = MakeSelector();
    DWORD present = GetLogicalDrives();
    std::vector<char> expected;
    for (int bit = 0; bit < 26; ++bit) {
        char letter = static_cast<char>('a' + bit);
        UINT type = GetDriveTypeW(Widen(std::string(1, letter) + ":\\").c_str());
        bool listed = type == DRIVE_REMOVABLE || type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_CDROM ||
                      type == DRIVE_RAMDISK;
        if ((present & (1u << bit)) && listed) expected.push_back(letter);
    }
    ASSERT_EQ(selector->Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < selector->Count(); ++i) {
        std::string text = selector->ItemText(i);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text[0], expected[static_cast<size_t>(i)]) << text;
        EXPECT_EQ(text[1], ':') << text;
        UINT type = GetDriveTypeW(Widen(text.substr(0, 2) + "\\").c_str());
        if (type == DRIVE_REMOVABLE) {
            EXPECT_EQ(text.size(), 2u) << text;
        }
        if (type == DRIVE_FIXED) {
            EXPECT_EQ(text.substr(2, 2), " [") << text;
            EXPECT_EQ(text.back(), ']') << text;
        }
        for (char c : text) EXPECT_FALSE(c >= 'A' && c <= 'Z') << text;  // labels follow the letter's case
    }
    char start = static_cast<char>(std::tolower(static_cast<unsigned char>(temp.Path()[0])));
    EXPECT_EQ(selector->Drive(), start);
    ASSERT_GE(selector->ItemIndex(), 0);
    EXPECT_EQ(selector->ItemText(selector->ItemIndex())[0], start);
    EXPECT_EQ(changes, 0);
}

// Choosing another item, from the list or by each arrow step, changes the
// drive; choosing the current one again, or naming it in the other letter
// case, does nothing.
TEST_F(DriveComboBoxTest, ChoosingAnotherItemChangesTheDrive)
{
    TDriveComboBox* selector = MakeSelector();
    if (selector->Count() < 2) GTEST_SKIP() << "one drive only";
    host->Show();
    int start = selector->ItemIndex();
    int other = start == 0 ? 1 : 0;
    char letter = selector->ItemText(other)[0];

    Choose(selector, start);  // the current drive again: nothing
    EXPECT_EQ(changes, 0);
    Choose(selector, other);
    EXPECT_EQ(selector->Drive(), letter);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selector->ItemIndex(), other);

    selector->SetDrive(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));  // same, other case
    EXPECT_EQ(changes, 1);
    selector->SetDrive(selector->ItemText(start)[0]);
    EXPECT_EQ(selector->ItemIndex(), start);
    EXPECT_EQ(changes, 2);

    selector->SetDrive(selector->ItemText(0)[0]);
    changes = 0;
    selector->SetFocus();
    SendMessageA(selector->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(selector->Drive(), selector->ItemText(1)[0]);
    EXPECT_EQ(changes, 1);
    SendMessageA(selector->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(selector->Drive(), selector->ItemText(0)[0]);
    EXPECT_EQ(changes, 2);
}

TEST_F(DriveComboBoxTest, DrawsGlyphTwoPixelsInAndTextAfterItAtEachScale)
{
    for (int dpi : {96, 144}) {
        ScreenDpiScope scale(dpi);
        TDriveComboBox* selector = MakeSelector();
        ASSERT_GE(selector->Count(), 1);
        int height = static_cast<int>(SendMessageA(selector->Handle(), CB_GETITEMHEIGHT, 0, 0));
        EXPECT_GE(height, Scale(11));
        const int width = 300, glyphLeft = Scale(2), glyphRight = glyphLeft + Scale(16);
        auto inked = DrawnPixels(host.get(), selector, ODT_COMBOBOX, 0, width, height);
        EXPECT_FALSE(ColumnsInked(inked, 0, glyphLeft)) << dpi;
        EXPECT_TRUE(ColumnsInked(inked, glyphLeft, glyphRight)) << dpi;  // the 16-pixel glyph
        // Text starts at glyph width + 6, so a glyph left at its own size lets it in earlier.
        EXPECT_FALSE(ColumnsInked(inked, glyphRight, Scale(16) + Scale(6))) << dpi;
        EXPECT_TRUE(ColumnsInked(inked, Scale(16) + Scale(6), width)) << dpi;
    }
}

}  // namespace
