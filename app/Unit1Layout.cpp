// The main window's layout: its bands and controls at their 96-DPI places,
// its non-visual components, and which handler each event reaches.
#include "app/Unit1.h"

#include "app/ProgressBarFeed.h"
#include "browser/DirectoryListBox.h"
#include "browser/DriveComboBox.h"
#include "browser/FileListBox.h"
#include "components/DiskScan.h"
#include "components/antTaskbarIcon.h"
#include "platform/WideText.h"
#include "resources/maker.h"
#include "resources/resource.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Icon.h"
#include "toolkit/Label.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Panel.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StatusBar.h"

namespace {

HBITMAP LoadPicture(const char* name)
{
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner, "TForm1")
{
    SetName("Form1");
    SetCaption(BRISEL_TITLE);
    SetDesignClientSize(587, 396);
    SetPosition(TPosition::ScreenCenter);
    SetColor(GetSysColor(COLOR_BTNFACE));
    Font().SetName("宋体");
    Font().SetHeight(12);
    Font().SetCharset(GB2312_CHARSET);
    SetIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON)));

    DisableAlign();
    // Creation order is the tab order: command bar, path bar, directory
    // panel, file list, progress panel, settings bar.
    BuildCommandBar();
    BuildPathBar();
    BuildBrowser();
    BuildBottomBands();
    BuildSettingsBar();
    DiskScan1 = new TDiskScan(this);
    DiskScan1->SetName("DiskScan1");
    BuildTray();
    BuildFileListMenu();
    WireEvents();
    EnableAlign();
    FinishCreation();
    FormCreate(this);
}

TForm1::~TForm1()
{
    FormDestroy(this);
    if (Form1 == this) Form1 = nullptr;
}

TPanel* TForm1::NewPanel(const char* name, TWinControl* parent, TAlign align, const RECT& designBounds)
{
    auto* panel = new TPanel(this);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetDesignBounds(designBounds.left, designBounds.top, designBounds.right, designBounds.bottom);
    panel->SetAlign(align);
    return panel;
}

void TForm1::BuildCommandBar()
{
    Panel1 = NewPanel("Panel1", this, TAlign::Top, {0, 0, 587, 57});
    struct Place {
        TSpeedButton** field;
        const char* name;
        const char* caption;
        const char* picture;
    } places[] = {
        {&SpeedButton1, "SpeedButton1", "改文件时间", RES_SPEEDBTN1},
        {&SpeedButton2, "SpeedButton2", "更改扩展名", RES_SPEEDBTN2},
        {&SpeedButton3, "SpeedButton3", "大写改小写", RES_SPEEDBTN3},
        {&SpeedButton4, "SpeedButton4", "小写改大写", RES_SPEEDBTN4},
        {&SpeedButton5, "SpeedButton5", "关于本软件", RES_SPEEDBTN5},
    };
    int left = 4;
    for (const Place& place : places) {
        auto* button = new TSpeedButton(this);
        button->SetName(place.name);
        button->SetParent(Panel1);
        button->SetDesignBounds(left, 8, 105, 41);
        button->SetCaption(place.caption);
        button->SetGlyph(LoadPicture(place.picture));
        *place.field = button;
        left += 108;
    }
}

void TForm1::BuildSettingsBar()
{
    // Created last for the tab order; its top puts it below the command bar.
    Panel6 = NewPanel("Panel6", this, TAlign::Top, {0, 57, 587, 34});
    // Each place holds a label or an edit field.
    struct Place {
        TLabel** label;
        TEdit** edit;
        const char* name;
        int left;
        int width;
        const char* text;
    } places[] = {
        {&Label2, nullptr, "Label2", 8, 84, "文件时间设定："}, {nullptr, &Edit1, "Edit1", 96, 41, "2020"},
        {&Label3, nullptr, "Label3", 144, 12, "年"},           {nullptr, &Edit2, "Edit2", 164, 29, "12"},
        {&Label4, nullptr, "Label4", 200, 12, "月"},           {nullptr, &Edit3, "Edit3", 220, 29, "12"},
        {&Label5, nullptr, "Label5", 256, 12, "日"},           {nullptr, &Edit4, "Edit4", 276, 29, "12"},
        {&Label6, nullptr, "Label6", 312, 12, "时"},           {nullptr, &Edit5, "Edit5", 332, 29, "12"},
        {&Label7, nullptr, "Label7", 368, 12, "分"},           {nullptr, &Edit6, "Edit6", 388, 29, "12"},
        {&Label8, nullptr, "Label8", 424, 12, "秒"},           {&Label9, nullptr, "Label9", 448, 72, "<扩展名改为>"},
        {nullptr, &Edit7, "Edit7", 528, 55, ".html"},
    };
    for (const Place& place : places) {
        if (place.edit) {
            auto* edit = new TEdit(this);
            edit->SetName(place.name);
            edit->SetParent(Panel6);
            edit->SetDesignBounds(place.left, 8, place.width, 20);
            edit->SetText(place.text);
            *place.edit = edit;
        } else {
            auto* label = new TLabel(this);
            label->SetName(place.name);
            label->SetParent(Panel6);
            label->SetDesignBounds(place.left, 12, place.width, 12);
            label->SetCaption(place.text);
            *place.label = label;
        }
    }
}

void TForm1::BuildPathBar()
{
    Panel2 = NewPanel("Panel2", this, TAlign::Top, {0, 91, 587, 32});
    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetParent(Panel2);
    Label1->SetDesignBounds(8, 8, 252, 12);
    Label1->SetAnchors(akLeft | akTop | akRight);
}

void TForm1::BuildBrowser()
{
    Panel3 = NewPanel("Panel3", this, TAlign::Left, {0, 123, 273, 229});
    Panel4 = NewPanel("Panel4", Panel3, TAlign::Top, {2, 2, 269, 32});
    DriveComboBox1 = new TDriveComboBox(this);
    DriveComboBox1->SetName("DriveComboBox1");
    DriveComboBox1->SetParent(Panel4);
    DriveComboBox1->SetDesignBounds(6, 7, 257, 18);
    DriveComboBox1->OnChange = [this](TObject* sender) { DriveComboBox1Change(sender); };

    DirectoryListBox1 = new TDirectoryListBox(this);
    DirectoryListBox1->SetName("DirectoryListBox1");
    DirectoryListBox1->SetParent(Panel3);
    DirectoryListBox1->SetItemHeight(16);
    DirectoryListBox1->SetAlign(TAlign::Client);
    DirectoryListBox1->SetDirLabel(Label1);
    DirectoryListBox1->OnChange = [this](TObject* sender) { DirectoryListBox1Change(sender); };

    // The operation buttons are never shown: the command buttons click them.
    struct Place {
        TButton** field;
        const char* name;
        const char* caption;
    } places[] = {
        {&Button1, "Button1", "改时间"},
        {&Button2, "Button2", "扩展名"},
        {&Button3, "Button3", "改小写"},
        {&Button4, "Button4", "改大写"},
    };
    for (const Place& place : places) {
        auto* button = new TButton(this);
        button->SetName(place.name);
        button->SetCaption(place.caption);
        button->SetVisible(false);
        button->SetParent(Panel3);
        button->SetDesignBounds(8, 40, 75, 25);
        *place.field = button;
    }

    FileListBox1 = new TFileListBox(this);
    FileListBox1->SetName("FileListBox1");
    FileListBox1->SetParent(this);
    FileListBox1->SetItemHeight(12);
    FileListBox1->SetMultiSelect(true);
    FileListBox1->SetAlign(TAlign::Client);
}

void TForm1::BuildBottomBands()
{
    Panel5 = NewPanel("Panel5", this, TAlign::Bottom, {0, 352, 587, 25});
    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetParent(Panel5);
    ProgressBar1->SetAlign(TAlign::Client);
    progressFeed_ = std::make_unique<ProgressBarFeed>(*ProgressBar1);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetParent(this);
    StatusBar1->SetDesignBounds(0, 377, 587, 19);
    StatusBar1->SetAlign(TAlign::Bottom);
    StatusBar1->AddPanel(126, BRISEL_COPYRIGHT);
    StatusBar1->AddPanel(0, BRISEL_CONTACT);
}

// The tray icon is shown as soon as its Visible setting is made, before its
// hint and menu are set; Loaded shows it once more when the form is complete.
void TForm1::BuildTray()
{
    antTaskbarIcon1 = new TantTaskbarIcon(this);
    antTaskbarIcon1->SetName("antTaskbarIcon1");
    TIcon icon;
    icon.LoadFromResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(IDI_MAINICON));
    antTaskbarIcon1->SetIcon(icon);
    antTaskbarIcon1->SetVisible(true);
    antTaskbarIcon1->SetHint(BRISEL_TITLE);

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    N1 = PopupMenu1->Add("显示主窗口");
    N1->SetName("N1");
    N1->SetEnabled(false);
    N1->OnClick = [this](TObject* sender) { N1Click(sender); };
    N2 = PopupMenu1->Add("最小化显示");
    N2->SetName("N2");
    N2->OnClick = [this](TObject* sender) { N2Click(sender); };
    N3 = PopupMenu1->Add("登陆Brisel网");
    N3->SetName("N3");
    N3->OnClick = [this](TObject* sender) { N3Click(sender); };

    antTaskbarIcon1->SetPopupMenu(PopupMenu1);
    antTaskbarIcon1->OnClick = [this](TObject* sender) { N1Click(sender); };
}

void TForm1::BuildFileListMenu()
{
    PopupMenu2 = new TPopupMenu(this);
    PopupMenu2->SetName("PopupMenu2");
    UndoItem = PopupMenu2->Add("撤销上次更改(&U)\tCtrl+Z");
    UndoItem->OnClick = [this](TObject* sender) { UndoItemClick(sender); };
    RefreshItem = PopupMenu2->Add("刷新(&R)\tF5");
    RefreshItem->OnClick = [this](TObject* sender) { RefreshItemClick(sender); };
    SelectAllItem = PopupMenu2->Add("全选(&A)\tCtrl+A");
    SelectAllItem->OnClick = [this](TObject* sender) { SelectAllItemClick(sender); };
}

void TForm1::WireEvents()
{
    SpeedButton1->OnClick = [this](TObject* sender) { SpeedButton1Click(sender); };
    SpeedButton2->OnClick = [this](TObject* sender) { SpeedButton2Click(sender); };
    SpeedButton3->OnClick = [this](TObject* sender) { SpeedButton3Click(sender); };
    SpeedButton4->OnClick = [this](TObject* sender) { SpeedButton4Click(sender); };
    SpeedButton5->OnClick = [this](TObject* sender) { SpeedButton5Click(sender); };
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };
    Button3->OnClick = [this](TObject* sender) { Button3Click(sender); };
    Button4->OnClick = [this](TObject* sender) { Button4Click(sender); };
    DiskScan1->OnFileFound = [this](TObject* sender, std::string fileName) {
        DiskScan1FileFound(sender, std::move(fileName));
    };
    DiskScan1->OnEntrySkipped = [this](TObject* sender, std::string path, std::string reason) {
        DiskScan1EntrySkipped(sender, std::move(path), std::move(reason));
    };
}
