#include "about/uAboutBox.h"

#include "TestApplication.h"
#include "WindowPixels.h"
#include "components/cwHyperLink.h"
#include "platform/WideText.h"
#include "resources/maker.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/SpeedButton.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string>& OpenedAddresses()
{
    static std::vector<std::string> opened;
    return opened;
}

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT)
{
    OpenedAddresses().push_back(file ? Narrow(file) : "");
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

// Runs an action from inside the modal loop, after what was posted before it.
std::function<void()>& PendingAction()
{
    static std::function<void()> action;
    return action;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::function<void()> action = std::move(PendingAction());
    PendingAction() = nullptr;
    if (action) action();
}

void RunFromModalLoop(std::function<void()> action)
{
    PendingAction() = std::move(action);
    SetTimer(nullptr, 0, 300, RunPendingAction);
}

TForm* guardedForm = nullptr;

void CALLBACK EndHangingDialog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (guardedForm) guardedForm->SetModalResult(IDABORT);
}

// ShowModal that ends with IDABORT instead of hanging when nothing closes the dialog.
TModalResult ShowModalGuarded(TForm* form)
{
    guardedForm = form;
    UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, EndHangingDialog);
    TModalResult result = form->ShowModal();
    KillTimer(nullptr, watchdog);
    guardedForm = nullptr;
    return result;
}

class AboutBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        EnsureApplication();
        // As at start-up: the main window first, then the dialog.
        mainWindow = new TForm(nullptr, "TAboutBoxTestMain");
        mainWindow->SetBounds(10, 10, 500, 400);
        mainWindow->Show();
        box = new TAboutBox(nullptr);
    }

    static void TearDownTestSuite()
    {
        delete box;
        delete mainWindow;
        box = nullptr;
        mainWindow = nullptr;
    }

    void SetUp() override
    {
        SetCursorPos(0, 0);  // the real pointer stays off the dialog
        savedCalls = HyperLinkCalls();
        HyperLinkCalls().shellExecute = RecordShellExecute;
        OpenedAddresses().clear();
    }

    void TearDown() override { HyperLinkCalls() = savedCalls; }

    static void PostToPanel(UINT message, int x, int y, WPARAM keys = 0)
    {
        PostMessageA(box->Panel1->Handle(), message, keys, MAKELPARAM(x, y));
    }
    static void PostClick(TControl* control)
    {
        int x = control->Left() + control->Width() / 2, y = control->Top() + control->Height() / 2;
        PostToPanel(WM_MOUSEMOVE, x, y);
        PostToPanel(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        PostToPanel(WM_LBUTTONUP, x, y);
    }
    static void PostMoveToEmptySpot() { PostToPanel(WM_MOUSEMOVE, Scale(270), Scale(20)); }

    static int PixelsOf(TControl* control, COLORREF colour)
    {
        return CountPixels(box->Panel1->Handle(), control->BoundsRect(), colour);
    }

    THyperLinkCalls savedCalls{};
    static TForm* mainWindow;
    static TAboutBox* box;
};

TForm* AboutBoxTest::mainWindow = nullptr;
TAboutBox* AboutBoxTest::box = nullptr;

TEST_F(AboutBoxTest, IsACentredDialogWithCloseBoxOnly)
{
    HWND window = box->Handle();
    wchar_t className[64] = {};
    GetClassNameW(window, className, ARRAYSIZE(className));
    EXPECT_EQ(Narrow(className), "TAboutBox");
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, ARRAYSIZE(caption));
    EXPECT_EQ(Narrow(caption), "关于本软件");
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(box->Font().Name(), "宋体");
    EXPECT_EQ(box->Font().Height(), 12);
    EXPECT_EQ(box->Color(), GetSysColor(COLOR_BTNFACE));

    RunFromModalLoop([&] {
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.right - outer.left, Scale(306));
        EXPECT_EQ(outer.bottom - outer.top, Scale(207));
        EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(IsWindowEnabled(mainWindow->Handle()));  // modal
        box->Close();
    });
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(mainWindow->Handle()));
}

TEST_F(AboutBoxTest, ControlsSitWhereTheLayoutPutsThem)
{
    RECT panel;
    GetWindowRect(box->Panel1->Handle(), &panel);
    MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(panel.left, Scale(8));
    EXPECT_EQ(panel.top, Scale(8));
    EXPECT_EQ(panel.right - panel.left, Scale(281));
    EXPECT_EQ(panel.bottom - panel.top, Scale(161));

    const struct {
        const char* name;
        TControl* control;
        int left, top, width, height;  // size 0 x 0: the control sizes itself
    } places[] = {
        {"ProgramIcon", box->ProgramIcon, 8, 8, 0, 0},         {"ProductName", box->ProductName, 152, 24, 0, 0},
        {"cwHyperLink3", box->cwHyperLink3, 168, 50, 0, 0},    {"cwHyperLink2", box->cwHyperLink2, 8, 72, 0, 0},
        {"cwHyperLink6", box->cwHyperLink6, 168, 74, 0, 0},    {"cwHyperLink1", box->cwHyperLink1, 8, 92, 0, 0},
        {"cwHyperLink4", box->cwHyperLink4, 8, 114, 0, 0},     {"cwHyperLink5", box->cwHyperLink5, 8, 136, 0, 0},
        {"SpeedButton1", box->SpeedButton1, 232, 120, 33, 33}, {"OKButton", box->OKButton, 111, 180, 75, 25},
    };
    for (const auto& place : places) {
        EXPECT_EQ(place.control->Name(), place.name);
        EXPECT_EQ(place.control->Left(), Scale(place.left)) << place.name;
        EXPECT_EQ(place.control->Top(), Scale(place.top)) << place.name;
        if (place.width) {
            EXPECT_EQ(place.control->Width(), Scale(place.width)) << place.name;
            EXPECT_EQ(place.control->Height(), Scale(place.height)) << place.name;
        }
        TWinControl* expectedParent = place.control == box->OKButton ? static_cast<TWinControl*>(box) : box->Panel1;
        EXPECT_EQ(place.control->Parent(), expectedParent) << place.name;
    }
    EXPECT_EQ(box->ProductName->Caption(), BRISEL_COPYRIGHT);
    EXPECT_EQ(box->SpeedButton1->Caption(), "");
    EXPECT_EQ(box->OKButton->Caption(), "OK");
}

TEST_F(AboutBoxTest, LinksShowTheMakersContactsAndOpenItsSite)
{
    const struct {
        TcwHyperLink* link;
        const char* caption;
        const char* url;
    } links[] = {
        {box->cwHyperLink3, BRISEL_QQ1, BRISEL_SITE_URL},       {box->cwHyperLink2, BRISEL_SITE2_TEXT, BRISEL_SITE_URL},
        {box->cwHyperLink6, BRISEL_QQ2, BRISEL_SITE_URL},       {box->cwHyperLink1, BRISEL_SITE3_TEXT, BRISEL_SITE_URL},
        {box->cwHyperLink4, BRISEL_SITE_TEXT, BRISEL_SITE_URL}, {box->cwHyperLink5, BRISEL_PHONE, BRISEL_SITE2_URL},
    };
    for (const auto& expected : links) {
        EXPECT_EQ(expected.link->Caption(), expected.caption);
        EXPECT_EQ(expected.link->URL(), expected.url) << expected.caption;
        EXPECT_EQ(expected.link->Color(), GetSysColor(COLOR_BTNFACE)) << expected.caption;
        EXPECT_EQ(expected.link->Cursor(), LoadCursorA(nullptr, IDC_HAND)) << expected.caption;
    }
}

// Black text pixels of text drawn in font on white, with nothing to clip it.
int InkOf(HFONT font, const std::string& text)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, 400, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = Widen(text);
    TextOutW(dc, 0, 0, wide.c_str(), static_cast<int>(wide.size()));
    int ink = 0;
    for (int y = 0; y < all.bottom; ++y) {
        for (int x = 0; x < all.right; ++x) ink += GetPixel(dc, x, y) == RGB(0, 0, 0) ? 1 : 0;
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

// The copyright line shows every pixel of its text, also where the platform
// draws letters wider than it measures them (Wine's bitmap strikes).
TEST_F(AboutBoxTest, CopyrightLineIsDrawnWhole)
{
    TLabel* label = box->ProductName;
    int shown = -1;
    RunFromModalLoop([&] {
        shown = CountPixels(box->Panel1->Handle(), label->PaintRect(), RGB(0, 0, 0));
        box->Close();
    });
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_GT(shown, 0);
    EXPECT_EQ(shown, InkOf(label->Canvas().Font().Handle(), label->Caption()));
}

TEST_F(AboutBoxTest, LogoIsTheDecodedJpegAtFullSize)
{
    EXPECT_EQ(box->ProgramIcon->PictureWidth(), 130);
    EXPECT_EQ(box->ProgramIcon->PictureHeight(), 60);
    EXPECT_EQ(box->ProgramIcon->Width(), 130);  // sized to the picture
    EXPECT_EQ(box->ProgramIcon->Height(), 60);
    ASSERT_NE(box->ProgramIcon->Bitmap(), nullptr);
    const JpegPixels& pixels = box->ProgramIcon->Pixels();
    std::set<unsigned> colours;
    for (size_t i = 0; i + 2 < pixels.bgr.size(); i += 3)
        colours.insert(pixels.bgr[i] | pixels.bgr[i + 1] << 8 | pixels.bgr[i + 2] << 16);
    EXPECT_GT(colours.size(), 10u);

    // What the dialog shows there is the picture, not the background.
    int shown = -1, background = -1;
    RunFromModalLoop([&] {
        shown = CountPixels(box->Panel1->Handle(), box->ProgramIcon->BoundsRect(),
                            RGB(pixels.bgr[2], pixels.bgr[1], pixels.bgr[0]));
        background = PixelsOf(box->ProgramIcon, GetSysColor(COLOR_BTNFACE));
        box->Close();
    });
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_GT(shown, 0);
    EXPECT_LT(background, 130 * 60 / 2);
}

TEST_F(AboutBoxTest, OkButtonNeverShowsAndEnterAndEscDoNothing)
{
    EXPECT_FALSE(box->OKButton->Visible());
    EXPECT_FALSE(IsWindowVisible(box->OKButton->Handle()));
    HWND window = box->Handle();
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(window, WM_KEYDOWN, key, 0);
        PostMessageA(window, WM_KEYUP, key, 0xC0000000);
    }
    bool openAfterKeys = false, okShown = true;
    RunFromModalLoop([&] {
        openAfterKeys = box->ModalResult() == mrNone && IsWindowVisible(window);
        okShown = IsWindowVisible(box->OKButton->Handle()) != FALSE;
        PostClick(box->SpeedButton1);
    });
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_FALSE(okShown);
}

TEST_F(AboutBoxTest, FlatButtonAndCloseBoxEndTheDialogWithCancel)
{
    PostClick(box->SpeedButton1);
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_FALSE(IsWindowVisible(box->Handle()));

    PostMessageA(box->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);

    PostMessageA(box->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_TRUE(OpenedAddresses().empty());
}

TEST_F(AboutBoxTest, APressedLinkStaysMagentaAtTheNextShowing)
{
    HWND window = box->Handle();
    PostClick(box->cwHyperLink5);
    PostMoveToEmptySpot();
    PostClick(box->SpeedButton1);
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    ASSERT_EQ(OpenedAddresses().size(), 1u);
    EXPECT_EQ(OpenedAddresses()[0], BRISEL_SITE2_URL);

    int pressedMagenta = 0, pressedBlue = 0, otherMagenta = 0, otherBlue = 0;
    RunFromModalLoop([&] {
        pressedMagenta = PixelsOf(box->cwHyperLink5, clFuchsia);
        pressedBlue = PixelsOf(box->cwHyperLink5, clBlue);
        otherMagenta = PixelsOf(box->cwHyperLink4, clFuchsia);
        otherBlue = PixelsOf(box->cwHyperLink4, clBlue);
        PostClick(box->SpeedButton1);
    });
    EXPECT_EQ(ShowModalGuarded(box), mrCancel);
    EXPECT_EQ(box->Handle(), window);  // the same dialog, kept between showings
    EXPECT_GT(pressedMagenta, 0);
    EXPECT_EQ(pressedBlue, 0);
    EXPECT_EQ(otherMagenta, 0);
    EXPECT_GT(otherBlue, 0);
    EXPECT_EQ(OpenedAddresses().size(), 1u);
}

}  // namespace
