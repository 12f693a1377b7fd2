#include "UiProcess.h"
#include "platform/WideText.h"

#include <vector>

UiProcess::~UiProcess()
{
    if (IsRunning()) Kill();
    Release();
}

bool UiProcess::Start(const std::string& exePath, const std::string& args, const std::string& workDir, WORD showCmd)
{
    Release();
    error_.clear();
    std::string line = "\"" + exePath + "\"";
    if (!args.empty()) line += " " + args;
    // The wide call takes a working directory of MAX_PATH bytes or more.
    std::wstring wideLine = Widen(line);
    std::vector<wchar_t> buffer(wideLine.begin(), wideLine.end());
    buffer.push_back(L'\0');  // CreateProcessW may write into the command line
    const std::wstring wideDir = Widen(workDir);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCmd;
    startTick_ = GetTickCount64();
    if (!CreateProcessW(Widen(exePath).c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : wideDir.c_str(), &startup, &info_)) {
        error_ = "CreateProcessW(" + exePath + ") failed, error " + std::to_string(GetLastError());
        info_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool UiProcess::IsRunning() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool UiProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

void UiProcess::Kill()
{
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
}

void UiProcess::Release()
{
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
}
