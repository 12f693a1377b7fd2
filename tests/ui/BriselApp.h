#pragma once
#include "UiListBox.h"
#include "UiMessageDialog.h"
#include "UiProcess.h"
#include "UiProgressBar.h"
#include "UiWindow.h"

#include <string>

// The real program, started from outside in a folder for one test, and the
// places of its main window that the tests reach.
class BriselApp {
public:
    static const char kCaption[];
    static const char kMainClass[];
    static constexpr DWORD kStartTimeoutMs = 20000;
    // The command buttons, left to right (SpeedButton1 to SpeedButton5).
    enum Command : int { FileTime = 0, Extension, LowerCase, UpperCase, About };

    // The program next to the tests: in the working directory (ctest runs the
    // tests in the program's folder), else in the test executable's folder.
    static std::string ExePath();

    // Starts the program with folder as its working directory and waits for
    // the visible main window. Returns false with Error() set.
    bool Start(const std::string& folder, WORD showCmd = SW_SHOWNORMAL);
    const std::string& Error() const { return error_; }

    UiProcess& Process() { return process_; }
    const UiProcess& Process() const { return process_; }
    const UiWindow& MainWindow() const { return main_; }
    // Milliseconds from CreateProcessA to the main window being visible
    // (measured by polling, so up to UiWindow::kPollMs late).
    ULONGLONG StartUpMs() const { return startUpMs_; }

    UiListBox FileList() const;
    // The command bar: the panel at the top left of the client area.
    UiWindow CommandBar() const;
    // Clicks command button k (0 to 4), which has no window of its own.
    bool ClickCommandButton(int k) const;
    // The confirmation dialog "确认" of a command, once it is shown.
    UiMessageDialog WaitConfirmation(DWORD timeoutMs = 5000) const;
    // Waits for the confirmation dialog and presses "是[&Y]" or "否[&N]".
    bool AnswerConfirmation(bool yes) const;
    // Clicks command button k and answers its confirmation with Yes.
    bool StartCommand(int k) const;
    // A message box of the program ("#32770" captioned with its title).
    UiMessageDialog WaitMessageBox(DWORD timeoutMs = 5000) const;

    UiProgressBar ProgressBar() const;
    // Waits until the bar stands at count of count, the end of a batch.
    bool WaitBatchEnd(int count, DWORD timeoutMs = 10000) const;
    // Edit field n (1 to 7, left to right on the settings bar).
    UiWindow Edit(int n) const;
    // Replaces the text of edit field n by real input: click, select all, type.
    bool SetEditText(int n, const std::string& text) const;
    // The program's visible top-level windows, "class [caption]" each, for
    // failure messages.
    std::string DescribeWindows() const;
    // Scales a length of the 96-DPI layout to the screen's setting.
    static int Scaled(int pixels);

private:
    UiProcess process_;
    UiWindow main_;
    ULONGLONG startUpMs_ = 0;
    std::string error_;
};
