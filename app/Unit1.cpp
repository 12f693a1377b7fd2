#include "app/Unit1.h"

#include "browser/DirectoryListBox.h"
#include "browser/DriveComboBox.h"
#include "browser/FileListBox.h"
#include "app/FileTimeOperation.h"
#include "app/InputLock.h"
#include "app/ProgressBarFeed.h"
#include "app/RenameOperation.h"
#include "components/DiskScan.h"
#include "components/antTaskbarIcon.h"
#include "core/DirectoryItems.h"
#include "core/DirectoryPath.h"
#include "core/ExtensionMapping.h"
#include "core/DateTimeText.h"
#include "core/FailureReport.h"
#include "core/Messages.h"
#include "toolkit/Icon.h"
#include "toolkit/MenuItem.h"
#include "toolkit/MessageDialog.h"
#include "toolkit/PopupMenu.h"
#include "resources/maker.h"
#include "resources/resource.h"
#include "about/uAboutBox.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "platform/ExactName.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/StatusBar.h"

#include <shellapi.h>
#include <windowsx.h>

TForm1* Form1 = nullptr;

namespace {

HBITMAP LoadPicture(const char* name)
{
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Drops the running command when the handler ends, whichever way.
class RunScope {
public:
    explicit RunScope(std::unique_ptr<CommandRun>& run) : run_(run) { run_ = std::make_unique<CommandRun>(); }
    ~RunScope() { run_.reset(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    std::unique_ptr<CommandRun>& run_;
};

constexpr char kFirstLine[] = "对所选定的文件或文件夹下所有文件";
constexpr char kUnreadableDirectory[] = "无法读取当前目录，没有更改任何文件。";

bool DirectoryCanBeRead(const std::string& directory)
{
    if (directory.empty()) return false;
    DWORD attributes = GetFileAttributesW(ExactWidePath(directory).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    DirectoryEntries entries(core::WithTrailingBackslash(directory) + "*.*");
    // An empty drive root lists nothing, not even "."; it can still be read.
    return entries.IsOpen() || entries.Error() == ERROR_FILE_NOT_FOUND;
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

// Called once the window and its controls exist, before it is shown.
void TForm1::FormCreate(TObject*)
{
    targetList_ = std::make_unique<TTargetList>();
    Application->OnMinimize = [this](TObject* sender) { N2Click(sender); };
    Application->SetHintColor(clLime);
    Application->OnShortCut = [this](const MSG& message) { return OnShortCut(message); };
}

LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CONTEXTMENU:
        if (FileListBox1 && reinterpret_cast<HWND>(wParam) == FileListBox1->Handle()) {
            OnFileListMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        }
        break;
    default: break;
    }
    return TForm::WndProc(message, wParam, lParam);
}

// A message box of the program's, over the main window.
void TForm1::ShowMessageBox(const std::string& text, UINT flags)
{
    MessageBoxW(Handle(), Widen(text).c_str(), Widen(Application->Title()).c_str(), flags);
}

// Hides the window and its taskbar button; the tray icon stays.
void TForm1::N2Click(TObject*)
{
    N2->SetEnabled(false);
    N1->SetEnabled(true);
    ShowWindow(Application->Handle(), SW_HIDE);
    Hide();
}

// Brings the window and its taskbar button back.
void TForm1::N1Click(TObject*)
{
    N2->SetEnabled(true);
    N1->SetEnabled(false);
    ShowWindow(Application->Handle(), SW_SHOW);
    Application->Restore();
    Show();
}

// Opens the maker's web site.
void TForm1::N3Click(TObject*)
{
    ShellExecuteW(Handle(), L"open", Widen(BRISEL_SITE_URL).c_str(), L"", L"", SW_SHOW);
}

// Called as the window is destroyed.
void TForm1::FormDestroy(TObject*)
{
    if (Application) Application->OnShortCut = nullptr;
    targetList_.reset();
}

// A right click on the file list, or its menu key (at -1, -1). During a
// command there is no menu: its modal loop would hold the batch while open.
void TForm1::OnFileListMenu(int x, int y)
{
    if (run_) return;
    if (x == -1 && y == -1) {
        RECT rect;
        GetWindowRect(FileListBox1->Handle(), &rect);
        x = rect.left;
        y = rect.top;
    }
    UndoItem->SetEnabled(!record_.Empty());
    PopupMenu2->Popup(x, y);
}

// The main window's keys, wherever the focus is in it: Esc stops a running
// batch; Ctrl+Z, F5 and Ctrl+A do what the file list's menu does.
bool TForm1::OnShortCut(const MSG& message)
{
    if (message.message != WM_KEYDOWN || !HandleAllocated()) return false;
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.wParam == VK_ESCAPE && run_) {
        StopCommand();
        return true;
    }
    if (run_) return false;
    if (control && message.wParam == 'Z') {
        UndoItemClick(this);
        return true;
    }
    if (control && message.wParam == 'A') {
        SelectAllItemClick(this);
        return true;
    }
    if (!control && message.wParam == VK_F5) {
        RefreshItemClick(this);
        return true;
    }
    return false;
}

// Puts back what the last batch changed, after asking.
void TForm1::UndoItemClick(TObject*)
{
    if (record_.Empty()) return;
    RunGuarded([this] {
        ProgressBar1->SetPosition(0);
        const std::string question = "撤销上次对 " + std::to_string(record_.Count()) + " 个文件的更改吗？";
        if (ConfirmationDialog(question) != mrYes || run_->CloseRequested()) return;
        InputLock lock = LockInput();
        run_->SetSelection(SelectedPaths());
        const std::size_t count = record_.Count();
        const BatchResult result = record_.Undo(Progress());
        ShowBatchResult(result, count);
    });
}

// Reads the directory list and the file list anew.
void TForm1::RefreshItemClick(TObject*)
{
    if (run_) return;
    const std::string shown = DirectoryListBox1->Directory();
    // A directory gone since: the lists follow the directory list up, once.
    if (!DirectoryListBox1->Reread()) {
        FileListBox1->Reread();
        return;
    }
    ShowMessageBox(core::DirectoryGoneMessage(shown, DirectoryListBox1->Directory()), MB_OK | MB_ICONINFORMATION);
}

void TForm1::SelectAllItemClick(TObject*)
{
    if (!run_) FileListBox1->SelectAll();
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

void TForm1::Close()
{
    if (!run_) {
        TForm::Close();
        return;
    }
    // A batch ends with its report, which the close must not take away: the
    // command closes the window when done.
    StopCommand();
    run_->RequestClose();
}

// A scan ends at once and touches nothing; a batch after its current file.
void TForm1::StopCommand()
{
    DiskScan1->Cancel();
    run_->Stop();
}

void TForm1::DriveComboBox1Change(TObject*)
{
    DirectoryListBox1->SetDrive(DriveComboBox1->Drive());
}

void TForm1::DirectoryListBox1Change(TObject*)
{
    FileListBox1->SetDirectory(DirectoryListBox1->Directory());
}

void TForm1::SpeedButton1Click(TObject*)
{
    RunCommand("更改文件的创建时间和修改时间吗？", Button1);
}
void TForm1::SpeedButton2Click(TObject*)
{
    RunCommand("更改文件的扩展名吗？", Button2);
}
void TForm1::SpeedButton3Click(TObject*)
{
    RunCommand("更改文件名为小写吗？", Button3);
}
void TForm1::SpeedButton4Click(TObject*)
{
    RunCommand("更改文件名为大写吗？", Button4);
}

void TForm1::SpeedButton5Click(TObject*)
{
    // The scanner dispatches messages: the about dialog waits for a running command.
    if (run_ || !AboutBox) return;
    AboutBox->ShowModal();
}

// The flow shared by the four commands: confirm, gather the targets, run.
void TForm1::RunCommand(const char* question, TButton* operation)
{
    RunGuarded([&] { RunConfirmedCommand(question, operation); });
}

// One command at a time; a close asked for while it ran comes after it.
void TForm1::RunGuarded(const std::function<void()>& command)
{
    if (run_) return;
    bool close = false;
    {
        RunScope scope(run_);
        command();
        close = run_->CloseRequested();
    }
    if (close) TForm::Close();
}

void TForm1::RunConfirmedCommand(const char* question, TButton* operation)
{
    ProgressBar1->SetPosition(0);
    // An empty or unreadable directory would give paths elsewhere (an empty
    // start directory scans every drive): nothing is done there.
    if (!DirectoryCanBeRead(DirectoryListBox1->Directory())) {
        ShowMessageBox(kUnreadableDirectory, MB_OK | MB_ICONWARNING);
        return;
    }
    std::string message = std::string(kFirstLine) + '\r' + question;
    if (ConfirmationDialog(message) != mrYes || run_->CloseRequested()) return;
    InputLock lock = LockInput();
    run_->SetSelection(SelectedPaths());
    // The command's first change replaces what there was to undo; one that
    // is refused, stopped before a file, or fails everywhere leaves it.
    record_.ReplaceOnNextChange();
    targetList_->clear();
    GatherTargets();
    if (Application->Terminated() || run_->StopRequested()) return;
    operation->Click();
}

// What could change what a running command does, or what it works on.
InputLock TForm1::LockInput()
{
    return InputLock(
        *this, {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, DriveComboBox1, DirectoryListBox1, FileListBox1});
}

// The selected entries as full paths, in the list's order.
std::vector<std::string> TForm1::SelectedPaths() const
{
    const std::string directory = core::WithTrailingBackslash(DirectoryListBox1->Directory());
    std::vector<std::string> paths = FileListBox1->SelectedNames();
    for (std::string& path : paths) path.insert(0, directory);
    return paths;
}

void TForm1::GatherTargets()
{
    if (run_->Selection().empty()) {
        DiskScan1->SetStartDirectory(DirectoryListBox1->Directory());
        DiskScan1->Scan();
        return;
    }
    targetList_->assign(run_->Selection().begin(), run_->Selection().end());
}

void TForm1::DiskScan1FileFound(TObject*, std::string fileName)
{
    targetList_->push_back(std::move(fileName));
}

// What the scan leaves out is listed in the report, so that no file is passed over in silence.
void TForm1::DiskScan1EntrySkipped(TObject*, std::string path, std::string reason)
{
    if (run_) run_->Skip(core::FileFailure{std::move(path), std::move(reason)});
}

// The bar's callbacks, plus a look at pending messages now and then, so that
// the window repaints, answers, and can stop the batch between two files.
BatchProgress TForm1::Progress()
{
    return run_->Progress(progressFeed_->Callbacks(), [] { Application->ProcessMessages(); });
}

// Runs an operation over the target list and shows its outcome. Clicked on
// its own, outside a command, the operation is a command of its own.
void TForm1::RunOperation(const std::function<BatchResult(const BatchProgress&)>& batch)
{
    if (!run_) {
        RunGuarded([&] {
            run_->SetSelection(SelectedPaths());
            RunOperation(batch);
        });
        return;
    }
    ShowBatchResult(batch(Progress()), targetList_->size());
}

// The one way from a batch's outcome to the user: a refusal as an error, in
// the form the application gives errors; else what failed, was skipped or
// was not tried. The file list then shows the names as they are.
void TForm1::ShowBatchResult(const BatchResult& result, std::size_t total)
{
    progressFeed_->CatchUp();
    if (!result.refusal.empty()) {
        ShowMessageBox(core::AddFullStop(result.refusal), MB_OK | MB_ICONERROR);
        return;
    }
    const std::size_t notTried = run_->StopRequested() && result.tried < total ? total - result.tried : 0;
    const std::string report =
        core::BuildFailureReport(result.failures, total, result.changed, run_->Skipped(), notTried, result.of);
    if (!report.empty()) ShowMessageBox(report, MB_OK | MB_ICONWARNING);
    // The selection stays with the files chosen, under the names they have now.
    const std::string directory = core::WithTrailingBackslash(DirectoryListBox1->Directory());
    std::vector<std::string> names;
    for (const std::string& path : run_->Selection()) {
        if (path.compare(0, directory.size(), directory) == 0 && core::NameStart(path) == directory.size())
            names.push_back(path.substr(directory.size()));
    }
    FileListBox1->Reread(names);
}

// Sets the three times of every target to the typed local date and time.
// The text is read the same whatever the user's regional settings, which
// stay as the user set them.
void TForm1::Button1Click(TObject*)
{
    for (TEdit* field : {Edit4, Edit5, Edit6}) field->SetText(core::PadTimeField(field->Text()));
    const std::string text = core::ComposeDateTimeText(Edit1->Text(), Edit2->Text(), Edit3->Text(), Edit4->Text(),
                                                       Edit5->Text(), Edit6->Text());
    SYSTEMTIME now;
    GetLocalTime(&now);
    RunOperation([&](const BatchProgress& progress) {
        return RunFileTimeBatch(*targetList_, text, now.wYear, progress, &record_);
    });
}

// Gives every target the extension typed in Edit7.
void TForm1::Button2Click(TObject*)
{
    // Read once: the batch gives every file the extension confirmed.
    auto extension = [text = Edit7->Text()] { return text; };
    RunOperation([&](const BatchProgress& progress) {
        return RunRenameBatch(*targetList_, RenameKind::Extension, extension, progress, &record_);
    });
}

// Renames every target to lower case.
void TForm1::Button3Click(TObject*)
{
    RunOperation([&](const BatchProgress& progress) {
        return RunRenameBatch(*targetList_, RenameKind::LowerCase, nullptr, progress, &record_);
    });
}

// Renames every target to upper case.
void TForm1::Button4Click(TObject*)
{
    RunOperation([&](const BatchProgress& progress) {
        return RunRenameBatch(*targetList_, RenameKind::UpperCase, nullptr, progress, &record_);
    });
}
