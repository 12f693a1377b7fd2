#include "app/Unit1.h"

#include "about/uAboutBox.h"
#include "app/ProgressBarFeed.h"
#include "browser/DirectoryListBox.h"
#include "browser/DriveComboBox.h"
#include "browser/FileListBox.h"
#include "components/DiskScan.h"
#include "core/DirectoryItems.h"
#include "core/Messages.h"
#include "platform/WideText.h"
#include "resources/maker.h"
#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/MenuItem.h"
#include "toolkit/MessageDialog.h"
#include "toolkit/PopupMenu.h"

#include <shellapi.h>
#include <windowsx.h>

using core::CommandAction;

TForm1* Form1 = nullptr;

// Called once the window and its controls exist, before it is shown.
void TForm1::FormCreate(TObject*)
{
    targetList_ = std::make_unique<TTargetList>();
    command_ = std::make_unique<BatchCommand>(*this, *targetList_, *progressFeed_);
    Application->OnMinimize = [this](TObject* sender) { N2Click(sender); };
    Application->SetHintColor(clLime);
    Application->OnShortCut = [this](const MSG& message) { return OnShortCut(message); };
    // A long listing lets messages through; nothing may act on a half-read list.
    FileListBox1->OnListing = [this](const std::function<void()>& listing) { command_->List(listing); };
    FileListBox1->OnListingPump = [] { Application->ProcessMessages(); };
}

// Called as the window is destroyed.
void TForm1::FormDestroy(TObject*)
{
    if (Application) Application->OnShortCut = nullptr;
    command_.reset();
    targetList_.reset();
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

// A right click on the file list, or its menu key (at -1, -1). During a
// command there is no menu: its modal loop would hold the batch while open.
void TForm1::OnFileListMenu(int x, int y)
{
    if (!command_->Allows(CommandAction::FileListMenu)) return;
    if (x == -1 && y == -1) {
        RECT rect;
        GetWindowRect(FileListBox1->Handle(), &rect);
        x = rect.left;
        y = rect.top;
    }
    UndoItem->SetEnabled(command_->CanUndo());
    PopupMenu2->Popup(x, y);
}

// The main window's keys, wherever the focus is in it: Esc stops a running
// batch; Ctrl+Z, F5 and Ctrl+A do what the file list's menu does. A key
// whose action cannot run now goes on to the focused control.
bool TForm1::OnShortCut(const MSG& message)
{
    if (message.message != WM_KEYDOWN || !HandleAllocated()) return false;
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    CommandAction action;
    if (message.wParam == VK_ESCAPE)
        action = CommandAction::Stop;
    else if (control && message.wParam == 'Z')
        action = CommandAction::Undo;
    else if (control && message.wParam == 'A')
        action = CommandAction::SelectAll;
    else if (!control && message.wParam == VK_F5)
        action = CommandAction::Refresh;
    else
        return false;
    if (!command_->Allows(action)) return false;
    switch (action) {
    case CommandAction::Stop: command_->Stop(); break;
    case CommandAction::Undo: UndoItemClick(this); break;
    case CommandAction::SelectAll: SelectAllItemClick(this); break;
    default: RefreshItemClick(this); break;
    }
    return true;
}

// Puts back what the last batch changed, after asking.
void TForm1::UndoItemClick(TObject*)
{
    command_->Undo();
}

// Reads the directory list and the file list anew.
void TForm1::RefreshItemClick(TObject*)
{
    if (!command_->Allows(CommandAction::Refresh)) return;
    const std::string shown = DirectoryListBox1->Directory();
    // A directory gone since: the lists follow the directory list up, once.
    if (!DirectoryListBox1->Reread()) {
        FileListBox1->Reread();
        return;
    }
    ShowMessage(core::DirectoryGoneMessage(shown, DirectoryListBox1->Directory()), MessageKind::Information);
}

void TForm1::SelectAllItemClick(TObject*)
{
    if (command_->Allows(CommandAction::SelectAll)) FileListBox1->SelectAll();
}

// Closing during a command ends a scan at once (no file is touched) and
// closes the window once the command, its report included, is done.
void TForm1::Close()
{
    if (!command_ || command_->Allows(CommandAction::Close))
        TForm::Close();
    else
        command_->RequestClose();
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
    command_->Start(BatchKind::FileTime);
}
void TForm1::SpeedButton2Click(TObject*)
{
    command_->Start(BatchKind::Extension);
}
void TForm1::SpeedButton3Click(TObject*)
{
    command_->Start(BatchKind::LowerCase);
}
void TForm1::SpeedButton4Click(TObject*)
{
    command_->Start(BatchKind::UpperCase);
}

void TForm1::SpeedButton5Click(TObject*)
{
    // The scanner dispatches messages: the about dialog waits for a running command.
    if (command_->Allows(CommandAction::About) && AboutBox) AboutBox->ShowModal();
}

// Sets the three times of every target to the typed local date and time.
// The text is read the same whatever the user's regional settings, which
// stay as the user set them.
void TForm1::Button1Click(TObject*)
{
    command_->Operate(BatchKind::FileTime);
}

// Gives every target the extension typed in Edit7.
void TForm1::Button2Click(TObject*)
{
    command_->Operate(BatchKind::Extension);
}

// Renames every target to lower case.
void TForm1::Button3Click(TObject*)
{
    command_->Operate(BatchKind::LowerCase);
}

// Renames every target to upper case.
void TForm1::Button4Click(TObject*)
{
    command_->Operate(BatchKind::UpperCase);
}

void TForm1::DiskScan1FileFound(TObject*, std::string fileName)
{
    command_->FileFound(std::move(fileName));
}

void TForm1::DiskScan1EntrySkipped(TObject*, std::string path, std::string reason)
{
    command_->EntrySkipped(std::move(path), std::move(reason));
}

bool TForm1::Confirm(const std::string& question)
{
    return ConfirmationDialog(question) == mrYes;
}

// A message box of the program's, over the main window.
void TForm1::ShowMessage(const std::string& text, MessageKind kind)
{
    const UINT icon = kind == MessageKind::Error     ? MB_ICONERROR
                      : kind == MessageKind::Warning ? MB_ICONWARNING
                                                     : MB_ICONINFORMATION;
    MessageBoxW(Handle(), Widen(text).c_str(), Widen(Application->Title()).c_str(), MB_OK | icon);
}

CommandInputs TForm1::ReadInputs()
{
    CommandInputs inputs;
    inputs.directory = DirectoryListBox1->Directory();
    const std::string directory = core::WithTrailingBackslash(inputs.directory);
    inputs.selection = FileListBox1->SelectedNames();
    for (std::string& path : inputs.selection) path.insert(0, directory);
    inputs.extension = Edit7->Text();
    const TEdit* fields[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (int i = 0; i < 6; ++i) inputs.timeFields[i] = fields[i]->Text();
    return inputs;
}

void TForm1::ShowTimeFields(const std::string& hour, const std::string& minute, const std::string& second)
{
    Edit4->SetText(hour);
    Edit5->SetText(minute);
    Edit6->SetText(second);
}

// What could change what a running command does, or what it works on.
void TForm1::LockInput(bool locked)
{
    if (!locked) {
        inputLock_.reset();
        return;
    }
    inputLock_.emplace(*this, std::initializer_list<TWinControl*>{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7,
                                                                  DriveComboBox1, DirectoryListBox1, FileListBox1});
}

bool TForm1::Scan(const std::string& directory)
{
    DiskScan1->SetStartDirectory(directory);
    DiskScan1->Scan();
    return !DiskScan1->Cancelled() && !Application->Terminated();
}

void TForm1::StopScan()
{
    DiskScan1->Cancel();
}

void TForm1::LetMessagesThrough()
{
    Application->ProcessMessages();
}

void TForm1::Reselect(const std::vector<std::string>& names)
{
    FileListBox1->Reread(names);
}

void TForm1::CloseWindow()
{
    TForm::Close();
}
