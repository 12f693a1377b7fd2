#include "toolkit/PopupMenu.h"

#include "toolkit/Application.h"
#include "toolkit/MenuItem.h"
#include "platform/WideText.h"
#include "tests/win/TestApplication.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string LiveCaption(HMENU menu, int position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, ARRAYSIZE(text), MF_BYPOSITION);
    return Narrow(text);
}

bool LiveGrayed(HMENU menu, int position)
{
    return (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0;
}

bool MenuWindowShown()
{
    HWND window = FindWindowA("#32768", nullptr);
    return window && IsWindowVisible(window);
}

TEST(PopupMenuTest, ItemsLiveInTheMenuInTheirOrder)
{
    TPopupMenu menu(nullptr);
    TMenuItem* n1 = menu.Add("显示主窗口");
    n1->SetEnabled(false);
    auto* n2 = new TMenuItem("最小化显示");
    menu.Add(n2);
    menu.Add("登陆Brisel网");

    HMENU handle = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(handle), 3);
    ASSERT_EQ(menu.Count(), 3);
    EXPECT_EQ(menu.Item(1), n2);
    const char* captions[] = {"显示主窗口", "最小化显示", "登陆Brisel网"};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(LiveCaption(handle, i), captions[i]);
    EXPECT_TRUE(LiveGrayed(handle, 0));
    EXPECT_FALSE(LiveGrayed(handle, 1));

    // The states swap as the tray handlers swap them.
    n1->SetEnabled(true);
    n2->SetEnabled(false);
    EXPECT_FALSE(LiveGrayed(handle, 0));
    EXPECT_TRUE(LiveGrayed(handle, 1));
    n2->SetCaption("隐藏");
    EXPECT_EQ(LiveCaption(handle, 1), "隐藏");
    EXPECT_TRUE(LiveGrayed(handle, 1)) << "a new caption keeps the state";

    std::vector<TObject*> senders;
    n2->OnClick = [&senders](TObject* sender) { senders.push_back(sender); };
    n2->Click();
    menu.Item(2)->Click();  // unassigned: skipped
    EXPECT_EQ(senders, std::vector<TObject*>{n2});
}

// The real modal menu, driven by keys posted from a timer while it tracks.
struct MenuDriver {
    static std::vector<UINT> keys;
    static void CALLBACK Press(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        HWND target = Application ? Application->Handle() : nullptr;
        for (UINT key : keys) {
            PostMessageA(target, WM_KEYDOWN, key, 0);
            PostMessageA(target, WM_KEYUP, key, 0xC0000000);
        }
        if (keys.empty()) EndMenu();
    }
    // Closes a menu that ignored the keys, so a failure cannot hang the run.
    static void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        EndMenu();
    }
    static void Run(TPopupMenu& menu, std::vector<UINT> pressed)
    {
        keys = std::move(pressed);
        UINT_PTR press = SetTimer(nullptr, 0, 100, Press);
        UINT_PTR giveUp = SetTimer(nullptr, 0, 3000, GiveUp);
        menu.Popup(200, 150);
        KillTimer(nullptr, press);
        KillTimer(nullptr, giveUp);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {}
    }
};
std::vector<UINT> MenuDriver::keys;

TEST(PopupMenuTest, ChosenItemRunsAfterTheMenuHasClosed)
{
    EnsureApplication();
    TPopupMenu menu(nullptr);
    std::vector<std::string> log;
    for (const char* caption : {"one", "two", "three"}) {
        TMenuItem* item = menu.Add(caption);
        item->OnClick = [&log, caption](TObject*) {
            log.push_back(std::string(caption) + (MenuWindowShown() ? " menu shown" : " menu closed"));
        };
    }
    MenuDriver::Run(menu, {VK_DOWN, VK_DOWN, VK_RETURN});
    log.push_back("returned");
    EXPECT_EQ(log, (std::vector<std::string>{"two menu closed", "returned"}));

    log.clear();
    MenuDriver::Run(menu, {});  // closed without a choice
    EXPECT_EQ(log, std::vector<std::string>{});
}

}  // namespace
