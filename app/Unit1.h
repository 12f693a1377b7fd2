// The main window: the command bar, the settings bar, the browser, the
// progress bar and the status bar, and the handlers that tie them together.
#pragma once

#include "app/BatchCommand.h"
#include "app/CommandHost.h"
#include "app/InputLock.h"
#include "toolkit/Form.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class ProgressBarFeed;
class TButton;
class TDiskScan;
class TMenuItem;
class TPopupMenu;
class TantTaskbarIcon;
class TDirectoryListBox;
class TDriveComboBox;
class TEdit;
class TFileListBox;
class TLabel;
class TPanel;
class TProgressBar;
class TSpeedButton;
class TStatusBar;

// The window is the host of its batch commands: they reach it only through
// the host's calls.
class TForm1 : public TForm, public CommandHost {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    // Controls, owned by the form as its components.
    TPanel* Panel1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton4;
    TSpeedButton* SpeedButton5;
    TPanel* Panel6;
    TLabel* Label2;
    TEdit* Edit1;
    TLabel* Label3;
    TEdit* Edit2;
    TLabel* Label4;
    TEdit* Edit3;
    TLabel* Label5;
    TEdit* Edit4;
    TLabel* Label6;
    TEdit* Edit5;
    TLabel* Label7;
    TEdit* Edit6;
    TLabel* Label8;
    TLabel* Label9;
    TEdit* Edit7;
    TPanel* Panel2;
    TLabel* Label1;
    TPanel* Panel3;
    TPanel* Panel4;
    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TButton* Button4;
    TFileListBox* FileListBox1;
    TPanel* Panel5;
    TProgressBar* ProgressBar1;
    TStatusBar* StatusBar1;
    TDiskScan* DiskScan1;
    TantTaskbarIcon* antTaskbarIcon1;
    TPopupMenu* PopupMenu1;
    TMenuItem* N1;
    TMenuItem* N2;
    TMenuItem* N3;
    // The file list's context menu: undo, refresh, select all.
    TPopupMenu* PopupMenu2;
    TMenuItem* UndoItem;
    TMenuItem* RefreshItem;
    TMenuItem* SelectAllItem;

    // Read by the tests; only the command writes it.
    const TTargetList* TargetList() const { return targetList_.get(); }
    // Closing during a command ends a scan at once (no file is touched) and
    // closes the window once the command, its report included, is done.
    void Close() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    void DriveComboBox1Change(TObject* sender);
    void DirectoryListBox1Change(TObject* sender);
    void SpeedButton1Click(TObject* sender);
    void SpeedButton2Click(TObject* sender);
    void SpeedButton3Click(TObject* sender);
    void SpeedButton4Click(TObject* sender);
    void SpeedButton5Click(TObject* sender);
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void Button3Click(TObject* sender);
    void Button4Click(TObject* sender);
    void DiskScan1FileFound(TObject* sender, std::string fileName);
    void DiskScan1EntrySkipped(TObject* sender, std::string path, std::string reason);
    void N1Click(TObject* sender);
    void N2Click(TObject* sender);
    void N3Click(TObject* sender);
    void UndoItemClick(TObject* sender);
    void RefreshItemClick(TObject* sender);
    void SelectAllItemClick(TObject* sender);

private:
    // The layout, in its own file.
    void BuildCommandBar();
    void BuildSettingsBar();
    void BuildPathBar();
    void BuildBrowser();
    void BuildBottomBands();
    void BuildTray();
    void BuildFileListMenu();
    TPanel* NewPanel(const char* name, TWinControl* parent, TAlign align, const RECT& designBounds);
    void WireEvents();

    void OnFileListMenu(int x, int y);
    bool OnShortCut(const MSG& message);

    // CommandHost: called by the command, through the host.
    bool Confirm(const std::string& question) override;
    void ShowMessage(const std::string& text, MessageKind kind) override;
    CommandInputs ReadInputs() override;
    void ShowTimeFields(const std::string& hour, const std::string& minute, const std::string& second) override;
    void LockInput(bool locked) override;
    bool Scan(const std::string& directory) override;
    void StopScan() override;
    void LetMessagesThrough() override;
    void Reselect(const std::vector<std::string>& names) override;
    void CloseWindow() override;

    std::unique_ptr<ProgressBarFeed> progressFeed_;
    std::optional<InputLock> inputLock_;
    std::unique_ptr<TTargetList> targetList_;
    // The batch commands, made and dropped with the target list.
    std::unique_ptr<BatchCommand> command_;
};

extern TForm1* Form1;
