// "改文件时间" driven from outside: the typed local date and time on the files, the
// padded time fields, and the error box for a date that does not exist.
#include "BriselApp.h"
#include "tests/support/FileTimes.h"
#include "TempDir.h"
#include "UiPixels.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kFiles[] = {"a.txt", "Sub\\b.txt"};

class FileTimeUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.IsValid());
        ASSERT_NE(folder_.Create("Sub"), "");
        for (const char* file : kFiles) ASSERT_NE(folder_.WriteFile(file, "data"), "");
        ASSERT_TRUE(app_.Start(folder_.Path())) << app_.Error();
    }

    // Each file's last write and last access time, in this order.
    std::vector<std::string> StampsOnDisk() const
    {
        std::vector<std::string> stamps;
        for (const char* file : kFiles) {
            const Times times = TimesOf(folder_.PathOf(file));
            stamps.push_back(UtcText(times.lastWrite));
            stamps.push_back(UtcText(times.lastAccess));
        }
        return stamps;
    }

    // Both files carry this time as last write and last access.
    void ExpectStamped(uint64_t expected) const
    {
        EXPECT_EQ(StampsOnDisk(), std::vector<std::string>(4, UtcText(expected)));
    }

    TempDir folder_;
    BriselApp app_;
};

// One start: the default fields, then short time fields, then month 13.
TEST_F(FileTimeUiTest, StampsTheTypedLocalTimeAndRefusesAMonthThirteen)
{
    ASSERT_TRUE(app_.StartCommand(BriselApp::FileTime)) << app_.DescribeWindows();
    ASSERT_TRUE(app_.WaitBatchEnd(2)) << "bar at " << app_.ProgressBar().Position() << " of "
                                      << app_.ProgressBar().Maximum();
    ExpectStamped(LocalTicks(2020, 12, 12, 12, 12, 12));
    EXPECT_FALSE(app_.WaitMessageBox(300)) << app_.DescribeWindows();
    // Two-digit fields are left as they were.
    const char* const fields[] = {"2020", "12", "12", "12", "12", "12", ".html"};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(app_.Edit(n).Text(), fields[n - 1]) << "Edit" << n;

    // Hour 5, minute empty, second 7 become "05", "0" and "07" on the window,
    // and the files get 05:00:07.
    ASSERT_TRUE(app_.SetEditText(4, "5"));
    ASSERT_TRUE(app_.SetEditText(5, ""));
    ASSERT_TRUE(app_.SetEditText(6, "7"));
    ASSERT_TRUE(app_.StartCommand(BriselApp::FileTime));
    ASSERT_TRUE(app_.WaitBatchEnd(2));
    EXPECT_EQ(app_.Edit(4).Text(), "05");
    EXPECT_EQ(app_.Edit(5).Text(), "0");
    EXPECT_EQ(app_.Edit(6).Text(), "07");
    ExpectStamped(LocalTicks(2020, 12, 12, 5, 0, 7));

    // Month 13: the application's error box, at the first file, before any
    // file is changed; the bar shows 1 of 2.
    const std::vector<std::string> before = StampsOnDisk();
    ASSERT_TRUE(app_.SetEditText(2, "13"));
    ASSERT_TRUE(app_.StartCommand(BriselApp::FileTime));
    UiMessageDialog box = app_.WaitMessageBox();
    ASSERT_TRUE(box) << "no error box; windows: " << app_.DescribeWindows();
    EXPECT_EQ(box.Caption(), BriselApp::kCaption);
    EXPECT_EQ(box.Message(), "'2020-13-12 05:00:07' is not a valid date and time.");
    EXPECT_TRUE(box.HasIcon());
    UiWindow icon;
    for (const UiWindow& control : box.Window().Children("Static"))
        if ((GetWindowLongA(control.Handle(), GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = control;
    double error = UiPixels::SystemIconMatch(icon, IDI_HAND);
    double warning = UiPixels::SystemIconMatch(icon, IDI_EXCLAMATION);
    double information = UiPixels::SystemIconMatch(icon, IDI_ASTERISK);
    std::cout << "icon match: error " << error << ", warning " << warning << ", information " << information << "\n";
    EXPECT_GT(error, 0.9) << "the box does not show the error icon";
    EXPECT_LT(warning, error);
    EXPECT_LT(information, error);
    std::vector<std::string> buttons = box.ButtonTexts();
    ASSERT_EQ(buttons.size(), 1u);
    std::cout << "button: " << buttons[0] << "\n";
    EXPECT_EQ(app_.ProgressBar().Position(), 1);
    EXPECT_EQ(app_.ProgressBar().Maximum(), 2);
    ASSERT_TRUE(box.Press(buttons[0]));

    EXPECT_EQ(StampsOnDisk(), before);
    EXPECT_EQ(app_.ProgressBar().Position(), 1);
    EXPECT_EQ(app_.Edit(2).Text(), "13");
    EXPECT_TRUE(app_.MainWindow().IsEnabled());
    EXPECT_TRUE(app_.Process().IsRunning());
}

}  // namespace
