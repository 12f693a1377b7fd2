// The main window seen from outside: started in a folder, it lists that
// folder's files, takes extended selections, and closes with exit code 0.
#include "BriselApp.h"
#include "TempDir.h"
#include "UiInput.h"
#include "UiWait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

// Sorted without regard to case, the names in this order; a case-sensitive
// sort would put "A.TXT" and "Zeta.log" before "b.txt".
const std::vector<std::string> kListedFiles = {
    "A.TXT", "b.txt", "c.dat", "hidden.ini", "Zeta.log", "图片.jpg"};

class MainWindowUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.IsValid());
        for (const char* name : {"b.txt", "A.TXT", "图片.jpg", "Zeta.log", "c.dat"})
            ASSERT_TRUE(folder_.AddFile(name, "data"));
        ASSERT_TRUE(folder_.AddFile("hidden.ini", "", FILE_ATTRIBUTE_HIDDEN));
        ASSERT_TRUE(GetFileAttributesA(folder_.PathOf("hidden.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN);
        ASSERT_TRUE(folder_.AddFolder("Sub"));
        ASSERT_TRUE(folder_.AddFile("Sub\\inner.txt"));

        ASSERT_TRUE(app_.Start(folder_.Path())) << app_.Error();
        ReportStartUp();
    }

    // How long the program takes to show its window, for the test report.
    void ReportStartUp()
    {
        RecordProperty("StartUpMs", static_cast<int>(app_.StartUpMs()));
        std::cout << "start-up: main window visible " << app_.StartUpMs()
                  << " ms after CreateProcess\n";
    }

    std::vector<std::string> NamesOnDisk() const
    {
        std::vector<std::string> names = TempDir::Names(folder_.Path());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Declared first so it outlives the program, which runs inside it.
    TempDir folder_;
    BriselApp app_;
};

TEST_F(MainWindowUiTest, HasItsClientSize)
{
    SIZE client = app_.MainWindow().ClientSize();
    EXPECT_EQ(client.cx, BriselApp::Scaled(587));
    EXPECT_EQ(client.cy, BriselApp::Scaled(396));
    EXPECT_TRUE(app_.MainWindow().IsEnabled());
    EXPECT_FALSE(app_.MainWindow().IsMinimized());
}

TEST_F(MainWindowUiTest, ListsTheFilesOfItsWorkingDirectory)
{
    UiListBox list = app_.FileList();
    ASSERT_TRUE(list.Window()) << "no TFileListBox";
    EXPECT_TRUE(list.Window().IsVisible());
    EXPECT_EQ(list.Items(), kListedFiles);
    EXPECT_EQ(list.ItemHeight(), BriselApp::Scaled(12));
    EXPECT_EQ(list.SelectedCount(), 0);
}

TEST_F(MainWindowUiTest, CtrlClickAddsASecondFileToTheSelection)
{
    UiListBox list = app_.FileList();
    ASSERT_EQ(list.Count(), static_cast<int>(kListedFiles.size()));

    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(1)));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000))
        << "a click selected " << list.SelectedCount() << " entries";
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(3), UiInput::Button::Left,
                               UiInput::Ctrl));
    EXPECT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 2; }, 3000))
        << "selected " << list.SelectedCount() << " entries";
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 3}));
    EXPECT_EQ(list.Text(1), "b.txt");
    EXPECT_EQ(list.Text(3), "hidden.ini");
}

TEST_F(MainWindowUiTest, ClosingEndsTheProgramWithExitCodeZero)
{
    const std::vector<std::string> before = NamesOnDisk();
    const char* ways[] = {"WM_CLOSE", "Alt+F4"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        if (std::string(way) != "WM_CLOSE") {
            ASSERT_TRUE(app_.Start(folder_.Path())) << app_.Error();
            ReportStartUp();
            ASSERT_TRUE(UiInput::Press(app_.MainWindow(), VK_F4, UiInput::Alt));
        } else {
            ASSERT_TRUE(app_.MainWindow().Post(WM_CLOSE));
        }
        DWORD exitCode = 99;
        ASSERT_TRUE(app_.Process().WaitForExit(10000, &exitCode)) << "still running";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_EQ(NamesOnDisk(), before);
    }
}

}  // namespace
