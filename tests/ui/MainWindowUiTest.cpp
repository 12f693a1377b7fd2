// The main window seen from outside: started in a folder, it lists that
// folder's files, takes extended selections, and closes with exit code 0.
#include "BriselApp.h"
#include "NamedCase.h"
#include "TempDir.h"
#include "UiComboBox.h"
#include "UiInput.h"
#include "UiProgressBar.h"
#include "UiWait.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <iostream>
#include <utility>

namespace {

class MainWindowUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.IsValid());
        for (const char* name : {"b.txt", "A.TXT", "图片.jpg", "Zeta.log", "c.dat"})
            ASSERT_NE(folder_.WriteFile(name, "data"), "");
        ASSERT_NE(folder_.WriteFile("hidden.ini", "", FILE_ATTRIBUTE_HIDDEN), "");
        ASSERT_TRUE(GetFileAttributesW(Widen(folder_.PathOf("hidden.ini")).c_str()) & FILE_ATTRIBUTE_HIDDEN);
        ASSERT_NE(folder_.Create("Sub"), "");
        ASSERT_NE(folder_.WriteFile("Sub\\inner.txt"), "");

        ASSERT_TRUE(app_.Start(folder_.Path())) << app_.Error();
        ReportStartUp();
    }

    // How long the program takes to show its window, for the test report.
    void ReportStartUp()
    {
        RecordProperty("StartUpMs", static_cast<int>(app_.StartUpMs()));
        std::cout << "start-up: main window visible " << app_.StartUpMs() << " ms after CreateProcess\n";
    }

    std::vector<std::string> NamesOnDisk() const { return TempDir::Names(folder_.Path()); }

    // Declared first so it outlives the program, which runs inside it.
    TempDir folder_;
    BriselApp app_;
};

// One start: the size, the start values, the folder's files, a command
// answered No, an extended selection, and names found by a typed letter.
TEST_F(MainWindowUiTest, ShowsItsStartValues)
{
    SIZE client = app_.MainWindow().ClientSize();
    EXPECT_EQ(client.cx, BriselApp::Scaled(587));
    EXPECT_EQ(client.cy, BriselApp::Scaled(396));
    EXPECT_TRUE(app_.MainWindow().IsEnabled());
    EXPECT_FALSE(app_.MainWindow().IsMinimized());

    std::vector<std::string> texts;
    for (const UiWindow& edit : app_.MainWindow().ChildrenByPosition("TEdit")) texts.push_back(edit.Text());
    EXPECT_EQ(texts, (std::vector<std::string>{"2020", "12", "12", "12", "12", "12", ".html"}));

    UiProgressBar bar(app_.MainWindow().Child("TProgressBar"));
    ASSERT_TRUE(bar.Window()) << "no TProgressBar";
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Minimum(), 0);
    EXPECT_EQ(bar.Maximum(), 100);

    // The temporary folder is on drive C:, so that drive is the one chosen.
    UiComboBox drives(app_.MainWindow().Child("TDriveComboBox"));
    ASSERT_TRUE(drives.Window()) << "no TDriveComboBox";
    EXPECT_EQ(drives.CurrentText().substr(0, 2), "c:");

    UiListBox list = app_.FileList();
    ASSERT_TRUE(list.Window()) << "no TFileListBox";
    EXPECT_TRUE(list.Window().IsVisible());
    EXPECT_EQ(list.Count(), static_cast<int>(TempDir::Names(folder_.Path(), TempDir::Kind::Files).size()));
    EXPECT_EQ(list.ItemHeight(), BriselApp::Scaled(12));
    EXPECT_EQ(list.SelectedCount(), 0);

    // "大写改小写" asks first; answering No leaves every file as it was. The
    // dialog paints its message, so only its caption and buttons can be read.
    const std::vector<std::string> before = NamesOnDisk();
    ASSERT_TRUE(app_.ClickCommandButton(BriselApp::LowerCase));
    UiMessageDialog dialog = app_.WaitConfirmation();
    ASSERT_TRUE(dialog) << "no confirmation dialog; windows: " << app_.DescribeWindows();
    EXPECT_EQ(dialog.ButtonTexts(), (std::vector<std::string>{"是[&Y]", "否[&N]"}));
    ASSERT_TRUE(dialog.Press("否[&N]"));
    EXPECT_EQ(NamesOnDisk(), before);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_TRUE(app_.Process().IsRunning());

    // A click, then a Ctrl+click adds a second file to the selection.
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(1)));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000))
        << "a click selected " << list.SelectedCount() << " entries";
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(3), UiInput::Button::Left, UiInput::Ctrl));
    EXPECT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 2; }, 3000))
        << "selected " << list.SelectedCount() << " entries";
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 3}));

    // A typed letter chooses the next name starting with it, going round. So
    // the names are seen sorted without regard to case (a case-sensitive sort
    // would put A.TXT and Zeta.log before b.txt): A.TXT, b.txt, c.dat,
    // hidden.ini, Zeta.log, 图片.jpg.
    const std::pair<const char*, int> typed[] = {{"h", 3}, {"z", 4}, {"图", 5}, {"a", 0}, {"B", 1}, {"x", 1}};
    for (const auto& [letter, index] : typed) {
        ASSERT_TRUE(UiInput::TypeChars(list.Window(), letter));
        EXPECT_EQ(list.SelectedIndexes(), std::vector<int>{index}) << letter;
    }
}

using CloseCase = NamedCase<bool (*)(BriselApp& app)>;

class MainWindowCloseUiTest : public MainWindowUiTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(MainWindowCloseUiTest, EndsTheProgramWithExitCodeZero)
{
    const std::vector<std::string> before = NamesOnDisk();
    ASSERT_TRUE(GetParam().how(app_));
    DWORD exitCode = 99;
    ASSERT_TRUE(app_.Process().WaitForExit(10000, &exitCode)) << "still running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(NamesOnDisk(), before);
}

// At start the keyboard focus is in the drive selector; Alt+F4 must close
// the window from there too.
const CloseCase kCloseCases[] = {
    {"WmClose", [](BriselApp& app) { return app.MainWindow().Post(WM_CLOSE); }},
    {"AltF4AtStart", [](BriselApp& app) { return UiInput::Press(app.MainWindow(), VK_F4, UiInput::Alt); }},
    {"AltF4InFileList",
     [](BriselApp& app) {
         UiListBox list = app.FileList();
         return UiInput::Click(list.Window(), list.ItemCentre(0)) &&
                UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000) &&
                UiInput::Press(app.MainWindow(), VK_F4, UiInput::Alt);
     }},
};

INSTANTIATE_TEST_SUITE_P(Ways, MainWindowCloseUiTest, ::testing::ValuesIn(kCloseCases), CaseName());

}  // namespace
