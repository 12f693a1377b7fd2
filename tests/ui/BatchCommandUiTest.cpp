// The batch commands driven from outside: a click on a command button, the
// confirmation, and the names on disk afterwards.
#include "BriselApp.h"
#include "LinuxShell.h"
#include "TempDir.h"
#include "UiInput.h"
#include "UiMenu.h"
#include "UiWait.h"
#include "platform/WideText.h"
#include "tests/support/DiskFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <utility>

namespace {

class BatchCommandUiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }

    // Creates the files (each holding its own name) and the folders on their way.
    void AddFiles(const std::vector<std::string>& files)
    {
        for (const std::string& file : files) {
            size_t slash = file.rfind('\\');
            if (slash != std::string::npos) {
                ASSERT_NE(folder_.Create(file.substr(0, slash)), "") << file;
            }
            ASSERT_NE(folder_.WriteFile(file, file), "") << file;
        }
    }

    void Start() { ASSERT_TRUE(app_.Start(folder_.Path())) << app_.Error(); }

    std::vector<std::string> TreeOnDisk() const { return TreeOf(folder_.Path()); }

    // What the files hold; AddFiles made each hold the path it was made at.
    void ExpectContents(const std::vector<std::pair<std::string, std::string>>& pathsAndContents) const
    {
        for (const auto& [path, content] : pathsAndContents)
            EXPECT_EQ(ContentOf(folder_.PathOf(path)), content) << path;
    }

    // No message box or second confirmation is left on the screen.
    void ExpectNoDialog() const
    {
        EXPECT_FALSE(UiWindow::FindTopLevel(app_.Process().Id(), nullptr, "#32770")) << app_.DescribeWindows();
        EXPECT_FALSE(UiWindow::FindTopLevel(app_.Process().Id(), nullptr, "TMessageForm")) << app_.DescribeWindows();
    }

    // Opens the file list's menu with a real right click on the list.
    UiWindow OpenFileListMenu() const
    {
        if (!UiInput::Click(app_.FileList().Window(), POINT{20, 5}, UiInput::Button::Right)) return UiWindow();
        return UiWindow::WaitTopLevel(app_.Process().Id(), nullptr, "#32768", 3000);
    }

    // The looks of the menu's items, read with the menu open; then it is closed with Esc.
    std::vector<UiMenu::Look> FileListMenuLooks() const
    {
        UiWindow menu = OpenFileListMenu();
        if (!menu) return {};
        std::vector<UiMenu::Look> looks = UiMenu(menu, kFileListMenuItems).Looks();
        UiInput::PressToFocused(VK_ESCAPE);
        return UiWait::Until([&] { return !menu.IsVisible(); }, 3000) ? looks : std::vector<UiMenu::Look>{};
    }

    // Chooses item i of the file list's menu with a real click, if it is enabled.
    bool ChooseFromFileListMenu(int i) const
    {
        UiWindow menu = OpenFileListMenu();
        if (!menu) return false;
        UiMenu items(menu, kFileListMenuItems);
        std::vector<UiMenu::Look> looks = items.Looks();
        if (looks.size() != kFileListMenuItems || looks[i] != UiMenu::Look::Enabled) return false;
        RECT strip = items.ItemStrip(i);
        return UiInput::Click(menu, POINT{(strip.left + strip.right) / 2, (strip.top + strip.bottom) / 2}) &&
               UiWait::Until([&] { return !menu.IsVisible(); }, 3000);
    }

    static constexpr int kFileListMenuItems = 3;  // undo, refresh, select all

    // Declared first so it outlives the program, which runs inside it.
    TempDir folder_;
    BriselApp app_;
};

// The road of one request: nothing selected, "大写改小写", Yes. Every file of
// the tree gets its lower-case name, the folders keep theirs, and the bar
// stands at 3 of 3. Then each way of not answering Yes resets the bar to 0
// and leaves the window as it was.
TEST_F(BatchCommandUiTest, RenamesTheTreeAndEveryOtherAnswerChangesNothing)
{
    AddFiles({"A.TXT", "Sub\\B.TXT", "Sub\\Deep\\MiXed.Txt"});
    Start();
    ASSERT_EQ(app_.FileList().SelectedCount(), 0);
    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase)) << app_.DescribeWindows();
    ASSERT_TRUE(app_.WaitBatchEnd(3)) << "bar at " << app_.ProgressBar().Position() << " of "
                                      << app_.ProgressBar().Maximum();
    const std::vector<std::string> lower{"Sub", "Sub\\Deep", "Sub\\Deep\\mixed.txt", "Sub\\b.txt", "a.txt"};
    ASSERT_EQ(TreeOnDisk(), lower);
    ExpectContents(
        {{"a.txt", "A.TXT"}, {"Sub\\b.txt", "Sub\\B.TXT"}, {"Sub\\Deep\\mixed.txt", "Sub\\Deep\\MiXed.Txt"}});
    ExpectNoDialog();

    using Decline = bool (*)(const UiMessageDialog& dialog);
    const std::pair<const char*, Decline> ways[] = {
        {"Esc", [](const UiMessageDialog& d) { return UiInput::Press(d.Window(), VK_ESCAPE); }},
        {"close box", [](const UiMessageDialog& d) { return d.Window().Post(WM_SYSCOMMAND, SC_CLOSE); }},
        {"Alt+F4", [](const UiMessageDialog& d) { return UiInput::Press(d.Window(), VK_F4, UiInput::Alt); }},
        {"N", [](const UiMessageDialog& d) { return UiInput::Press(d.Window(), 'N'); }},
    };
    for (const auto& [name, decline] : ways) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(app_.ClickCommandButton(BriselApp::UpperCase));
        UiMessageDialog dialog = app_.WaitConfirmation();
        ASSERT_TRUE(dialog) << app_.DescribeWindows();
        ASSERT_TRUE(decline(dialog) && dialog.WaitClosed(5000)) << "the confirmation stayed open";
        EXPECT_EQ(app_.ProgressBar().Position(), 0);
        EXPECT_EQ(app_.ProgressBar().Maximum(), 3);
        EXPECT_EQ(TreeOnDisk(), lower);
        ExpectNoDialog();
        EXPECT_TRUE(app_.MainWindow().IsEnabled());
        EXPECT_TRUE(app_.Process().IsRunning());
    }
}

// With entries selected only those are renamed, and the folder below is not
// scanned; they stay selected under their new names, so that the next
// command works on the same files.
TEST_F(BatchCommandUiTest, SelectedFilesStaySelectedUnderTheirNewNames)
{
    AddFiles({"a.txt", "b.txt", "c.txt", "d.txt", "Sub\\e.txt"});
    Start();
    UiListBox list = app_.FileList();
    ASSERT_EQ(list.Count(), 4);
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(1)));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000));
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(3), UiInput::Button::Left, UiInput::Ctrl));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 2; }, 3000));

    // The second command works on the selection as the first left it: only
    // the two files chosen, under their new names, change again.
    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    ASSERT_TRUE(app_.WaitBatchEnd(2));
    ASSERT_TRUE(UiWait::Until([&] { return list.Window().IsEnabled(); }, 3000));
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 3}));
    ASSERT_TRUE(app_.StartCommand(BriselApp::UpperCase));
    ASSERT_TRUE(app_.WaitBatchEnd(2));
    EXPECT_EQ(TreeOnDisk(), (std::vector<std::string>{"B.HTML", "D.HTML", "Sub", "Sub\\e.txt", "a.txt", "c.txt"}));
    ASSERT_TRUE(UiWait::Until([&] { return list.Window().IsEnabled(); }, 3000));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 3}));
    ExpectNoDialog();
}

// ".html" over a tree. b.txt cannot take the name of b.html beside it: both
// stay as they were, and one box reports that single failure.
TEST_F(BatchCommandUiTest, ExtensionChangeReportsTheFileItCouldNotRename)
{
    AddFiles({"readme.txt", "Sub\\b.txt", "Sub\\b.html", "Sub\\archive.tar.gz"});
    Start();
    ASSERT_EQ(app_.Edit(7).Text(), ".html");

    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    UiMessageDialog report = app_.WaitMessageBox();
    ASSERT_TRUE(report) << "no failure report; windows: " << app_.DescribeWindows();
    std::string message = report.Message();
    std::cout << "failure report: " << message << "\n";
    EXPECT_NE(message.find("b.txt"), std::string::npos) << message;
    EXPECT_NE(message.find('1'), std::string::npos) << message;
    EXPECT_EQ(message.find("readme"), std::string::npos) << message;
    EXPECT_EQ(message.find("archive"), std::string::npos) << message;
    EXPECT_EQ(message.find("b.html"), std::string::npos) << message;
    EXPECT_TRUE(app_.WaitBatchEnd(4, 0));
    std::vector<std::string> buttons = report.ButtonTexts();
    ASSERT_EQ(buttons.size(), 1u);

    ASSERT_TRUE(report.Press(buttons[0]));
    ASSERT_TRUE(report.WaitClosed(5000));
    EXPECT_EQ(TreeOnDisk(),
              (std::vector<std::string>{"Sub", "Sub\\archive.tar.html", "Sub\\b.html", "Sub\\b.txt", "readme.html"}));
    ExpectContents({{"Sub\\b.html", "Sub\\b.html"}, {"Sub\\b.txt", "Sub\\b.txt"}, {"readme.html", "readme.txt"}});
}

// A working directory of 260 bytes or more in GBK (two folders of 65
// Chinese characters, 131 in all) is shown as it is, with no notice, and a
// command renames its files and no others.
TEST_F(BatchCommandUiTest, LongWorkingDirectoryIsShownAndItsFilesRenamed)
{
    std::string name;
    for (int i = 0; i < 65; ++i) name += "中";
    AddFiles({"Top.TXT"});
    ASSERT_TRUE(RunLinuxShell(folder_.Path(), "mkdir -p " + name + "/" + name + " && echo m > " + name +
                                                  "/Mid.TXT && echo l > " + name + "/" + name + "/Long.TXT"));
    const std::string deep = folder_.PathOf(name + "\\" + name);
    ASSERT_GE(deep.size(), 260u);
    ASSERT_TRUE(app_.Start(deep)) << app_.Error();
    ASSERT_EQ(app_.FileList().Count(), 1);
    ExpectNoDialog();

    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase));
    ASSERT_TRUE(app_.WaitBatchEnd(1)) << app_.DescribeWindows();
    ExpectNoDialog();
    EXPECT_EQ(TempDir::Names(folder_.Path(), TempDir::Kind::Files), std::vector<std::string>{"Top.TXT"});
    EXPECT_EQ(TempDir::Names(folder_.PathOf(name), TempDir::Kind::Files), std::vector<std::string>{"Mid.TXT"});
    EXPECT_TRUE(RunLinuxShell(folder_.Path(), "[ \"$(ls " + name + "/" + name + ")\" = long.txt ]"));
}

// A directory gone from under the browser: F5 moves the lists to the folder
// above and says so.
TEST_F(BatchCommandUiTest, RefreshInAVanishedDirectoryMovesUp)
{
    AddFiles({"Gone\\a.TXT", "b.TXT"});
    ASSERT_TRUE(app_.Start(folder_.PathOf("Gone"))) << app_.Error();
    // From the Linux side: Wine keeps the program's working directory open.
    ASSERT_TRUE(RunLinuxShell(folder_.Path(), "rm -r Gone"));

    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), VK_F5));
    UiMessageDialog said = app_.WaitMessageBox();
    ASSERT_TRUE(said) << app_.DescribeWindows();
    EXPECT_NE(said.Message().find("Gone"), std::string::npos) << said.Message();
    EXPECT_EQ(app_.FileList().Count(), 1) << "the list shows the folder above, which holds b.TXT";
    ASSERT_TRUE(said.Press(said.ButtonTexts().at(0)));
}

// Names beyond any ANSI code page are listed as they are and reached: lower
// case maps their ASCII letters only, and undo puts every one back; â.txt
// is never taken for a.txt.
TEST_F(BatchCommandUiTest, NamesBeyondTheCodePageAreListedRenamedAndUndone)
{
    const std::vector<std::string> names{"a.txt",      "â.txt",     "PARTY 🎉.TXT",     "space ",
                                         "ZAŻÓŁĆ.TXT", "ÑANDÚ.TXT", "한국어 NOTES.TXT"};
    std::string make = "true";
    for (const std::string& name : names) make += " && echo x > '" + name + "'";
    ASSERT_TRUE(RunLinuxShell(folder_.Path(), make));
    Start();
    EXPECT_EQ(app_.FileList().Count(), static_cast<int>(names.size()));

    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase));
    ASSERT_TRUE(app_.WaitBatchEnd(static_cast<int>(names.size()))) << app_.DescribeWindows();
    ExpectNoDialog();
    EXPECT_TRUE(RunLinuxShell(folder_.Path(), "[ -f a.txt ] && [ -f â.txt ] && [ -f 'party 🎉.txt' ] && "
                                              "[ -f 'space ' ] && [ -f 'zaŻÓŁĆ.txt' ] && [ -f 'ÑandÚ.txt' ] && "
                                              "[ -f '한국어 notes.txt' ] && [ $(ls | wc -l) = 7 ]"));

    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), 'Z', UiInput::Ctrl));
    ASSERT_TRUE(app_.AnswerConfirmation(true));
    std::string back = "true";
    for (const std::string& name : names) back += " && [ -f '" + name + "' ]";
    EXPECT_TRUE(UiWait::Until([&] { return RunLinuxShell(folder_.Path(), back); }, 5000));
}

// Undo, by Ctrl+Z or the file list's menu, is offered only while a batch can
// be taken back, also after a refused command, and takes it back once after
// asking; the menu's items do what their keys do, and F5 reads the lists
// again. An extension with a path separator would move files elsewhere: it
// is refused with a message before any file is touched.
TEST_F(BatchCommandUiTest, UndoIsOfferedOnlyWhileABatchCanBeTakenBack)
{
    using Look = UiMenu::Look;
    const std::vector<Look> nothingToUndo{Look::Grayed, Look::Enabled, Look::Enabled};
    AddFiles({"a.txt", "b.doc", "Sub\\c.txt"});
    Start();
    const std::vector<std::string> before = TreeOnDisk();
    EXPECT_EQ(FileListMenuLooks(), nothingToUndo);
    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    ASSERT_TRUE(app_.WaitBatchEnd(3));
    const std::vector<std::string> renamed{"Sub", "Sub\\c.html", "a.html", "b.html"};
    ASSERT_EQ(TreeOnDisk(), renamed);

    // A refused command changes no file and leaves the batch to be undone.
    ASSERT_TRUE(app_.SetEditText(7, "..\\x")) << "Edit7 reads " << app_.Edit(7).Text();
    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    UiMessageDialog refusal = app_.WaitMessageBox();
    ASSERT_TRUE(refusal) << "no refusal; windows: " << app_.DescribeWindows();
    std::cout << "refusal: " << refusal.Message() << "\n";
    EXPECT_NE(refusal.Message().find('\\'), std::string::npos) << refusal.Message();
    EXPECT_EQ(TreeOnDisk(), renamed);
    std::vector<std::string> buttons = refusal.ButtonTexts();
    ASSERT_EQ(buttons.size(), 1u);
    ASSERT_TRUE(refusal.Press(buttons[0]));
    EXPECT_EQ(TreeOnDisk(), renamed);
    EXPECT_EQ(app_.ProgressBar().Position(), 0);
    EXPECT_EQ(app_.Edit(7).Text(), "..\\x");

    ASSERT_TRUE(ChooseFromFileListMenu(0)) << "undo was not offered after a batch";
    UiMessageDialog asked = app_.WaitConfirmation();
    ASSERT_TRUE(asked) << app_.DescribeWindows();
    ASSERT_TRUE(asked.Press("是[&Y]"));
    ASSERT_TRUE(UiWait::Until([&] { return TreeOnDisk() == before; }, 5000));
    UiListBox list = app_.FileList();
    EXPECT_TRUE(UiWait::Until([&] { return list.Window().IsEnabled(); }, 3000));

    // Nothing is left to undo.
    EXPECT_EQ(FileListMenuLooks(), nothingToUndo);

    ASSERT_TRUE(MoveFileW(Widen(folder_.PathOf("a.txt")).c_str(), Widen(folder_.PathOf("z.txt")).c_str()));
    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), VK_F5));
    // Read anew, the list has z.txt after b.doc, found by its letter.
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(0)));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000));
    ASSERT_TRUE(UiInput::TypeChars(list.Window(), "z"));
    EXPECT_EQ(list.SelectedIndexes(), std::vector<int>{1});
    ASSERT_TRUE(ChooseFromFileListMenu(2));
    EXPECT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 2; }, 3000));
    ExpectNoDialog();
}

}  // namespace
