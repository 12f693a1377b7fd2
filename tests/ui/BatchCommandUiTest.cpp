// The batch commands driven from outside: a click on a command button, the
// confirmation, and the names on disk afterwards.
#include "BriselApp.h"
#include "NamedCase.h"
#include "LinuxShell.h"
#include "TempDir.h"
#include "UiInput.h"
#include "UiMenu.h"
#include "UiWait.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <utility>

namespace {

// Every entry under root as a relative path ("Sub\\b.txt"), with the case the
// file system stores, sorted; folders are listed too.
void CollectTree(const std::string& root, const std::string& relative, std::vector<std::string>& paths)
{
    std::string folder = relative.empty() ? root : root + "\\" + relative;
    std::string prefix = relative.empty() ? std::string() : relative + "\\";
    for (const std::string& name : TempDir::Names(folder, TempDir::Kind::Files)) paths.push_back(prefix + name);
    for (const std::string& name : TempDir::Names(folder, TempDir::Kind::Folders)) {
        paths.push_back(prefix + name);
        CollectTree(root, prefix + name, paths);
    }
}

std::vector<std::string> Tree(const std::string& root)
{
    std::vector<std::string> paths;
    CollectTree(root, std::string(), paths);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string ContentOf(const std::string& path)
{
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

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

    std::vector<std::string> TreeOnDisk() const { return Tree(folder_.Path()); }

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

    // Whether a confirmation came within timeoutMs; one that did is answered
    // No. Read before answering: a closed dialog no longer tests true.
    bool ConfirmationShown(DWORD timeoutMs) const
    {
        UiMessageDialog asked = app_.WaitConfirmation(timeoutMs);
        const bool shown = static_cast<bool>(asked);
        if (shown) asked.Press("否[&N]");
        return shown;
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

using DeclineCase = NamedCase<bool (*)(const UiMessageDialog& dialog)>;

class BatchCommandDeclineUiTest : public BatchCommandUiTest, public ::testing::WithParamInterface<DeclineCase> {};

// The road of one request: nothing selected, "大写改小写", Yes. Every file of
// the tree gets its lower-case name, the folders keep theirs, and the bar
// stands at 3 of 3. A second command that is not answered Yes resets the bar
// to 0 and renames nothing.
TEST_P(BatchCommandDeclineUiTest, ResetsTheBarAndChangesNothing)
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

    ASSERT_TRUE(app_.ClickCommandButton(BriselApp::UpperCase));
    UiMessageDialog dialog = app_.WaitConfirmation();
    ASSERT_TRUE(dialog) << app_.DescribeWindows();
    ASSERT_TRUE(GetParam().how(dialog)) << "the confirmation stayed open";

    UiProgressBar bar = app_.ProgressBar();
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Maximum(), 3);
    Sleep(300);  // a wrongly started batch would have renamed by now
    EXPECT_EQ(TreeOnDisk(), lower);
    ExpectNoDialog();
    EXPECT_TRUE(app_.MainWindow().IsEnabled());
    EXPECT_TRUE(app_.Process().IsRunning());
}

const DeclineCase kDeclineCases[] = {
    {"Escape",
     [](const UiMessageDialog& dialog) {
         return UiInput::Press(dialog.Window(), VK_ESCAPE) && dialog.WaitClosed(5000);
     }},
    {"CloseBox",
     [](const UiMessageDialog& dialog) {
         return dialog.Window().Post(WM_SYSCOMMAND, SC_CLOSE) && dialog.WaitClosed(5000);
     }},
    {"AltF4",
     [](const UiMessageDialog& dialog) {
         return UiInput::Press(dialog.Window(), VK_F4, UiInput::Alt) && dialog.WaitClosed(5000);
     }},
    {"KeyN",
     [](const UiMessageDialog& dialog) { return UiInput::Press(dialog.Window(), 'N') && dialog.WaitClosed(5000); }},
};

INSTANTIATE_TEST_SUITE_P(Ways, BatchCommandDeclineUiTest, ::testing::ValuesIn(kDeclineCases), CaseName());

// With entries selected only those are renamed, and the folder below is not
// scanned; they stay selected under their new names, so that the next
// command works on the same files.
TEST_F(BatchCommandUiTest, SelectedFilesStaySelectedUnderTheirNewNames)
{
    AddFiles({"a.txt", "b.txt", "c.txt", "d.txt", "Sub\\e.txt"});
    Start();
    UiListBox list = app_.FileList();
    ASSERT_EQ(list.Items(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt"}));
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(1)));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000));
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(3), UiInput::Button::Left, UiInput::Ctrl));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 2; }, 3000));

    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    ASSERT_TRUE(app_.WaitBatchEnd(2));
    ASSERT_TRUE(UiWait::Until([&] { return list.Items()[1] == "b.html"; }, 3000)) << list.Items()[1];
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 3}));

    ASSERT_TRUE(app_.StartCommand(BriselApp::UpperCase));
    ASSERT_TRUE(UiWait::Until([&] { return list.Items()[1] == "B.HTML"; }, 5000)) << list.Items()[1];
    EXPECT_EQ(TreeOnDisk(), (std::vector<std::string>{"B.HTML", "D.HTML", "Sub", "Sub\\e.txt", "a.txt", "c.txt"}));
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a.txt", "B.HTML", "c.txt", "D.HTML"}));
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1, 3}));
    ExpectNoDialog();
}

// ".html" over a tree. b.txt cannot take the name of b.html beside it: both
// stay as they were, and one box reports that single failure. A close that
// comes while the report is shown waits for it to be answered.
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

    ASSERT_TRUE(app_.MainWindow().Post(WM_CLOSE));
    Sleep(500);
    ASSERT_TRUE(app_.Process().IsRunning());
    ASSERT_TRUE(app_.WaitMessageBox(1000)) << "the close took the report away";
    ASSERT_TRUE(report.Press(buttons[0]));
    DWORD exitCode = 99;
    ASSERT_TRUE(app_.Process().WaitForExit(10000, &exitCode)) << "still running";
    EXPECT_EQ(exitCode, 0u);
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
    ASSERT_EQ(app_.FileList().Items(), std::vector<std::string>{"Long.TXT"});
    ExpectNoDialog();

    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase));
    ASSERT_TRUE(app_.WaitBatchEnd(1)) << app_.DescribeWindows();
    ExpectNoDialog();
    EXPECT_EQ(TempDir::Names(folder_.Path(), TempDir::Kind::Files), std::vector<std::string>{"Top.TXT"});
    EXPECT_EQ(TempDir::Names(folder_.PathOf(name), TempDir::Kind::Files), std::vector<std::string>{"Mid.TXT"});
    EXPECT_TRUE(RunLinuxShell(folder_.Path(), "[ \"$(ls " + name + "/" + name + ")\" = long.txt ]"));
}

// A directory gone from under the browser gives no paths to work on: the
// command says so before it asks, and touches nothing. F5 then moves the
// lists to the folder above and says so.
TEST_F(BatchCommandUiTest, CommandInAVanishedDirectoryIsRefused)
{
    AddFiles({"Gone\\a.TXT", "b.TXT"});
    ASSERT_TRUE(app_.Start(folder_.PathOf("Gone"))) << app_.Error();
    // From the Linux side: Wine keeps the program's working directory open.
    ASSERT_TRUE(RunLinuxShell(folder_.Path(), "rm -r Gone"));

    ASSERT_TRUE(app_.ClickCommandButton(BriselApp::LowerCase));
    ASSERT_FALSE(ConfirmationShown(1000)) << "asked to change files in a directory that is gone";
    UiMessageDialog refusal = app_.WaitMessageBox();
    ASSERT_TRUE(refusal) << app_.DescribeWindows();
    EXPECT_NE(refusal.Message().find("没有更改任何文件"), std::string::npos) << refusal.Message();
    ASSERT_TRUE(refusal.Press(refusal.ButtonTexts().at(0)));
    EXPECT_EQ(TreeOnDisk(), std::vector<std::string>{"b.TXT"});

    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), VK_F5));
    UiMessageDialog said = app_.WaitMessageBox();
    ASSERT_TRUE(said) << app_.DescribeWindows();
    EXPECT_NE(said.Message().find("Gone"), std::string::npos) << said.Message();
    EXPECT_EQ(app_.FileList().Items(), std::vector<std::string>{"b.TXT"});
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
    std::vector<std::string> listed = app_.FileList().Items(), sorted = names;
    std::sort(listed.begin(), listed.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(listed, sorted);

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
    // The list shows the names as they are now.
    EXPECT_EQ(app_.FileList().Items(), (std::vector<std::string>{"a.html", "b.html"}));

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
    EXPECT_TRUE(UiWait::Until(
        [&] {
            return app_.FileList().Items() == std::vector<std::string>{"a.txt", "b.doc"};
        },
        3000));

    // Nothing is left to undo.
    EXPECT_EQ(FileListMenuLooks(), nothingToUndo);
    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), 'Z', UiInput::Ctrl));
    EXPECT_FALSE(ConfirmationShown(1000)) << "a second undo was offered";

    ASSERT_TRUE(MoveFileW(Widen(folder_.PathOf("a.txt")).c_str(), Widen(folder_.PathOf("z.txt")).c_str()));
    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), VK_F5));
    EXPECT_TRUE(UiWait::Until(
        [&] {
            return app_.FileList().Items() == std::vector<std::string>{"b.doc", "z.txt"};
        },
        3000));
    ASSERT_TRUE(ChooseFromFileListMenu(2));
    EXPECT_TRUE(UiWait::Until([&] { return app_.FileList().SelectedCount() == 2; }, 3000));
    ExpectNoDialog();
}

// A long batch: the window answers within a second all along, Esc stops it
// after the current file, the report counts what was not tried, and the
// part that was done can be taken back.
TEST_F(BatchCommandUiTest, EscStopsALongBatchWhichStaysUndoable)
{
    // A hundred folders of a thousand files: longer than the 20 s watched.
    constexpr int kFiles = 100000;
    constexpr ULONGLONG kWatchedMs = 20000;
    ASSERT_TRUE(RunLinuxShell(folder_.Path(), "for d in $(seq 0 99); do mkdir d$d; for f in $(seq 0 999); do "
                                              ": > d$d/f$f.txt; done; done"));
    Start();
    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    ASSERT_TRUE(UiWait::Until([&] { return app_.ProgressBar().Maximum() == kFiles; }, 30000));
    ULONGLONG slowest = 0;
    for (const ULONGLONG start = GetTickCount64(); GetTickCount64() - start < kWatchedMs;) {
        ULONGLONG begin = GetTickCount64();
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(app_.MainWindow().Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result))
            << "the window did not answer within 1 s, " << begin - start << " ms into the batch";
        slowest = std::max(slowest, GetTickCount64() - begin);
        Sleep(100);
    }
    std::cout << "slowest answer in " << kWatchedMs / 1000 << " s of the batch: " << slowest << " ms\n";
    ASSERT_LT(app_.ProgressBar().Position(), kFiles) << "the batch ended before it was stopped";
    ASSERT_TRUE(app_.MainWindow().Post(WM_KEYDOWN, VK_ESCAPE, 1));
    UiMessageDialog report = app_.WaitMessageBox(10000);
    ASSERT_TRUE(report) << app_.DescribeWindows();
    const std::string message = report.Message();
    std::cout << "report: " << message << "\n";
    ASSERT_EQ(message.rfind("已停止：", 0), 0u) << message;
    std::vector<int> counts;  // changed, failed, not tried
    for (size_t i = 0; i < message.size() && counts.size() < 3; ++i) {
        if (isdigit(static_cast<unsigned char>(message[i])) &&
            (i == 0 || !isdigit(static_cast<unsigned char>(message[i - 1]))))
            counts.push_back(atoi(message.c_str() + i));
    }
    ASSERT_EQ(counts.size(), 3u) << message;
    const int changed = counts[0], failed = counts[1], notTried = counts[2];
    EXPECT_EQ(failed, 0);
    EXPECT_GT(notTried, 0);
    EXPECT_EQ(changed + notTried, kFiles);
    const std::string htmlCount = "[ $(find . -name '*.html' | wc -l) -eq ";
    EXPECT_TRUE(RunLinuxShell(folder_.Path(), htmlCount + std::to_string(changed) + " ]"))
        << "the files renamed are not the " << changed << " the report counts";
    ASSERT_TRUE(report.Press(report.ButtonTexts().at(0)));

    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), 'Z', UiInput::Ctrl));
    ASSERT_TRUE(app_.AnswerConfirmation(true));
    ASSERT_TRUE(app_.WaitBatchEnd(changed, 120000));
    EXPECT_TRUE(UiWait::Until([&] { return RunLinuxShell(folder_.Path(), htmlCount + "0 ]"); }, 5000));
    ExpectNoDialog();
    // Far faster than the file calls under Wine.
    EXPECT_TRUE(RunLinuxShell(folder_.Path(), "rm -rf d[0-9]*"));
}

// A tree whose scan takes long enough to act on the window meanwhile: many
// empty folders and two files.
class LongScanUiTest : public BatchCommandUiTest {
protected:
    // The wide listing walks about 20 folders a millisecond here.
    static constexpr int kFolders = 10000;

    void SetUp() override
    {
        BatchCommandUiTest::SetUp();
        ULONGLONG begin = GetTickCount64();
        // Made on the Linux side: ten times faster than one call per folder.
        ASSERT_TRUE(RunLinuxShell(folder_.Path(), "mkdir $(seq -f D%04g 0 " + std::to_string(kFolders - 1) + ")"));
        AddFiles({"A.TXT", "D0500\\C.TXT"});
        std::cout << kFolders << " folders made in " << GetTickCount64() - begin << " ms\n";
        Start();
    }

    // Empty folders go far faster from the Linux side than by one call each.
    void TearDown() override { EXPECT_TRUE(RunLinuxShell(folder_.Path(), "rm -rf D[0-9]*")); }

    // The operation sets the bar's maximum to the count: until then the
    // command is still gathering paths.
    bool StillScanning() const { return app_.ProgressBar().Maximum() == 100; }
};

// During the scan the window takes input, yet a click on another command
// must not start a second command under the running one, and the settings
// and the browser take none: typing into the extension field cannot change
// what the confirmed command does.
TEST_F(LongScanUiTest, WhileACommandRunsNoOtherStartsAndTheSettingsTakeNoInput)
{
    ASSERT_TRUE(app_.StartCommand(BriselApp::Extension));
    ULONGLONG yes = GetTickCount64();
    ASSERT_TRUE(app_.ClickCommandButton(BriselApp::LowerCase));
    ULONGLONG clicked = GetTickCount64();
    // A read answered during the scan comes after the click in the queue, so
    // the click was taken in during the scan too.
    ASSERT_TRUE(StillScanning()) << "the scan ended within " << clicked - yes
                                 << " ms, before the second click: use more folders";
    UiWindow edit = app_.Edit(7);
    EXPECT_FALSE(edit.IsEnabled());
    EXPECT_FALSE(app_.FileList().Window().IsEnabled());
    UiInput::ClickCentre(edit);
    UiInput::Press(edit, VK_END);
    UiInput::Type(edit, "x");
    UiInput::Press(edit, 'Z', UiInput::Ctrl);

    EXPECT_FALSE(ConfirmationShown(500)) << "a second command asked for confirmation during the scan";
    ASSERT_TRUE(app_.WaitBatchEnd(2, 20000));
    std::cout << "scan and batch: " << GetTickCount64() - yes << " ms; second click after " << clicked - yes << " ms\n";
    EXPECT_FALSE(ConfirmationShown(1000)) << "the second click started a command after the first";
    EXPECT_TRUE(UiWait::Until([&] { return edit.IsEnabled() && app_.FileList().Window().IsEnabled(); }, 3000));
    EXPECT_EQ(edit.Text(), ".html");
    EXPECT_EQ(TempDir::Names(folder_.Path(), TempDir::Kind::Files), (std::vector<std::string>{"A.html"}));
    EXPECT_EQ(TempDir::Names(folder_.PathOf("D0500")), (std::vector<std::string>{"C.html"}));
    std::vector<std::string> folders = TempDir::Names(folder_.Path(), TempDir::Kind::Folders);
    EXPECT_EQ(std::count(folders.begin(), folders.end(), "D0500"), 1) << "a folder changed its name";
    ExpectNoDialog();
}

// Closing the window while the scan runs ends the program at once, with
// exit code 0 and without renaming anything.
TEST_F(LongScanUiTest, ClosingDuringTheScanEndsTheProgramWithoutRenaming)
{
    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase));
    ULONGLONG yes = GetTickCount64();
    ASSERT_TRUE(StillScanning()) << "the scan ended within " << GetTickCount64() - yes << " ms: use more folders";
    ASSERT_TRUE(app_.MainWindow().Post(WM_CLOSE));
    DWORD exitCode = 99;
    ASSERT_TRUE(app_.Process().WaitForExit(10000, &exitCode)) << "still running";
    std::cout << "ended " << GetTickCount64() - yes << " ms after Yes\n";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(TempDir::Names(folder_.Path(), TempDir::Kind::Files), (std::vector<std::string>{"A.TXT"}));
    EXPECT_EQ(TempDir::Names(folder_.PathOf("D0500")), (std::vector<std::string>{"C.TXT"}));
}

// Esc during the scan ends the command before any file is touched, and
// nothing of it is left to stop the next command.
TEST_F(LongScanUiTest, EscDuringTheScanChangesNothingAndTheNextCommandRuns)
{
    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase));
    ASSERT_TRUE(StillScanning()) << "the scan ended too soon: use more folders";
    // A real key: the focus must not have gone with the greyed controls.
    ASSERT_TRUE(UiInput::Press(app_.MainWindow(), VK_ESCAPE));
    // The whole scan and batch take about a second here: long enough to end.
    Sleep(3000);
    EXPECT_TRUE(app_.Process().IsRunning());
    EXPECT_EQ(app_.ProgressBar().Maximum(), 100) << "the batch ran after Esc";
    EXPECT_EQ(TempDir::Names(folder_.Path(), TempDir::Kind::Files), (std::vector<std::string>{"A.TXT"}));
    ExpectNoDialog();

    UiListBox list = app_.FileList();
    ASSERT_TRUE(UiInput::Click(list.Window(), list.ItemCentre(0)));
    ASSERT_TRUE(UiWait::Until([&] { return list.SelectedCount() == 1; }, 3000));
    ASSERT_TRUE(app_.StartCommand(BriselApp::LowerCase));
    ASSERT_TRUE(app_.WaitBatchEnd(1)) << "the command after the stopped one did nothing";
    EXPECT_EQ(TempDir::Names(folder_.Path(), TempDir::Kind::Files), (std::vector<std::string>{"a.txt"}));
}

}  // namespace
