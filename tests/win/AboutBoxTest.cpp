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

// Runs from inside the modal loop, after what was posted before it.
std::function<void()> pendingAction;

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::function<void()> action = std::move(pendingAction);
    pendingAction = nullptr;
    if (action) action();
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

    // Shows the dialog, runs whileShown from inside its modal loop, then
    // closes it; fails if the dialog ended before whileShown could run.
    static void ShowAndClose(const std::function<void()>& whileShown)
    {
        bool ran = false;
        pendingAction = [&] {
            whileShown();
            ran = true;
            box->Close();
        };
        UINT_PTR timer = SetTimer(nullptr, 0, 300, RunPendingAction);
        EXPECT_EQ(ShowModalGuarded(box), mrCancel);
        // An action that did not run must not outlive this call.
        KillTimer(nullptr, timer);
        pendingAction = nullptr;
        EXPECT_TRUE(ran) << "the dialog ended before the checks while it showed";
    }

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

    ShowAndClose([&] {
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.right - outer.left, Scale(306));
        EXPECT_EQ(outer.bottom - outer.top, Scale(207));
        EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(IsWindowEnabled(mainWindow->Handle()));  // modal
    });
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(mainWindow->Handle()));
}

TEST_F(AboutBoxTest, ControlsSitWhereTheLayoutPutsThemAndLinksOpenTheMakersSite)
{
    RECT panel;
    GetWindowRect(box->Panel1->Handle(), &panel);
    MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(panel.left, Scale(8));
    EXPECT_EQ(panel.top, Scale(8));
    EXPECT_EQ(panel.right - panel.left, Scale(281));
    EXPECT_EQ(panel.bottom - panel.top, Scale(161));

    // The links show the maker's contacts and open its site; their colour and
    // cursor are the link's own, checked with it.
    const struct {
        const char* name;
        TControl* control;
        int left, top, width, height;  // size 0 x 0: the control sizes itself
        const char *caption, *url;     // links only
    } places[] = {
        {"ProgramIcon", box->ProgramIcon, 8, 8, 0, 0, nullptr, nullptr},
        {"ProductName", box->ProductName, 152, 24, 0, 0, nullptr, nullptr},
        {"cwHyperLink3", box->cwHyperLink3, 168, 50, 0, 0, BRISEL_QQ1, BRISEL_SITE_URL},
        {"cwHyperLink2", box->cwHyperLink2, 8, 72, 0, 0, BRISEL_SITE2_TEXT, BRISEL_SITE_URL},
        {"cwHyperLink6", box->cwHyperLink6, 168, 74, 0, 0, BRISEL_QQ2, BRISEL_SITE_URL},
        {"cwHyperLink1", box->cwHyperLink1, 8, 92, 0, 0, BRISEL_SITE3_TEXT, BRISEL_SITE_URL},
        {"cwHyperLink4", box->cwHyperLink4, 8, 114, 0, 0, BRISEL_SITE_TEXT, BRISEL_SITE_URL},
        {"cwHyperLink5", box->cwHyperLink5, 8, 136, 0, 0, BRISEL_PHONE, BRISEL_SITE2_URL},
        {"SpeedButton1", box->SpeedButton1, 232, 120, 33, 33, nullptr, nullptr},
        {"OKButton", box->OKButton, 111, 180, 75, 25, nullptr, nullptr},
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
        if (!place.caption) continue;
        auto* link = static_cast<TcwHyperLink*>(place.control);
        EXPECT_EQ(link->Caption(), place.caption);
        EXPECT_EQ(link->URL(), place.url) << place.name;
    }
    EXPECT_EQ(box->ProductName->Caption(), BRISEL_COPYRIGHT);
    EXPECT_EQ(box->SpeedButton1->Caption(), "");
    EXPECT_EQ(box->OKButton->Caption(), "OK");
}

// The copyright line shows every pixel of its text, also where the platform
// draws letters wider than it measures them (Wine's bitmap strikes).
TEST_F(AboutBoxTest, CopyrightLineIsDrawnWhole)
{
    TLabel* label = box->ProductName;
    const int expected = Render(label->Canvas().Font().Handle(), label->Caption(), 400).Black();
    EXPECT_GT(expected, 0);
    ShowAndClose([&] { EXPECT_EQ(CountPixels(box->Panel1->Handle(), label->PaintRect(), RGB(0, 0, 0)), expected); });
}

// The decoder's tests check the picture itself; here, that the dialog sizes
// the image to it and shows it, not the background.
TEST_F(AboutBoxTest, LogoIsTheDecodedJpegAtFullSize)
{
    EXPECT_EQ(box->ProgramIcon->Width(), 130);
    EXPECT_EQ(box->ProgramIcon->Height(), 60);
    ASSERT_NE(box->ProgramIcon->Bitmap(), nullptr);
    const JpegPixels& pixels = box->ProgramIcon->Pixels();
    ASSERT_EQ(pixels.bgr.size(), 130u * 60u * 3u);
    ShowAndClose([&] {
        EXPECT_GT(PixelsOf(box->ProgramIcon, RGB(pixels.bgr[2], pixels.bgr[1], pixels.bgr[0])), 0);
        EXPECT_LT(PixelsOf(box->ProgramIcon, GetSysColor(COLOR_BTNFACE)), 130 * 60 / 2);
    });
}

TEST_F(AboutBoxTest, OkButtonNeverShowsAndEnterAndEscDoNothing)
{
    EXPECT_FALSE(box->OKButton->Visible());
    HWND window = box->Handle();
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(window, WM_KEYDOWN, key, 0);
        PostMessageA(window, WM_KEYUP, key, 0xC0000000);
    }
    ShowAndClose([&] {
        EXPECT_EQ(box->ModalResult(), mrNone);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(IsWindowVisible(box->OKButton->Handle()));
    });
}

TEST_F(AboutBoxTest, FlatButtonAndCloseBoxEndTheDialogWithCancel)
{
    const std::function<void()> closers[] = {
        [] { PostClick(box->SpeedButton1); },
        [] { PostMessageA(box->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
        [] { PostMessageA(box->Handle(), WM_CLOSE, 0, 0); },
    };
    for (const auto& close : closers) {
        close();
        EXPECT_EQ(ShowModalGuarded(box), mrCancel);
        EXPECT_FALSE(IsWindowVisible(box->Handle()));
    }
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

    ShowAndClose([&] {
        EXPECT_GT(PixelsOf(box->cwHyperLink5, clFuchsia), 0);
        EXPECT_EQ(PixelsOf(box->cwHyperLink5, clBlue), 0);
        EXPECT_EQ(PixelsOf(box->cwHyperLink4, clFuchsia), 0);
        EXPECT_GT(PixelsOf(box->cwHyperLink4, clBlue), 0);
    });
    EXPECT_EQ(box->Handle(), window);  // the same dialog, kept between showings
    EXPECT_EQ(OpenedAddresses().size(), 1u);
}

}  // namespace
