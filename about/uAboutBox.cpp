#include "about/uAboutBox.h"

#include "components/cwHyperLink.h"
#include "platform/WideText.h"
#include "resources/maker.h"
#include "resources/resource.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/SpeedButton.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner, "TAboutBox")
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    SetName("AboutBox");
    SetCaption("关于本软件");
    SetBorderStyle(TBorderStyle::Sizeable);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::ScreenCenter);
    SetColor(GetSysColor(COLOR_BTNFACE));
    Font().SetName("宋体");
    Font().SetHeight(12);
    Font().SetCharset(GB2312_CHARSET);
    SetIcon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAINICON)));
    SetBounds(left_, top_, Scale(306), Scale(207));

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetDesignBounds(8, 8, 281, 161);
    Panel1->SetBevelOuter(TBevel::Lowered);
    Panel1->SetBevelInner(TBevel::Raised);
    Panel1->SetColor(Color());
    // Set now, so the label measures itself in the dialog's font before any window exists.
    Panel1->Font().Assign(Font());

    ProgramIcon = new TImage(this);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetParent(Panel1);
    ProgramIcon->SetDesignBounds(8, 8, 130, 60);
    ProgramIcon->LoadJpegResource(RES_LOGO);

    ProductName = new TLabel(this);
    ProductName->SetName("ProductName");
    ProductName->SetParent(Panel1);
    ProductName->SetDesignBounds(152, 24, 120, 12);
    ProductName->SetCaption(BRISEL_COPYRIGHT);

    cwHyperLink3 = CreateLink("cwHyperLink3", 168, 50, BRISEL_QQ1, BRISEL_SITE_URL);
    cwHyperLink2 = CreateLink("cwHyperLink2", 8, 72, BRISEL_SITE2_TEXT, BRISEL_SITE_URL);
    cwHyperLink6 = CreateLink("cwHyperLink6", 168, 74, BRISEL_QQ2, BRISEL_SITE_URL);
    cwHyperLink1 = CreateLink("cwHyperLink1", 8, 92, BRISEL_SITE3_TEXT, BRISEL_SITE_URL);
    cwHyperLink4 = CreateLink("cwHyperLink4", 8, 114, BRISEL_SITE_TEXT, BRISEL_SITE_URL);
    cwHyperLink5 = CreateLink("cwHyperLink5", 8, 136, BRISEL_PHONE, BRISEL_SITE2_URL);

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->SetName("SpeedButton1");
    SpeedButton1->SetParent(Panel1);
    SpeedButton1->SetDesignBounds(232, 120, 33, 33);
    SpeedButton1->SetGlyph(LoadBitmapW(instance, Widen(RES_ABOUTBTN).c_str()));
    SpeedButton1->OnClick = [this](TObject* sender) { SpeedButton1Click(sender); };

    // Hidden, so Enter (which only reaches a visible default button) does nothing.
    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetParent(this);
    OKButton->SetDesignBounds(111, 180, 75, 25);
    OKButton->SetCaption("OK");
    OKButton->SetDefault(true);
    OKButton->SetModalResult(mrOk);
    OKButton->SetVisible(false);
    SetDefaultButton(OKButton);

    FinishCreation();
}

TcwHyperLink* TAboutBox::CreateLink(const char* name, int left, int top, const char* caption, const char* url)
{
    auto* link = new TcwHyperLink(this);
    link->SetName(name);
    link->SetParent(Panel1);
    link->SetDesignBounds(left, top, 100, 10);
    link->SetCaption(caption);
    link->SetURL(url);
    return link;
}

void TAboutBox::SpeedButton1Click(TObject*)
{
    Close();
}
