// The application object: title, the hidden application window that owns
// the main window and carries the taskbar button, minimise and restore,
// the exception report and the message loop.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

class TForm;

// Date and time formats of the user's regional settings, as the application reads them.
struct TFormatSettings {
    char dateOrder = 'Y';  // 'M' month-day-year, 'D' day-month-year, 'Y' year-month-day
    char dateSeparator = '-';
    char timeSeparator = ':';
    std::string shortDateFormat;
    std::string longDateFormat;
    std::string timeFormat;
};

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    HWND Handle() const { return handle_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    TForm* MainForm() const { return mainForm_; }

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Dispatches every pending message, then returns.
    void ProcessMessages();

    void Minimize();
    void Restore();
    TNotifyEvent OnMinimize;
    // Sees every key press of the program before its window does; true
    // takes the key (the window's own shortcuts).
    std::function<bool(const MSG& message)> OnShortCut;
    TNotifyEvent OnRestore;

    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor color) { hintColor_ = color; }

    void ShowException(const std::exception& error);
    const TFormatSettings& FormatSettings() const { return formats_; }
    void ReadFormatSettings();

    // Forms tell the application they exist; the first becomes the main form.
    void FormCreated(TForm* form);
    void FormDestroyed(TForm* form);
    // Runs one message through dialog navigation and dispatch; false on WM_QUIT.
    bool HandleMessage(MSG& msg);

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::string title_;
    TForm* mainForm_ = nullptr;  // not owned: forms are owned by the application component
    std::vector<TForm*> forms_;  // not owned
    bool terminated_ = false;
    TColor hintColor_ = GetSysColor(COLOR_INFOBK);
    TFormatSettings formats_;
    int startupShow_ = SW_SHOWNORMAL;
};

extern TApplication* Application;
