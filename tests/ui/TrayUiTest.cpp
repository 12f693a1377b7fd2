// The tray icon and hiding to it, seen from outside.
//
// Wine's explorer draws the notification icons inside its "Shell_TrayWnd"
// (they are not windows) and keeps one tool per icon in a tooltip window that
// the tray owns: the tool's text is the icon's tooltip and its rectangle the
// icon's place in the tray, emptied when the icon is removed. That tool is how
// these tests find the icon; its pixels show that it is drawn. The menu's
// items' enabled states are read from how they are drawn.
#include "BriselApp.h"
#include "NamedCase.h"
#include "TempDir.h"
#include "UiInput.h"
#include "UiMenu.h"
#include "UiPixels.h"
#include "UiWait.h"
#include "platform/WideText.h"

#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr UINT kIconCallback = WM_USER + 1;
constexpr int kMenuItems = 3;
constexpr DWORD kSettleAfterMinimiseMs = 1000;

UiWindow Tray()
{
    return UiWindow(FindWindowA("Shell_TrayWnd", nullptr));
}

UiWindow TrayTooltip()
{
    UiWindow tray = Tray();
    if (!tray) return UiWindow();
    for (const UiWindow& window : UiWindow::TopLevelWindows(tray.ProcessId(), false))
        if (window.ClassName() == TOOLTIPS_CLASSA && GetWindow(window.Handle(), GW_OWNER) == tray.Handle())
            return window;
    return UiWindow();
}

struct TrayTool {
    std::string text;
    RECT rect;  // in the tray's client coordinates
};

// The tools of the tray's tooltip. Tooltip messages carry pointers, which
// Wine does not carry between processes, so they point into a buffer made in
// explorer's memory.
std::vector<TrayTool> TrayTools()
{
    std::vector<TrayTool> tools;
    UiWindow tooltip = TrayTooltip();
    LRESULT count = 0;
    if (!tooltip || !tooltip.Send(TTM_GETTOOLCOUNT, 0, 0, &count) || count <= 0) return tools;
    HANDLE explorer =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, tooltip.ProcessId());
    if (!explorer) return tools;
    constexpr size_t kTextChars = 128;
    auto* remote = static_cast<char*>(VirtualAllocEx(
        explorer, nullptr, sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
    auto put = [&](const TTTOOLINFOW& info) {
        return WriteProcessMemory(explorer, remote, &info, sizeof info, nullptr) != FALSE;
    };
    for (LRESULT i = 0; remote && i < count; ++i) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.lpszText = remoteText;
        LRESULT found = FALSE;
        if (!put(info) || !tooltip.Send(TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote), &found) || !found ||
            !ReadProcessMemory(explorer, remote, &info, sizeof info, nullptr))
            continue;
        // The enumeration hands back explorer's own text pointer: ask for a copy.
        info.lpszText = remoteText;
        wchar_t text[kTextChars] = {};
        if (put(info) && tooltip.Send(TTM_GETTEXTW, kTextChars, reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(explorer, remoteText, text, sizeof text - sizeof(wchar_t), nullptr))
            tools.push_back({Narrow(text), info.rect});
    }
    if (remote) VirtualFreeEx(explorer, remote, 0, MEM_RELEASE);
    CloseHandle(explorer);
    return tools;
}

// The places in the tray of the icons whose tooltip is the program's title.
std::vector<RECT> IconPlaces()
{
    std::vector<RECT> places;
    for (const TrayTool& tool : TrayTools())
        if (tool.text == BriselApp::kCaption && !IsRectEmpty(&tool.rect)) places.push_back(tool.rect);
    return places;
}

// How many colours a place of the tray shows: one for the bare tray.
size_t ColoursAt(const RECT& place)
{
    std::vector<COLORREF> pixels = UiPixels::Capture(Tray(), place);
    return std::set<COLORREF>(pixels.begin(), pixels.end()).size();
}

// Visible buttons of the taskbar, the start button among them.
int VisibleTaskbarButtons()
{
    int count = 0;
    for (const UiWindow& button : Tray().Children("Button")) count += button.IsVisible() ? 1 : 0;
    return count;
}

POINT CentreOf(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Puts the cursor on a screen point. Wine can move it back with a stale
// motion, so it is moved again until it stays.
bool MoveCursor(POINT screen)
{
    int steady = 0;
    ULONGLONG deadline = GetTickCount64() + 3000;
    while (steady < 2) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) {
            ++steady;
        } else {
            steady = 0;
            if (GetTickCount64() >= deadline) return false;
            SetCursorPos(screen.x, screen.y);
        }
        Sleep(20);
    }
    return true;
}

// Real mouse input at a screen point, with no window made foreground first:
// for the tray, the title bar's boxes and the open menu.
bool ClickAt(POINT screen, UiInput::Button button = UiInput::Button::Left)
{
    if (!MoveCursor(screen)) return false;
    bool left = button == UiInput::Button::Left;
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    input[1].mi.dwFlags = left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(50);
    return true;
}

// The minimise box's centre in screen coordinates, found by asking the window
// what lies along its title bar; {-1, -1} if there is none.
POINT MinimiseBox(const UiWindow& window)
{
    RECT frame{};
    GetWindowRect(window.Handle(), &frame);
    auto hit = [&](int x, int y) {
        LRESULT result = HTNOWHERE;
        window.Send(WM_NCHITTEST, 0, MAKELPARAM(x, y), &result);
        return result == HTMINBUTTON;
    };
    int y = frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int right = -1, left = -1;
    for (int x = frame.right - 1; x > frame.right - 200 && (right < 0 || left < 0); --x) {
        bool on = hit(x, y);
        if (on && right < 0) right = x;
        if (!on && right >= 0) left = x + 1;
    }
    if (right < 0 || left < 0) return POINT{-1, -1};
    int x = (left + right) / 2, top = -1, bottom = -1;
    for (int row = frame.top; row < frame.top + 60 && bottom < 0; ++row) {
        bool on = hit(x, row);
        if (on && top < 0) top = row;
        if (!on && top >= 0) bottom = row - 1;
    }
    return top < 0 || bottom < 0 ? POINT{-1, -1} : POINT{x, (top + bottom) / 2};
}

using Look = UiMenu::Look;

const std::vector<Look> kShownLooks{Look::Grayed, Look::Enabled, Look::Enabled};
const std::vector<Look> kInTrayLooks{Look::Enabled, Look::Grayed, Look::Enabled};

class TrayUiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }

    // Closes the program if a test left it running, so that its icon goes too.
    void TearDown() override
    {
        if (app_.Process().IsStarted() && app_.Process().IsRunning() && main_) main_.Post(WM_CLOSE);
        app_.Process().WaitForExit(10000);
    }

    // Starts the program and waits until it waits for input with its icon in
    // the tray. The icon's window is taken now: the menu gets a window of the
    // same kind when it first opens. Started other than normally, the main
    // window need not be visible.
    void Start(WORD showCmd = SW_SHOWNORMAL)
    {
        ASSERT_TRUE(app_.Process().Start(BriselApp::ExePath(), "", folder_.Path(), showCmd)) << app_.Process().Error();
        DWORD pid = app_.Process().Id();
        main_ = UiWindow::WaitTopLevel(pid, BriselApp::kCaption, BriselApp::kMainClass, BriselApp::kStartTimeoutMs,
                                       showCmd == SW_SHOWNORMAL);
        ASSERT_TRUE(main_) << "no main window";
        application_ = UiWindow::FindTopLevel(pid, BriselApp::kCaption, "TApplication", false);
        ASSERT_TRUE(application_) << "no application window";
        ASSERT_EQ(WaitForInputIdle(app_.Process().Handle(), 10000), 0u);
        std::vector<UiWindow> utilities;
        for (const UiWindow& window : UiWindow::TopLevelWindows(pid, false)) {
            SIZE size = window.ClientSize();
            if (window.ClassName() == "TUtilityWindow" && size.cx == 0 && size.cy == 0) utilities.push_back(window);
        }
        ASSERT_EQ(utilities.size(), 1u) << "expected one hidden utility window, the icon's";
        iconWindow_ = utilities.front();
        ASSERT_TRUE(UiWait::Until([] { return IconPlaces().size() == 1; }, 5000))
            << IconPlaces().size() << " tray icons titled " << BriselApp::kCaption;
        iconPlace_ = IconPlaces().front();
    }

    // The icon's centre on the screen.
    POINT IconPoint() const { return Tray().ClientToScreen(CentreOf(iconPlace_)); }

    bool IsShown() const
    {
        return main_.IsVisible() && !main_.IsMinimized() && application_.IsVisible() && !application_.IsMinimized();
    }
    bool IsInTray() const { return !main_.IsVisible() && !application_.IsVisible(); }

    std::string State() const
    {
        auto window = [](const char* name, const UiWindow& w) {
            return std::string(name) + (w.IsVisible() ? " visible" : " hidden") + (w.IsMinimized() ? " minimised" : "");
        };
        return window("main window", main_) + ", " + window("application window", application_) + ", " +
               std::to_string(VisibleTaskbarButtons()) + " taskbar buttons, " + std::to_string(IconPlaces().size()) +
               " icons";
    }

    // Opens the tray menu with a real right click on the icon, reads its
    // items' looks and closes it with Esc. The cursor stays on the icon, off
    // the menu, so no item is highlighted.
    std::vector<Look> MenuLooks() const
    {
        UiWindow menu = OpenMenuByRightClick();
        if (!menu) return {};
        std::vector<Look> looks = UiMenu(menu, kMenuItems).Looks();
        return CloseMenu(menu) ? looks : std::vector<Look>();
    }

    UiWindow OpenMenuByRightClick() const
    {
        if (!ClickAt(IconPoint(), UiInput::Button::Right)) return UiWindow();
        return WaitMenu();
    }

    UiWindow WaitMenu() const { return UiWindow::WaitTopLevel(app_.Process().Id(), nullptr, "#32768", 3000); }
    static bool WaitGone(const UiWindow& menu)
    {
        return UiWait::Until([&] { return !menu.IsVisible(); }, 3000);
    }
    static bool CloseMenu(const UiWindow& menu)
    {
        UiInput::PressToFocused(VK_ESCAPE);
        return WaitGone(menu);
    }

    // Chooses menu item i with a real click on it.
    bool Choose(int i) const
    {
        UiWindow menu = OpenMenuByRightClick();
        if (!menu) return false;
        UiMenu items(menu, kMenuItems);
        std::vector<Look> looks = items.Looks();
        return looks.size() == kMenuItems && looks[i] == Look::Enabled &&
               ClickAt(menu.ClientToScreen(CentreOf(items.ItemStrip(i)))) && WaitGone(menu);
    }

    // Posts the icon's window what the shell sends it for a press and a release.
    bool PostIconClick(UINT down, UINT up) const
    {
        return iconWindow_.Post(kIconCallback, 0, down) && iconWindow_.Post(kIconCallback, 0, up);
    }

    // taskbarButtonsShown < 0: the count of the shown state is not known.
    void ExpectInTray(int taskbarButtonsShown) const
    {
        ASSERT_TRUE(UiWait::Until([&] { return IsInTray(); }, 5000)) << State();
        if (taskbarButtonsShown >= 0) {
            EXPECT_TRUE(UiWait::Until([&] { return VisibleTaskbarButtons() == taskbarButtonsShown - 1; }, 3000))
                << "the taskbar button stays: " << State();
        }
        EXPECT_EQ(IconPlaces().size(), 1u);
        EXPECT_GT(ColoursAt(iconPlace_), 2u) << "the icon's place shows no picture";
        // Under Wine the program cannot keep the foreground for a moment after
        // its active window was minimised away: a menu opened then never sees
        // Esc (seen with a right click 300 ms after, not 600 ms after).
        Sleep(kSettleAfterMinimiseMs);
        EXPECT_EQ(MenuLooks(), kInTrayLooks);
    }

    void ExpectShown(int taskbarButtonsShown) const
    {
        ASSERT_TRUE(UiWait::Until([&] { return IsShown(); }, 5000)) << State();
        EXPECT_TRUE(UiWait::Until([&] { return VisibleTaskbarButtons() == taskbarButtonsShown; }, 3000)) << State();
        EXPECT_EQ(IconPlaces().size(), 1u);
        EXPECT_EQ(MenuLooks(), kShownLooks);
    }

    // Declared first so it outlives the program, which runs inside it.
    TempDir folder_;
    BriselApp app_;
    UiWindow main_;
    UiWindow application_;
    UiWindow iconWindow_;
    RECT iconPlace_{};
};

class TrayHideShowUiTest;

// Ways of hiding the window to the tray and of bringing it back.
struct HideShow {
    bool (*hide)(const TrayHideShowUiTest& test);
    bool (*show)(const TrayHideShowUiTest& test);
};
using HideShowCase = NamedCase<HideShow>;

class TrayHideShowUiTest : public TrayUiTest, public ::testing::WithParamInterface<HideShowCase> {
public:
    // The system menu's minimise command, as the menu sends it.
    static bool MinimiseBySystemMenu(const TrayHideShowUiTest& test)
    {
        return test.main_.Post(WM_SYSCOMMAND, SC_MINIMIZE);
    }
    static bool MinimiseByBox(const TrayHideShowUiTest& test)
    {
        POINT box = MinimiseBox(test.main_);
        return box.x >= 0 && UiInput::BringToFront(test.main_) && ClickAt(box);
    }
    static bool ChooseN2(const TrayHideShowUiTest& test) { return test.Choose(1); }
    static bool ChooseN1(const TrayHideShowUiTest& test) { return test.Choose(0); }
    static bool ClickIcon(const TrayHideShowUiTest& test) { return ClickAt(test.IconPoint()); }
    static bool IconCallbackClick(const TrayHideShowUiTest& test)
    {
        return test.PostIconClick(WM_LBUTTONDOWN, WM_LBUTTONUP);
    }
};

TEST_P(TrayHideShowUiTest, HidesToTheTrayAndComesBackWhereItWas)
{
    Start();
    RECT before{};
    GetWindowRect(main_.Handle(), &before);
    const int buttons = VisibleTaskbarButtons();
    ExpectShown(buttons);

    ASSERT_TRUE(GetParam().how.hide(*this));
    ExpectInTray(buttons);

    ASSERT_TRUE(GetParam().how.show(*this));
    ExpectShown(buttons);
    RECT after{};
    GetWindowRect(main_.Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after))
        << "moved from (" << before.left << ", " << before.top << ") to (" << after.left << ", " << after.top << ")";
}

const HideShowCase kHideShowCases[] = {
    {"SystemMenuMinimiseThenIconClick", {&TrayHideShowUiTest::MinimiseBySystemMenu, &TrayHideShowUiTest::ClickIcon}},
    {"MinimiseBoxThenIconCallback", {&TrayHideShowUiTest::MinimiseByBox, &TrayHideShowUiTest::IconCallbackClick}},
    {"MinimiseBoxThenN1", {&TrayHideShowUiTest::MinimiseByBox, &TrayHideShowUiTest::ChooseN1}},
    {"N2ThenN1", {&TrayHideShowUiTest::ChooseN2, &TrayHideShowUiTest::ChooseN1}},
    {"N2ThenIconClick", {&TrayHideShowUiTest::ChooseN2, &TrayHideShowUiTest::ClickIcon}},
};

INSTANTIATE_TEST_SUITE_P(Ways, TrayHideShowUiTest, ::testing::ValuesIn(kHideShowCases), CaseName());

// In the tray, the icon is all there is of the program: it must come back
// when Explorer starts again after a crash, which takes the icon away.
TEST_F(TrayUiTest, StartedMinimisedEndsInTheTrayAndOutlivesAnExplorerRestart)
{
    Start(SW_SHOWMINNOACTIVE);
    ExpectInTray(-1);
    NOTIFYICONDATAW icon{NOTIFYICONDATAW_V1_SIZE};
    icon.hWnd = iconWindow_.Handle();
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_TRUE(UiWait::Until([] { return IconPlaces().empty(); }, 3000));
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &result);
    ASSERT_TRUE(UiWait::Until([] { return IconPlaces().size() == 1; }, 5000)) << "the icon did not come back";
    iconPlace_ = IconPlaces().front();
    // The taskbar button comes with the window, so it was not there.
    const int buttonsInTray = VisibleTaskbarButtons();
    ASSERT_TRUE(ClickAt(IconPoint()));
    ExpectShown(buttonsInTray + 1);
}

// While the window is shown, a left click on the icon runs the same handler
// as the first item: nothing changes, the items keep their states. A right
// click opens the menu at the cursor.
TEST_F(TrayUiTest, IconCallbacksWhileShown)
{
    Start();
    const int buttons = VisibleTaskbarButtons();
    ASSERT_TRUE(PostIconClick(WM_LBUTTONDOWN, WM_LBUTTONUP));
    ExpectShown(buttons);

    const POINT cursor{300, 200};
    ASSERT_TRUE(MoveCursor(cursor));
    ASSERT_TRUE(PostIconClick(WM_RBUTTONDOWN, WM_RBUTTONUP));
    UiWindow menu = WaitMenu();
    ASSERT_TRUE(menu) << "no menu";
    RECT rect{};
    GetWindowRect(menu.Handle(), &rect);
    EXPECT_EQ(rect.left, cursor.x);
    EXPECT_EQ(rect.top, cursor.y);
    EXPECT_TRUE(CloseMenu(menu));
    EXPECT_TRUE(IsShown()) << State();
}

// The icon shows a picture under the program's title, shown or in the tray,
// and goes with the program.
class TrayCloseUiTest : public TrayUiTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TrayCloseUiTest, ClosingRemovesTheIcon)
{
    const bool inTray = GetParam();
    Start();
    if (inTray) {
        ASSERT_TRUE(main_.Post(WM_SYSCOMMAND, SC_MINIMIZE));
        ASSERT_TRUE(UiWait::Until([&] { return IsInTray(); }, 5000)) << State();
    }
    ASSERT_GT(ColoursAt(iconPlace_), 2u) << "the icon's place shows no picture";
    ASSERT_TRUE(main_.Post(WM_CLOSE));
    DWORD exitCode = 99;
    ASSERT_TRUE(app_.Process().WaitForExit(10000, &exitCode)) << "still running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(UiWait::Until([] { return IconPlaces().empty(); }, 3000)) << IconPlaces().size() << " icons left";
    EXPECT_TRUE(UiWait::Until([&] { return ColoursAt(iconPlace_) == 1; }, 3000))
        << "the icon's place still shows " << ColoursAt(iconPlace_) << " colours";
}

INSTANTIATE_TEST_SUITE_P(From, TrayCloseUiTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "InTray" : "Shown");
                         });

}  // namespace
