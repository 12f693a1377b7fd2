#include "components/cwHyperLink.h"

#include "TestApplication.h"
#include "WindowPixels.h"
#include "platform/WideText.h"
#include "resources/maker.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ShellCall {
    HWND owner;
    std::string verb;
    std::string file;
    bool hasParameters;
    bool hasDirectory;
    INT show;
};

std::vector<ShellCall>& ShellCalls()
{
    static std::vector<ShellCall> calls;
    return calls;
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                    INT show)
{
    ShellCalls().push_back(
        {owner, verb ? Narrow(verb) : "", file ? Narrow(file) : "", parameters != nullptr, directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // what a successful launch returns
}

// Measured with plain GDI in the font the link paints with, not through the
// canvas call the link itself measures with.
SIZE MeasureInFont(TFont& font, const std::string& text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{0, metrics.tmHeight};
    const std::wstring wide = Widen(text);
    if (!wide.empty()) GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        savedCalls = HyperLinkCalls();
        HyperLinkCalls().shellExecute = RecordShellExecute;
        ShellCalls().clear();
        SetCursorPos(0, 0);  // the real pointer stays off the test window
        host = std::make_unique<TForm>(nullptr, "THyperLinkTestHost");
        host->SetBounds(40, 40, 420, 220);
        link = new TcwHyperLink(host.get());
        link->SetBounds(20, 30, 100, 10);
    }

    void TearDown() override
    {
        host.reset();
        HyperLinkCalls() = savedCalls;
    }

    void ShowHost()
    {
        link->SetParent(host.get());
        host->Show();
        Application->ProcessMessages();
    }

    // Mouse messages as the window under the pointer gets them, in host client coordinates.
    void Send(UINT message, int x, int y, WPARAM keys = 0)
    {
        SendMessageA(host->Handle(), message, keys, MAKELPARAM(x, y));
    }
    void SendOnLink(UINT message, WPARAM keys = 0) { Send(message, link->Left() + 2, link->Top() + 2, keys); }
    void MoveOver() { SendOnLink(WM_MOUSEMOVE); }
    void MoveOff() { Send(WM_MOUSEMOVE, 300, 150); }
    void Press()
    {
        SendOnLink(WM_LBUTTONDOWN, MK_LBUTTON);
        SendOnLink(WM_LBUTTONUP);
    }

    int PixelsOf(COLORREF colour) { return CountPixels(host->Handle(), link->BoundsRect(), colour); }

    THyperLinkCalls savedCalls{};
    std::unique_ptr<TForm> host;
    TcwHyperLink* link = nullptr;  // owned by host
};

TEST_F(HyperLinkTest, StartsAsABoldUnderlinedBlueLinkToItsAuthor)
{
    EXPECT_EQ(link->URL(), BRISEL_HYPERLINK_AUTHOR_URL);
    EXPECT_EQ(link->Caption(), link->URL());
    TFont& font = link->Canvas().Font();
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), 11);
    EXPECT_EQ(font.Style(), static_cast<unsigned>(fsBold | fsUnderline));
    EXPECT_EQ(font.Color(), clBlue);
    EXPECT_EQ(link->FontName(), "");
    EXPECT_EQ(link->Color(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(link->Canvas().BrushColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(link->Cursor(), LoadCursorA(nullptr, IDC_HAND));
    EXPECT_TRUE(link->Visible());
}

TEST_F(HyperLinkTest, PaintingFitsTheControlToItsCaptionKeepingItsCorner)
{
    // Until it paints, it keeps the size it was given.
    link->SetCaption("a caption set while nothing shows it");
    EXPECT_EQ(link->Width(), 100);
    EXPECT_EQ(link->Height(), 10);
    EXPECT_EQ(link->PaintCount(), 0);
    ShowHost();
    EXPECT_GT(link->PaintCount(), 0);
    // Long, short, empty, then longer again: it grows and shrinks.
    const std::string captions[] = {
        link->Caption(), BRISEL_SITE_URL, "QQ", "", BRISEL_PHONE, "W", "http://a.much.longer.address.example/page", ""};
    for (const std::string& caption : captions) {
        link->SetCaption(caption);
        Application->ProcessMessages();
        SIZE text = MeasureInFont(link->Canvas().Font(), caption);
        EXPECT_EQ(link->Width(), text.cx + 6) << caption;
        EXPECT_EQ(link->Height(), text.cy + 2) << caption;
        EXPECT_EQ(link->Left(), 20) << caption;
        EXPECT_EQ(link->Top(), 30) << caption;
    }
    // Empty, only the background is drawn.
    EXPECT_EQ(PixelsOf(clBlue), 0);
    EXPECT_EQ(PixelsOf(GetSysColor(COLOR_BTNFACE)), link->Width() * link->Height());
}

TEST_F(HyperLinkTest, RepaintsOnlyWhenAShownSettingChanges)
{
    ShowHost();
    link->SetFontName("Arial");
    Application->ProcessMessages();

    struct Step {
        const char* what;
        std::function<void()> set;
        bool repaints;
    };
    const Step steps[] = {
        {"same caption", [&] { link->SetCaption(link->Caption()); }, false},
        {"same colour", [&] { link->SetColor(link->Color()); }, false},
        {"same font name", [&] { link->SetFontName("Arial"); }, false},
        {"new URL", [&] { link->SetURL("http://elsewhere.example/"); }, false},
        {"new caption", [&] { link->SetCaption("QQ"); }, true},
        {"new colour", [&] { link->SetColor(RGB(255, 255, 255)); }, true},
        {"new font name", [&] { link->SetFontName("Courier New"); }, true},
    };
    for (const Step& step : steps) {
        int before = link->PaintCount();
        step.set();
        // A repaint is immediate; nothing is left for later either.
        EXPECT_EQ(link->PaintCount() > before, step.repaints) << step.what;
        Application->ProcessMessages();
        if (!step.repaints) {
            EXPECT_EQ(link->PaintCount(), before) << step.what;
        }
    }
    EXPECT_EQ(link->URL(), "http://elsewhere.example/");
    EXPECT_EQ(link->Canvas().BrushColor(), RGB(255, 255, 255));
    EXPECT_EQ(link->Canvas().Font().Name(), "Courier New");
    EXPECT_GT(PixelsOf(RGB(255, 255, 255)), 0);
}

// Each step: what the pointer does, and the one colour the text then shows.
TEST_F(HyperLinkTest, IsRedUnderThePointerAndMagentaOncePressed)
{
    ShowHost();
    const struct {
        const char* what;
        std::function<void()> act;
        TColor colour;
    } steps[] = {
        {"shown, pointer elsewhere", [] {}, clBlue},
        {"over", [&] { MoveOver(); }, clRed},
        {"off, not pressed yet", [&] { MoveOff(); }, clBlue},
        {"over again", [&] { MoveOver(); }, clRed},
        {"pressed, still over", [&] { Press(); }, clRed},
        {"off once pressed", [&] { MoveOff(); }, clFuchsia},
        {"over once pressed", [&] { MoveOver(); }, clRed},
        // Leaving the window altogether gives the same colours.
        {"window left", [&] { SendMessageA(host->Handle(), WM_MOUSELEAVE, 0, 0); }, clFuchsia},
    };
    const std::pair<TColor, const char*> colours[] = {{clBlue, "blue"}, {clRed, "red"}, {clFuchsia, "magenta"}};
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(link->Canvas().Font().Color(), step.colour) << step.what;
        for (const auto& [colour, name] : colours) {
            EXPECT_EQ(PixelsOf(colour) > 0, colour == step.colour) << step.what << ": " << name << " drawn";
        }
    }
    EXPECT_EQ(ShellCalls().size(), 1u);
}

// Each press opens the address, at the press, before any release; a double
// click opens it once.
TEST_F(HyperLinkTest, EachPressOpensTheAddressThroughTheShell)
{
    ShowHost();
    int clicks = 0;
    link->OnDblClick = [&](TObject*) { ++clicks; };
    link->SetURL("http://bbs.brisel.example/");
    SendOnLink(WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_EQ(ShellCalls().size(), 1u);
    const ShellCall call = ShellCalls()[0];
    EXPECT_EQ(call.owner, Application->Handle());
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "http://bbs.brisel.example/");
    EXPECT_FALSE(call.hasParameters);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
    SendOnLink(WM_LBUTTONUP);
    EXPECT_EQ(ShellCalls().size(), 1u);
    Press();
    EXPECT_EQ(ShellCalls().size(), 2u);

    SendOnLink(WM_LBUTTONDBLCLK, MK_LBUTTON);
    SendOnLink(WM_LBUTTONUP);
    EXPECT_EQ(ShellCalls().size(), 2u);
    EXPECT_EQ(clicks, 1);  // the double click still reaches the control's own handling
}

// At design time, or beside the link, a press opens nothing.
TEST_F(HyperLinkTest, PressAtDesignTimeOrOutsideOpensNothing)
{
    ShowHost();
    Send(WM_LBUTTONDOWN, link->Left() + link->Width() + 5, link->Top() + 2, MK_LBUTTON);
    Send(WM_LBUTTONUP, link->Left() + link->Width() + 5, link->Top() + 2);
    EXPECT_TRUE(ShellCalls().empty());

    link->SetDesigning(true);
    MoveOver();
    Press();
    MoveOff();
    EXPECT_TRUE(ShellCalls().empty());
    EXPECT_EQ(link->Canvas().Font().Color(), clBlue);  // never pressed
}

}  // namespace
