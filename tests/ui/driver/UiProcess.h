#pragma once
#include <windows.h>

#include <string>

// A program started for a test. A program still running when the object dies
// is terminated, so a failed test never leaves it behind.
class UiProcess {
public:
    UiProcess() = default;
    ~UiProcess();
    UiProcess(const UiProcess&) = delete;
    UiProcess& operator=(const UiProcess&) = delete;

    // Starts exePath (quoted on the command line) with args in workDir, with
    // STARTF_USESHOWWINDOW and showCmd. Returns false with Error() set.
    bool Start(const std::string& exePath, const std::string& args, const std::string& workDir,
               WORD showCmd = SW_SHOWNORMAL);

    bool IsStarted() const { return info_.hProcess != nullptr; }
    bool IsRunning() const;
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // GetTickCount64 just before CreateProcessA, for start-up timings.
    ULONGLONG StartTick() const { return startTick_; }
    const std::string& Error() const { return error_; }

    // Waits for the program to end; true with *exitCode set if it did in time.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // Terminates the program (exit code 1) and waits for it to be gone.
    void Kill();

private:
    void Release();

    PROCESS_INFORMATION info_{};
    ULONGLONG startTick_ = 0;
    std::string error_;
};
