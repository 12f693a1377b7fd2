// The about dialog seen from outside: one dialog for every showing, its ways
// of closing, and a pressed contact line that stays magenta.
#include "BriselApp.h"
#include "NamedCase.h"
#include "TempDir.h"
#include "UiInput.h"
#include "UiPixels.h"
#include "UiWait.h"

#include <gtest/gtest.h>

#include <string>
#include <set>

namespace {

const char kAboutCaption[] = "关于本软件";
const char kAboutClass[] = "TAboutBox";
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

// Panel-relative places of the dialog: a contact line's top left corner and
// the flat close button's centre.
const POINT kLink1{8, 92};
const POINT kLink4{8, 114};
const POINT kCloseButtonCentre{232 + 16, 120 + 16};
// A point of the panel away from every control.
const POINT kPanelEmpty{272, 8};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM param)
{
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::set<HWND>*>(param)->insert(hwnd);
    return TRUE;
}

// Every visible top-level window of the desktop, whatever its process.
std::set<HWND> VisibleTopLevels()
{
    std::set<HWND> windows;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

POINT ScaledPoint(POINT design)
{
    return POINT{BriselApp::Scaled(design.x), BriselApp::Scaled(design.y)};
}

// Where a contact line's text is: its caption is drawn from (3, 1) on, in a
// font about 13 pixels high; 150 pixels wide covers the start of any line.
RECT LinkArea(POINT link)
{
    POINT corner = ScaledPoint(link);
    return RECT{corner.x, corner.y, corner.x + BriselApp::Scaled(150), corner.y + BriselApp::Scaled(17)};
}

// Whether a contact line's text shows colour, once repainted, and none of other.
bool LinkShows(const UiWindow& panel, POINT link, COLORREF colour, COLORREF other)
{
    return UiWait::Until([&] { return UiPixels::Count(panel, LinkArea(link), colour) > 0; }, 3000) &&
           UiPixels::Count(panel, LinkArea(link), other) == 0;
}

class AboutUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.IsValid());
        ASSERT_TRUE(app_.Start(folder_.Path())) << app_.Error();
    }

    // Clicks the about button and waits for the dialog.
    UiWindow Open() const
    {
        if (!app_.ClickCommandButton(BriselApp::About)) return UiWindow();
        return UiWindow::WaitTopLevel(app_.Process().Id(), kAboutCaption, kAboutClass, 5000);
    }

    static UiWindow Panel(const UiWindow& dialog) { return dialog.Child("TPanel"); }

    static bool WaitHidden(const UiWindow& dialog)
    {
        return UiWait::Until([&] { return !dialog.IsVisible(); }, 5000);
    }

    // Closes the dialog with its system menu's command.
    static bool Close(const UiWindow& dialog) { return dialog.Post(WM_SYSCOMMAND, SC_CLOSE) && WaitHidden(dialog); }

    TempDir folder_;
    BriselApp app_;
};

using AboutCloseCase = NamedCase<bool (*)(const UiWindow& dialog)>;

class AboutCloseUiTest : public AboutUiTest, public ::testing::WithParamInterface<AboutCloseCase> {};

// Shown twice and closed the same way each time: the same window both times,
// the main window blocked while it shows and enabled again after.
TEST_P(AboutCloseUiTest, ReturnsToTheMainWindowAndShowsTheSameDialogAgain)
{
    HWND first = nullptr;
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE("showing " + std::to_string(showing));
        UiWindow dialog = Open();
        ASSERT_TRUE(dialog) << "no about dialog; windows: " << app_.DescribeWindows();
        if (showing == 1) first = dialog.Handle();
        EXPECT_EQ(dialog.Handle(), first);
        EXPECT_TRUE(UiWait::Until([&] { return !app_.MainWindow().IsEnabled(); }, 2000))
            << "the main window is not blocked";

        ASSERT_TRUE(GetParam().how(dialog));
        ASSERT_TRUE(WaitHidden(dialog)) << "the dialog stayed open";
        EXPECT_TRUE(UiWait::Until([&] { return app_.MainWindow().IsEnabled(); }, 2000))
            << "the main window stayed blocked";
        EXPECT_TRUE(IsWindow(first)) << "the dialog was destroyed";
    }
    EXPECT_TRUE(app_.Process().IsRunning());
}

const AboutCloseCase kAboutCloseCases[] = {
    {"SystemMenuClose", [](const UiWindow& dialog) { return dialog.Post(WM_SYSCOMMAND, SC_CLOSE); }},
    {"FlatButton",
     [](const UiWindow& dialog) { return UiInput::Click(dialog.Child("TPanel"), ScaledPoint(kCloseButtonCentre)); }},
    // A real click on the title bar's close box, at the right end of the
    // caption inside the sizing frame.
    {"TitleBarCloseBox",
     [](const UiWindow& dialog) {
         RECT outer{};
         GetWindowRect(dialog.Handle(), &outer);
         POINT screen{outer.right - GetSystemMetrics(SM_CXSIZEFRAME) - GetSystemMetrics(SM_CXSIZE) / 2 - 1,
                      outer.top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYSIZE) / 2};
         POINT client = screen;
         ScreenToClient(dialog.Handle(), &client);
         return UiInput::Click(dialog, client);
     }},
};

INSTANTIATE_TEST_SUITE_P(Ways, AboutCloseUiTest, ::testing::ValuesIn(kAboutCloseCases), CaseName());

// The only default button is hidden and there is no cancel button.
TEST_F(AboutUiTest, EnterAndEscapeLeaveTheDialogOpen)
{
    UiWindow dialog = Open();
    ASSERT_TRUE(dialog) << app_.DescribeWindows();
    ASSERT_TRUE(UiInput::Press(dialog, VK_RETURN));
    ASSERT_TRUE(UiInput::Press(dialog, VK_ESCAPE));
    Sleep(300);
    EXPECT_TRUE(dialog.IsVisible());
    EXPECT_FALSE(app_.MainWindow().IsEnabled());
    EXPECT_TRUE(Close(dialog));
}

// Pressing a contact line opens the maker's address and turns the line
// magenta for good; the dialog shown again keeps it so, the others blue.
TEST_F(AboutUiTest, PressedLinkStaysMagentaAtTheNextShowing)
{
    UiWindow dialog = Open();
    ASSERT_TRUE(dialog) << app_.DescribeWindows();
    UiWindow panel = Panel(dialog);
    ASSERT_TRUE(panel) << "no panel on the about dialog";
    if (UiPixels::Capture(panel, LinkArea(kLink4)).empty())
        GTEST_SKIP() << "the dialog's pixels cannot be read from another process here";
    ASSERT_TRUE(LinkShows(panel, kLink4, kBlue, kMagenta)) << "the fifth contact line is not blue alone";

    const std::set<HWND> before = VisibleTopLevels();
    POINT text = ScaledPoint(kLink4);
    text.x += BriselApp::Scaled(3 + 10);
    text.y += BriselApp::Scaled(1 + 5);
    ASSERT_TRUE(UiInput::Click(panel, text));
    ASSERT_TRUE(UiInput::MoveTo(panel, ScaledPoint(kPanelEmpty)));

    // Under Wine the address goes to winebrowser, which finds no browser
    // here; whatever it opens is reported and closed.
    Sleep(1500);
    for (HWND window : VisibleTopLevels()) {
        if (before.count(window)) continue;
        UiWindow opened(window);
        ADD_FAILURE() << "the link opened a window: " << opened.ClassName() << " [" << opened.Text() << "] of process "
                      << opened.ProcessId();
        opened.Post(WM_CLOSE);
    }
    EXPECT_TRUE(dialog.IsVisible());
    EXPECT_TRUE(LinkShows(panel, kLink4, kMagenta, kBlue)) << "the pressed line is not magenta alone";
    EXPECT_TRUE(LinkShows(panel, kLink1, kBlue, kMagenta)) << "another line is not blue alone";

    ASSERT_TRUE(Close(dialog));
    ASSERT_TRUE(UiWait::Until([&] { return app_.MainWindow().IsEnabled(); }, 2000));
    UiWindow again = Open();
    ASSERT_TRUE(again) << app_.DescribeWindows();
    ASSERT_EQ(again.Handle(), dialog.Handle());
    EXPECT_TRUE(LinkShows(panel, kLink4, kMagenta, kBlue)) << "shown again, the pressed line is not magenta alone";
    EXPECT_TRUE(LinkShows(panel, kLink1, kBlue, kMagenta)) << "shown again, another line is not blue alone";
    EXPECT_TRUE(Close(again));
}

}  // namespace
