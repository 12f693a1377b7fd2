#pragma once
#include "UiListBox.h"
#include "UiProcess.h"
#include "UiWindow.h"

#include <string>

// The real program, started from outside in a folder for one test, and the
// places of its main window that the tests reach.
class BriselApp {
public:
    static const char kCaption[];
    static const char kMainClass[];
    static constexpr DWORD kStartTimeoutMs = 20000;

    // The program next to the tests: in the working directory (ctest runs the
    // tests in the program's folder), else in the test executable's folder.
    static std::string ExePath();

    // Starts the program with folder as its working directory and waits for
    // the visible main window. Returns false with Error() set.
    bool Start(const std::string& folder, WORD showCmd = SW_SHOWNORMAL);
    const std::string& Error() const { return error_; }

    UiProcess& Process() { return process_; }
    const UiWindow& MainWindow() const { return main_; }
    // Milliseconds from CreateProcessA to the main window being visible
    // (measured by polling, so up to UiWindow::kPollMs late).
    ULONGLONG StartUpMs() const { return startUpMs_; }

    UiListBox FileList() const;
    // The command bar: the panel at the top left of the client area.
    UiWindow CommandBar() const;
    // Clicks command button k (0 to 4), which has no window of its own.
    bool ClickCommandButton(int k) const;
    // Scales a length of the 96-DPI layout to the screen's setting.
    static int Scaled(int pixels);

private:
    UiProcess process_;
    UiWindow main_;
    ULONGLONG startUpMs_ = 0;
    std::string error_;
};
