#include "LinuxShell.h"
#include "platform/WideText.h"

#include <windows.h>

#include <vector>

namespace {

// The Linux side reads UTF-8, whatever the narrow strings' code page.
std::string Utf8(const std::string& text)
{
    const std::wstring wide = Widen(text);
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &bytes[0], length, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

std::wstring FromUtf8(const std::string& bytes)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

}  // namespace

std::string UnixPath(const std::string& windowsPath)
{
    using Convert = char*(CDECL*)(const wchar_t*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return std::string();
    char* unix = convert(Widen(windowsPath).c_str());
    if (!unix) return std::string();
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

bool RunLinuxShell(const std::string& folder, const std::string& command)
{
    std::string unixFolder = UnixPath(folder);
    wchar_t tempFolder[MAX_PATH] = {};
    wchar_t wideScript[MAX_PATH] = {};
    if (unixFolder.empty() || !GetTempPathW(MAX_PATH, tempFolder) ||
        !GetTempFileNameW(tempFolder, L"bsh", 0, wideScript))
        return false;
    const std::string scriptPath = Narrow(wideScript);
    // The command goes in a script file, written as the Linux side reads it
    // (UTF-8), so that it may hold any quote or separator. Wine does not wait
    // for a Linux process, so the script leaves its exit code in a file.
    const std::string donePath = scriptPath + ".done";
    std::string script = "cd '" + unixFolder + "' || exit 1\n(\n" + Utf8(command) +
                         "\n)\necho $? > \"$0.done.part\" && mv \"$0.done.part\" \"$0.done\"\n";
    HANDLE file = CreateFileW(wideScript, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, script.data(), static_cast<DWORD>(script.size()), &written, nullptr);
    CloseHandle(file);

    std::wstring line = L"/bin/sh \"" + FromUtf8(UnixPath(scriptPath)) + L"\"";
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string code;
    if (CreateProcessW(L"Z:\\bin\\sh", buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        for (int waited = 0; waited < 30000; waited += 10) {
            HANDLE done =
                CreateFileW(Widen(donePath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            if (done != INVALID_HANDLE_VALUE) {
                char text[16] = {};
                DWORD read = 0;
                ReadFile(done, text, sizeof text - 1, &read, nullptr);
                CloseHandle(done);
                code.assign(text, read);
                break;
            }
            Sleep(10);
        }
    }
    DeleteFileW(Widen(donePath).c_str());
    DeleteFileW(wideScript);
    return code.rfind("0", 0) == 0 && (code.size() == 1 || code[1] == '\n');
}
