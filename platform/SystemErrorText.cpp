#include "platform/SystemErrorText.h"

#include "platform/WideText.h"

std::string SystemErrorText(DWORD error)
{
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring wide;
    if (length != 0 && buffer != nullptr) wide.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!wide.empty() &&
           (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ' || wide.back() == L'\t'))
        wide.pop_back();
    std::string text = Narrow(wide);
    if (text.empty()) text = "error " + std::to_string(error);
    return text;
}
