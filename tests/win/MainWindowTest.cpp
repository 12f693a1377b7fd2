// The main window in process: its layout at 96 DPI, resizing, tab order,
// start state, and the time command over an empty target list.
#include "app/Unit1.h"
#include "browser/DirectoryListBox.h"
#include "browser/DriveComboBox.h"
#include "browser/FileListBox.h"
#include "components/antTaskbarIcon.h"
#include "tests/ui/driver/TempDir.h"
#include "tests/win/BatchTestHelpers.h"
#include "tests/win/TestApplication.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Panel.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StatusBar.h"
#include "resources/maker.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

RECT Rect(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

// Where a windowed control sits in its parent's client area.
RECT PlacedAt(TWinControl* control)
{
    RECT rect;
    GetWindowRect(control->Handle(), &rect);
    MapWindowPoints(nullptr, GetParent(control->Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.left << "," << actual.top << ")-(" << actual.right << ","
                                         << actual.bottom << ") instead of (" << expected.left << "," << expected.top
                                         << ")-(" << expected.right << "," << expected.bottom << ")";
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_EQ(ScreenDpi(), 96) << "the layout figures below are for 96 DPI";
        char previous[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, previous);
        previous_ = previous;
        SetCurrentDirectoryA(dir_.Path().c_str());
        form_ = std::make_unique<TForm1>(nullptr);
    }
    void TearDown() override
    {
        form_.reset();
        SetCurrentDirectoryA(previous_.c_str());
    }
    void SetClientSize(int width, int height)
    {
        RECT outer{0, 0, width, height};
        AdjustWindowRectEx(&outer, GetWindowLongA(form_->Handle(), GWL_STYLE), FALSE,
                           GetWindowLongA(form_->Handle(), GWL_EXSTYLE));
        SetWindowPos(form_->Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }

    TempDir dir_;
    std::string previous_;
    std::unique_ptr<TForm1> form_;
};

// At the layout's client size and 100 x 50 larger: the extra width goes to
// the file list, the extra height to the lists.
TEST_F(MainWindowTest, BandsAndControlsSitWhereTheLayoutPutsThem)
{
    TForm1& f = *form_;
    EXPECT_EQ(f.ClientWidth(), 587);
    EXPECT_EQ(f.ClientHeight(), 396);
    struct {
        TWinControl* control;
        RECT expected, larger;
    } windowed[] = {
        // clang-format off
        {f.Panel1, Rect(0, 0, 587, 57), Rect(0, 0, 687, 57)},
        {f.Panel6, Rect(0, 57, 587, 34), Rect(0, 57, 687, 34)},
        {f.Panel2, Rect(0, 91, 587, 32), Rect(0, 91, 687, 32)},
        {f.Panel3, Rect(0, 123, 273, 229), Rect(0, 123, 273, 279)},
        {f.FileListBox1, Rect(273, 123, 314, 229), Rect(273, 123, 414, 279)},
        {f.Panel5, Rect(0, 352, 587, 25), Rect(0, 402, 687, 25)},
        {f.StatusBar1, Rect(0, 377, 587, 19), Rect(0, 427, 687, 19)},
        {f.ProgressBar1, Rect(2, 2, 583, 21), Rect(2, 2, 683, 21)},
        {f.Panel4, Rect(2, 2, 269, 32), Rect(2, 2, 269, 32)},
        {f.DirectoryListBox1, Rect(2, 34, 269, 193), Rect(2, 34, 269, 243)},
        {f.Edit1, Rect(96, 8, 41, 20), Rect(96, 8, 41, 20)},
        {f.Edit7, Rect(528, 8, 55, 20), Rect(528, 8, 55, 20)},
        // clang-format on
    };
    for (const auto& item : windowed)
        EXPECT_TRUE(SameRect(PlacedAt(item.control), item.expected)) << item.control->Name();
    EXPECT_EQ(PlacedAt(f.DriveComboBox1).left, 6);
    EXPECT_EQ(PlacedAt(f.DriveComboBox1).top, 7);
    EXPECT_EQ(f.DriveComboBox1->Height(), 18);

    TSpeedButton* buttons[] = {f.SpeedButton1, f.SpeedButton2, f.SpeedButton3, f.SpeedButton4, f.SpeedButton5};
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(SameRect(buttons[i]->BoundsRect(), Rect(4 + 108 * i, 8, 105, 41)));
    for (TButton* hidden : {f.Button1, f.Button2, f.Button3, f.Button4}) {
        EXPECT_FALSE(IsWindowVisible(hidden->Handle())) << hidden->Name();
    }

    SetClientSize(687, 446);
    for (const auto& item : windowed)
        EXPECT_TRUE(SameRect(PlacedAt(item.control), item.larger)) << item.control->Name() << " when larger";
}

// At 150 % the button pictures grow with the layout, and every list's rows hold
// their font's cell, which grows faster than the layout under Wine.
TEST_F(MainWindowTest, At144DpiPicturesScaleAndRowsFitTheirFont)
{
    ScreenDpiScope scale(144);
    form_ = std::make_unique<TForm1>(nullptr);
    TForm1& f = *form_;
    for (TSpeedButton* button : {f.SpeedButton1, f.SpeedButton2, f.SpeedButton3, f.SpeedButton4, f.SpeedButton5}) {
        const SIZE glyph = BitmapSize(button->Glyph());
        EXPECT_EQ(std::make_pair(glyph.cx, glyph.cy), std::make_pair(48L, 48L)) << button->Name();
    }
    for (auto [list, message] : {std::pair<TWinControl*, UINT>{f.FileListBox1, LB_GETITEMHEIGHT},
                                 {f.DirectoryListBox1, LB_GETITEMHEIGHT},
                                 {f.DriveComboBox1, CB_GETITEMHEIGHT}}) {
        TCanvas canvas;
        canvas.Font().Assign(list->Font());
        EXPECT_GE(SendMessageA(list->Handle(), message, 0, 0), canvas.TextExtent("").cy) << list->Name();
    }
}

TEST_F(MainWindowTest, TabVisitsTheListsThenTheSevenFieldsOnly)
{
    TForm1& f = *form_;
    f.Show();
    EXPECT_EQ(GetNextDlgTabItem(f.Handle(), nullptr, FALSE), f.DriveComboBox1->Handle());
    HWND at = f.DriveComboBox1->Handle();
    // Round the lists and the fields, then back to the drive selector.
    const std::initializer_list<TWinControl*> order = {
        f.DirectoryListBox1, f.FileListBox1, f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7,
        f.DriveComboBox1};
    for (TWinControl* next : order) {
        at = GetNextDlgTabItem(f.Handle(), at, FALSE);
        EXPECT_EQ(at, next->Handle()) << next->Name();
    }
}

TEST_F(MainWindowTest, StartsWithTheLayoutsValues)
{
    TForm1& f = *form_;
    const char* texts[] = {"2020", "12", "12", "12", "12", "12", ".html"};
    TEdit* edits[] = {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(edits[i]->Text(), texts[i]);
    EXPECT_EQ(f.ProgressBar1->Max(), 100);
    EXPECT_EQ(f.ProgressBar1->Position(), 0);
    EXPECT_FALSE(f.N1->Enabled());
    EXPECT_TRUE(f.N2->Enabled());
    EXPECT_TRUE(f.N3->Enabled());
    ASSERT_NE(f.TargetList(), nullptr);
    EXPECT_TRUE(f.TargetList()->empty());
    EXPECT_EQ(Application->HintColor(), RGB(0, 255, 0));
    EXPECT_EQ(f.StatusBar1->PanelText(0), std::string(BRISEL_COPYRIGHT));
    EXPECT_EQ(f.FileListBox1->Count(), 0);  // the start directory is the empty temporary folder
}

// A window whose class is ANSI while the toolkit's procedures are wide (or the
// other way round) has its text messages translated through the code page.
TEST_F(MainWindowTest, EveryWindowOfTheProgramIsWide)
{
    std::vector<HWND> windows{Application->Handle(), form_->Handle(), form_->antTaskbarIcon1->WindowHandle()};
    EnumChildWindows(
        form_->Handle(),
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    ASSERT_GT(windows.size(), 20u);
    for (HWND window : windows) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        EXPECT_TRUE(IsWindowUnicode(window)) << name;
    }
}

// The extension field reads back what was typed exactly, whatever the
// system's code page: never a look-alike (".a" for ".â") nor a '?'.
TEST_F(MainWindowTest, ATypedCharacterIsReadBackExactly)
{
    SetWindowTextW(form_->Edit7->Handle(), L".\u00E2\u4E2D\U0001F389");
    EXPECT_EQ(form_->Edit7->Text(), ".â中🎉");
}

// While a command runs, nothing that could change what it works on takes
// input, and the keys go to the form, where Esc reaches the command; then
// each control and the focus are back as they were.
TEST_F(MainWindowTest, LockedInputGreysTheSettingsAndTheBrowser)
{
    TForm1& f = *form_;
    f.Show();
    SetFocus(f.Edit7->Handle());
    const std::initializer_list<TWinControl*> locked = {
        f.Edit1,       f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.DriveComboBox1, f.DirectoryListBox1,
        f.FileListBox1};
    CommandHost& host = f;
    host.LockInput(true);
    for (TWinControl* control : locked) EXPECT_FALSE(IsWindowEnabled(control->Handle())) << control->Name();
    EXPECT_EQ(GetFocus(), f.Handle());
    host.LockInput(false);
    for (TWinControl* control : locked) EXPECT_TRUE(IsWindowEnabled(control->Handle())) << control->Name();
    EXPECT_EQ(GetFocus(), f.Edit7->Handle());
}

// Minimising the application hides the window to the tray; the tray menu's
// first item brings it back.
TEST_F(MainWindowTest, MinimisingHidesToTheTrayAndShowBringsTheWindowBack)
{
    TForm1& f = *form_;
    f.Show();
    Application->Minimize();
    EXPECT_FALSE(IsWindowVisible(f.Handle()));
    EXPECT_FALSE(IsWindowVisible(Application->Handle()));
    EXPECT_TRUE(f.N1->Enabled());
    EXPECT_FALSE(f.N2->Enabled());
    f.N1->Click();
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
    EXPECT_FALSE(IsIconic(Application->Handle()));
    EXPECT_FALSE(f.N1->Enabled());
}

// The user's regional settings as they were, put back when the test ends.
class SavedRegionalSettings {
public:
    SavedRegionalSettings()
    {
        for (Saved& saved : saved_) GetLocaleInfoW(LOCALE_USER_DEFAULT, saved.type, saved.value, 100);
    }
    ~SavedRegionalSettings()
    {
        for (const Saved& saved : saved_) SetLocaleInfoW(LOCALE_USER_DEFAULT, saved.type, saved.value);
    }

private:
    struct Saved {
        LCTYPE type;
        wchar_t value[100];
    } saved_[3] = {{LOCALE_SSHORTDATE, {}}, {LOCALE_SLONGDATE, {}}, {LOCALE_STIMEFORMAT, {}}};
};

std::wstring LocaleValue(LCTYPE type)
{
    wchar_t buffer[100] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 100);
    return buffer;
}

// The time command writes no regional setting and tells no program of one;
// the application still re-reads its formats when another program changes them.
TEST_F(MainWindowTest, TimeCommandLeavesTheRegionalSettingsAndPadsTheFieldsEvenWithNoTargets)
{
    SavedRegionalSettings saved;
    TForm1& f = *form_;
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "yyyy/M/d");
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, "h.mm.ss");
    const std::wstring longDate = LocaleValue(LOCALE_SLONGDATE);
    Application->ReadFormatSettings();

    f.Edit4->SetText("5");
    f.Edit5->SetText("");
    f.Edit6->SetText("07");
    f.Button1->Click();

    EXPECT_EQ(LocaleValue(LOCALE_SSHORTDATE), L"yyyy/M/d");
    EXPECT_EQ(LocaleValue(LOCALE_SLONGDATE), longDate);
    EXPECT_EQ(LocaleValue(LOCALE_STIMEFORMAT), L"h.mm.ss");
    EXPECT_EQ(Application->FormatSettings().dateSeparator, '/');
    EXPECT_EQ(Application->FormatSettings().timeSeparator, '.');
    EXPECT_EQ(f.Edit4->Text(), "05");
    EXPECT_EQ(f.Edit5->Text(), "0");
    EXPECT_EQ(f.Edit6->Text(), "07");
    EXPECT_EQ(f.ProgressBar1->Max(), 0);
    EXPECT_EQ(f.ProgressBar1->Position(), 0);

    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "d.M.yyyy");
    SendMessageW(Application->Handle(), WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_EQ(Application->FormatSettings().dateOrder, 'D');
    EXPECT_EQ(Application->FormatSettings().dateSeparator, '.');
}

TEST_F(MainWindowTest, RenameOperationsWorkThroughTheTargetListAndDriveTheBar)
{
    TForm1& f = *form_;
    dir_.Create("Sub");
    f.DiskScan1FileFound(nullptr, dir_.WriteFile("Sub\\One.TXT"));
    f.DiskScan1FileFound(nullptr, dir_.WriteFile("Two.Txt"));
    f.Button3->Click();
    EXPECT_EQ(NameOnDisk(dir_.PathOf("Sub\\one.txt")), "one.txt");
    EXPECT_EQ(NameOnDisk(dir_.PathOf("two.txt")), "two.txt");
    EXPECT_EQ(NameOnDisk(dir_.PathOf("sub")), "Sub");
    EXPECT_EQ(f.ProgressBar1->Max(), 2);
    EXPECT_EQ(f.ProgressBar1->Position(), 2);
    // The list keeps the last batch's paths.
    EXPECT_EQ(f.TargetList()->size(), 2u);
}

}  // namespace
