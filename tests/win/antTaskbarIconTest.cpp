#include "components/antTaskbarIcon.h"

#include "components/TaskbarIconCalls.h"
#include "platform/WideText.h"
#include "tests/win/StandInCalls.h"
#include "tests/win/TestApplication.h"
#include "toolkit/Application.h"
#include "toolkit/ImageList.h"
#include "toolkit/MenuItem.h"
#include "toolkit/PopupMenu.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct ShellCall {
    DWORD command;
    DWORD size;
    HWND window;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    HICON icon;
    std::wstring tip;
};

// What the component asked of the platform, and the one log of calls and
// events in the order they happened.
struct Recorder {
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> log;
    POINT cursor{321, 123};
    std::map<int, SHORT> keys;
    bool shellThrows = false;
    BOOL shellAnswer = TRUE;
    HWND hidden = nullptr;  // the component's window, to name it in the log

    void Clear()
    {
        shellCalls.clear();
        log.clear();
    }
};

Recorder* recorder = nullptr;

std::string WindowName(HWND window)
{
    if (recorder && window == recorder->hidden) return "hidden";
    if (Application && window == Application->Handle()) return "app";
    return "other";
}

BOOL WINAPI RecordShell(DWORD command, PNOTIFYICONDATAW data)
{
    if (recorder->shellThrows) throw std::runtime_error("shell unavailable");
    recorder->shellCalls.push_back(ShellCall{command, data->cbSize, data->hWnd, data->uID, data->uFlags,
                                             data->uCallbackMessage, data->hIcon, data->szTip});
    recorder->log.push_back("shell " + std::to_string(command));
    return recorder->shellAnswer;
}

BOOL WINAPI RecordCursor(LPPOINT point)
{
    *point = recorder->cursor;
    return TRUE;
}

SHORT WINAPI RecordKeyState(int key)
{
    auto found = recorder->keys.find(key);
    return found == recorder->keys.end() ? 0 : found->second;
}

BOOL WINAPI RecordForeground(HWND window)
{
    recorder->log.push_back("foreground " + WindowName(window));
    return TRUE;
}

BOOL WINAPI RecordPost(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    recorder->log.push_back("post " + WindowName(window) + " " + std::to_string(message) + " " +
                            std::to_string(wParam) + " " + std::to_string(lParam));
    return TRUE;
}

const TaskbarIconCalls recordingCalls{RecordShell, RecordCursor, RecordKeyState, RecordForeground, RecordPost};

struct ScopedCalls {
    explicit ScopedCalls(Recorder& rec) { recorder = &rec; }
    ~ScopedCalls() { recorder = nullptr; }
    const StandInCalls<TaskbarIconCalls> calls{recordingCalls};
};

std::string MouseText(const char* kind, TMouseButton button, TShiftState shift, int x, int y)
{
    return std::string(kind) +
           (button == TMouseButton::Left    ? " L "
            : button == TMouseButton::Right ? " R "
                                            : " ? ") +
           std::to_string(shift) + " " + std::to_string(x) + "," + std::to_string(y);
}

HICON MakeIcon(int size)
{
    std::vector<BYTE> andMask(((size + 15) / 16) * 2 * size, 0xFF), xorMask(andMask.size(), 0x00);
    return CreateIcon(GetModuleHandleA(nullptr), size, size, 1, 1, andMask.data(), xorMask.data());
}

int IconWidth(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return bitmap.bmWidth;
}

// Records where it was opened instead of tracking, and lets a test act "during" the menu.
class RecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    std::function<void()> whileOpen;
    void Popup(int x, int y) override
    {
        recorder->log.push_back("popup " + std::to_string(x) + "," + std::to_string(y));
        if (whileOpen) whileOpen();
    }
};

class TaskbarIconTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    std::unique_ptr<TantTaskbarIcon> MakeTray()
    {
        auto tray = std::make_unique<TantTaskbarIcon>(nullptr);
        Hook(*tray);
        return tray;
    }

    // A tray, and what it refers to, owned by the test's owner, which frees
    // them together before the calls are put back.
    TantTaskbarIcon* OwnedTray()
    {
        auto* tray = new TantTaskbarIcon(&owner);
        Hook(*tray);
        return tray;
    }

    RecordingMenu* GiveMenu(TantTaskbarIcon& tray)
    {
        auto* menu = new RecordingMenu(&owner);
        tray.SetPopupMenu(menu);
        return menu;
    }

    void Hook(TantTaskbarIcon& tray)
    {
        tray.SetName("antTaskbarIcon1");
        rec.hidden = tray.WindowHandle();
        auto& log = rec.log;
        auto logMouse = [&log](const char* kind) {
            return [&log, kind](TObject*, TMouseButton b, TShiftState s, int x, int y) {
                log.push_back(MouseText(kind, b, s, x, y));
            };
        };
        tray.OnMouseDown = logMouse("down");
        tray.OnMouseUp = logMouse("up");
        tray.OnClick = [&log](TObject*) { log.push_back("click"); };
        tray.OnDblClick = [&log](TObject*) { log.push_back("dblclick"); };
        tray.OnPopupMenu = [&log](TObject*) { log.push_back("popupmenu"); };
        tray.OnShow = [&log](TObject*) { log.push_back("show"); };
        tray.OnHide = [&log](TObject*) { log.push_back("hide"); };
    }

    // picture keeps the icon given, so a test can tell it from the tray's copy.
    static void GiveIconAndHint(TantTaskbarIcon& tray, TIcon& picture, int iconSize, const std::string& hint)
    {
        picture.SetHandle(MakeIcon(iconSize));
        tray.SetIcon(picture);
        tray.SetHint(hint);
    }

    // Sends what the shell sends for each mouse message, in turn.
    void Send(const TantTaskbarIcon& tray, const std::vector<UINT>& mouseMessages)
    {
        for (UINT message : mouseMessages)
            SendMessageA(tray.WindowHandle(), TantTaskbarIcon::CallbackMessage, 0, message);
    }

    Recorder rec;
    ScopedCalls calls{rec};
    TComponent owner{nullptr};
};

using Log = std::vector<std::string>;

TEST_F(TaskbarIconTest, HiddenWindowIsAZeroSizeToolWindowNeverShown)
{
    auto tray = MakeTray();
    HWND window = tray->WindowHandle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    EXPECT_EQ(bounds.bottom - bounds.top, 0);
    EXPECT_TRUE(rec.shellCalls.empty()) << "nothing is added at construction";
    // Other messages get the default handling.
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("tray"));
    char text[16] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "tray");
}

// Set while hidden, icon and hint modify the entry without the icon flag; the
// show adds them in the record's first layout, and an icon changed in place
// reaches the entry with the next update only.
TEST_F(TaskbarIconTest, ShowAndHideSendTheFirstRecordLayout)
{
    auto tray = MakeTray();
    TIcon picture;
    GiveIconAndHint(*tray, picture, 32, "Brisel批量文件更改器 V2.0");
    ASSERT_EQ(rec.log, (Log{"shell 1", "shell 1"}));
    for (const ShellCall& call : rec.shellCalls) EXPECT_EQ(call.flags, 5u);
    EXPECT_EQ(rec.shellCalls[0].icon, tray->Icon().Handle());
    rec.Clear();

    tray->SetVisible(true);
    tray->SetVisible(true);  // the current value: nothing at all
    tray->SetVisible(false);
    tray->SetVisible(false);

    EXPECT_EQ(rec.log, (Log{"shell 0", "show", "shell 2", "hide"}));
    ASSERT_EQ(rec.shellCalls.size(), 2u);
    const ShellCall& add = rec.shellCalls[0];
    EXPECT_EQ(add.size, static_cast<DWORD>(NOTIFYICONDATAW_V1_SIZE));
    EXPECT_EQ(add.window, tray->WindowHandle());
    EXPECT_EQ(add.id, 0u);
    EXPECT_EQ(add.flags, 7u);
    EXPECT_EQ(add.callbackMessage, 0x401u);
    EXPECT_EQ(IconWidth(add.icon), 32);
    EXPECT_NE(add.icon, picture.Handle()) << "the component keeps its own copy";
    EXPECT_EQ(add.icon, tray->Icon().Handle());
    EXPECT_EQ(add.tip, L"Brisel批量文件更改器 V2.0");
    const ShellCall& remove = rec.shellCalls[1];
    EXPECT_EQ(remove.flags, 5u);
    EXPECT_EQ(remove.window, tray->WindowHandle());
    EXPECT_FALSE(tray->Visible());

    tray->Icon().SetHandle(MakeIcon(24));
    EXPECT_EQ(rec.shellCalls.size(), 2u);
    tray->UpDate();
    ASSERT_EQ(rec.shellCalls.size(), 3u);
    EXPECT_EQ(rec.shellCalls.back().command, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(IconWidth(rec.shellCalls.back().icon), 24);
}

TEST_F(TaskbarIconTest, HintIsCutTo63Bytes)
{
    const std::string a62(62, 'a');
    const struct {
        std::string given, stored;
    } cases[] = {
        {std::string(70, 'x'), std::string(63, 'x')},
        {std::string(63, 'y'), std::string(63, 'y')},
        {a62 + "中", a62},  // a character across byte 63 is left out whole
        {a62.substr(0, 60) + "中", a62.substr(0, 60) + "中"},
        {"", ""},
    };
    ASSERT_EQ(std::string("中").size(), 3u);
    auto tray = MakeTray();
    for (const auto& c : cases) {
        rec.shellCalls.clear();
        tray->SetHint(c.given);
        EXPECT_EQ(tray->Hint(), c.stored);
        ASSERT_EQ(rec.shellCalls.size(), 1u);
        EXPECT_EQ(rec.shellCalls[0].command, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(rec.shellCalls[0].tip, Widen(c.stored));
    }
}

TEST_F(TaskbarIconTest, IconIdChangeMovesAVisibleEntry)
{
    auto tray = MakeTray();
    tray->SetVisible(true);
    EXPECT_EQ(rec.shellCalls.back().icon, nullptr) << "an empty icon is sent as 0";
    rec.Clear();

    tray->SetIconID(5);
    EXPECT_EQ(rec.log, (Log{"shell 2", "hide", "shell 0", "show"}));
    ASSERT_EQ(rec.shellCalls.size(), 2u);
    EXPECT_EQ(rec.shellCalls[0].id, 0u);
    EXPECT_EQ(rec.shellCalls[1].id, 5u);
    EXPECT_EQ(rec.shellCalls[1].flags, 7u);
    EXPECT_TRUE(tray->Visible());

    rec.log.clear();
    tray->SetIconID(5);
    tray->SetVisible(false);
    rec.log.clear();
    tray->SetIconID(6);  // hidden: only the identifier changes
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(tray->IconID(), 6);
}

// Each row: the mouse messages the shell reports, the key state, and what follows.
TEST_F(TaskbarIconTest, CallbacksBecomeEvents)
{
    const SHORT down = static_cast<SHORT>(0x8000);
    const struct {
        const char* name;
        std::vector<UINT> messages;
        std::map<int, SHORT> keys;
        Log expected;
    } cases[] = {
        {"double click",
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
         {},
         {"down L 8 321,123", "foreground app", "up L 8 321,123", "click", "dblclick", "foreground app",
          "up L 8 321,123"}},
        {"release without press", {WM_LBUTTONUP}, {}, {"foreground app", "up L 8 321,123"}},
        {"right click without menu",
         {WM_RBUTTONDOWN, WM_RBUTTONUP},
         {},
         {"foreground hidden", "down R 16 321,123", "foreground app", "up R 16 321,123"}},
        {"shift and ctrl", {WM_LBUTTONDOWN}, {{VK_SHIFT, down}, {VK_CONTROL, down}}, {"down L 13 321,123"}},
        {"alt", {WM_RBUTTONDOWN}, {{VK_MENU, down}}, {"foreground hidden", "down R 18 321,123"}},
        {"toggle state is not down", {WM_LBUTTONDOWN}, {{VK_SHIFT, 1}}, {"down L 8 321,123"}},
        {"other mouse messages", {WM_MOUSEMOVE, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDBLCLK}, {}, {}},
    };
    for (const auto& c : cases) {
        auto tray = MakeTray();
        rec.keys = c.keys;
        rec.log.clear();
        Send(*tray, c.messages);
        EXPECT_EQ(rec.log, c.expected) << c.name;
    }
}

TEST_F(TaskbarIconTest, DisabledIconRaisesNothingAndOpensNoMenu)
{
    auto* tray = OwnedTray();
    GiveMenu(*tray);  // a disabled icon opens it no more than it raises events
    tray->SetVisible(true);
    tray->SetEnabled(false);
    rec.log.clear();

    Send(*tray, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_TRUE(rec.log.empty());
    EXPECT_TRUE(tray->Visible());

    // The press was not seen, so the release after enabling is no click.
    tray->SetEnabled(true);
    Send(*tray, {WM_LBUTTONUP});
    EXPECT_EQ(rec.log, (Log{"foreground app", "up L 8 321,123"}));
    tray->SetVisible(false);
}

TEST_F(TaskbarIconTest, RightClickOpensTheMenuAtTheCursorAndThenReleases)
{
    auto* tray = OwnedTray();
    auto* menu = GiveMenu(*tray);
    // While the menu is open the cursor moves and Shift goes down.
    menu->whileOpen = [this] {
        rec.cursor = POINT{7, 8};
        rec.keys[VK_SHIFT] = static_cast<SHORT>(0x8000);
    };

    Send(*tray, {WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_EQ(rec.log, (Log{"foreground hidden", "down R 16 321,123", "popup 321,123", "post hidden 0 0 0", "popupmenu",
                            "foreground app", "up R 17 321,123"}));

    // Once the menu goes away, the icon forgets it.
    delete menu;
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    rec.log.clear();
    tray->PopupAtCursor();
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(TaskbarIconTest, ImageListPicksTheIconByIndex)
{
    auto* tray = OwnedTray();
    auto* images = new TImageList(&owner);
    for (int size : {16, 24}) {
        HICON icon = MakeIcon(size);
        images->AddIcon(icon);
        DestroyIcon(icon);
    }

    tray->SetImageIndex(1);  // no list yet: nothing happens
    EXPECT_TRUE(tray->Icon().Empty());
    EXPECT_TRUE(rec.shellCalls.empty());

    tray->SetImageList(images);
    EXPECT_EQ(IconWidth(tray->Icon().Handle()), 24);
    tray->SetImageIndex(0);
    EXPECT_EQ(IconWidth(tray->Icon().Handle()), 16);
    ASSERT_EQ(rec.shellCalls.size(), 2u);
    EXPECT_EQ(rec.shellCalls[1].command, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(IconWidth(rec.shellCalls[1].icon), 16);

    tray->SetImageIndex(9);  // no such image: the icon is empty
    EXPECT_TRUE(tray->Icon().Empty());

    TIcon picture;
    picture.SetHandle(MakeIcon(32));
    tray->SetIcon(picture);  // replaces the list's image until the list or index changes
    EXPECT_EQ(IconWidth(tray->Icon().Handle()), 32);

    delete images;
    EXPECT_EQ(tray->ImageList(), nullptr);
    tray->SetImageIndex(1);
    EXPECT_EQ(IconWidth(tray->Icon().Handle()), 32);
}

TEST_F(TaskbarIconTest, FailedShellCallsRaiseTheComponentsException)
{
    const struct {
        const char* expected;
        std::function<void(TantTaskbarIcon&)> act;
        bool visibleAfter;
    } cases[] = {
        {"antTaskbarIcon1.AddToTaskbar failed", [](TantTaskbarIcon& t) { t.SetVisible(true); }, true},
        {"antTaskbarIcon1.UpDate failed", [](TantTaskbarIcon& t) { t.SetHint("x"); }, true},
        {"antTaskbarIcon1.DeleteFromTaskbar failed", [](TantTaskbarIcon& t) { t.SetVisible(false); }, false},
    };
    auto tray = MakeTray();
    rec.shellThrows = true;
    rec.log.clear();
    for (const auto& c : cases) {
        try {
            c.act(*tray);
            ADD_FAILURE() << "no exception for " << c.expected;
        } catch (const EantTaskbarIcon& error) {
            EXPECT_STREQ(error.what(), c.expected);
        }
        EXPECT_EQ(tray->Visible(), c.visibleAfter) << c.expected;
    }
    EXPECT_TRUE(rec.log.empty()) << "OnShow and OnHide stay silent after a failed call";
}

TEST_F(TaskbarIconTest, DestroyingAVisibleIconRemovesItsEntry)
{
    auto tray = MakeTray();
    tray->SetIconID(3);
    tray->SetVisible(true);
    HWND window = tray->WindowHandle();
    rec.Clear();
    tray.reset();
    EXPECT_EQ(rec.log, (Log{"shell 2", "hide"}));
    ASSERT_EQ(rec.shellCalls.size(), 1u);
    EXPECT_EQ(rec.shellCalls[0].window, window);
    EXPECT_EQ(rec.shellCalls[0].id, 3u);
    EXPECT_FALSE(IsWindow(window));

    // A removal that fails while destroying does not take the program down.
    tray = MakeTray();
    tray->SetVisible(true);
    rec.shellThrows = true;
    tray.reset();
}

TEST_F(TaskbarIconTest, LoadedAddsAStoredVisibleEntryOnceMore)
{
    auto hidden = MakeTray();
    hidden->Loaded();
    EXPECT_TRUE(rec.log.empty());

    // As a stored form restores it: Visible before the handlers.
    TantTaskbarIcon tray(nullptr);
    tray.SetVisible(true);
    Hook(tray);
    tray.SetHint("stored");
    rec.Clear();
    tray.Loaded();
    EXPECT_EQ(rec.log, (Log{"shell 0", "show"}));
    ASSERT_EQ(rec.shellCalls.size(), 1u);
    EXPECT_EQ(rec.shellCalls[0].tip, L"stored");
}

// A new taskbar (Explorer started again, or the notification area appearing
// after it refused the first add at logon) gets a shown entry again, whatever
// else the icon is set to. The broadcast must reach the hidden window.
TEST_F(TaskbarIconTest, NewTaskbarGetsTheShownEntryAgain)
{
    auto tray = MakeTray();
    tray->SetHint("Brisel批量文件更改器 V2.0");
    rec.shellAnswer = FALSE;
    tray->SetVisible(true);
    rec.shellAnswer = TRUE;
    auto broadcast = [&] {
        rec.Clear();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(HWND_BROADCAST, TantTaskbarIcon::TaskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000,
                            &result);
    };
    for (bool enabled : {true, false}) {
        tray->SetEnabled(enabled);
        broadcast();
        EXPECT_EQ(rec.log, (Log{"shell 0"})) << "enabled " << enabled;
        ASSERT_EQ(rec.shellCalls.size(), 1u);
        EXPECT_EQ(rec.shellCalls[0].flags, 7u);
        EXPECT_EQ(rec.shellCalls[0].window, tray->WindowHandle());
        EXPECT_EQ(rec.shellCalls[0].tip, L"Brisel批量文件更改器 V2.0");
    }
    tray->SetVisible(false);
    broadcast();
    EXPECT_TRUE(rec.log.empty());
}

std::vector<std::pair<DWORD, BOOL>> shellResults;
NOTIFYICONDATAW lastEntry{};

BOOL WINAPI ObserveShell(DWORD command, PNOTIFYICONDATAW data)
{
    BOOL result = Shell_NotifyIconW(command, data);
    shellResults.emplace_back(command, result);
    lastEntry = *data;
    return result;
}

// With the real shell under Wine's virtual desktop, where there is a
// notification area: the entry is taken at the first add, takes every change,
// and is gone once the component is. What the shell answers to the add that
// a second show repeats is the shell's business.
TEST(TaskbarIconShellTest, RealNotificationAreaHoldsTheEntryUntilTheComponentGoes)
{
    EnsureApplication();
    if (!FindWindowA("Shell_TrayWnd", nullptr)) GTEST_SKIP() << "no notification area on this display";
    shellResults.clear();
    {
        const StandInCalls<TaskbarIconCalls> observing(
            {ObserveShell, GetCursorPos, GetKeyState, SetForegroundWindow, PostMessageW});
        TantTaskbarIcon tray(nullptr);
        tray.Icon().SetHandle(MakeIcon(32));
        tray.SetVisible(true);
        tray.SetHint("Brisel批量文件更改器 V2.0");
        tray.ShowIcon();
    }
    ASSERT_GE(shellResults.size(), 3u);
    EXPECT_EQ(shellResults.front(), (std::pair<DWORD, BOOL>{NIM_ADD, TRUE}));
    for (const auto& call : shellResults) {
        if (call.first == NIM_MODIFY) {
            EXPECT_TRUE(call.second) << "a change was refused";
        }
    }
    EXPECT_EQ(shellResults.back(), (std::pair<DWORD, BOOL>{NIM_DELETE, TRUE}));
    NOTIFYICONDATAW entry = lastEntry;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &entry)) << "an entry was left in the notification area";
}

}  // namespace
