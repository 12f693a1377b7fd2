#include "UiText.h"

#include "platform/WideText.h"

#include <algorithm>

std::string UiText::ItemText(const UiWindow& window, UINT lengthMsg, UINT textMsg, int index)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window.Handle(), lengthMsg, index, 0, SMTO_ABORTIFHUNG, UiWindow::kSendTimeoutMs,
                             &length) ||
        static_cast<LRESULT>(length) < 0)
        return std::string();
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window.Handle(), textMsg, index, reinterpret_cast<LPARAM>(&wide[0]), SMTO_ABORTIFHUNG,
                             UiWindow::kSendTimeoutMs, &copied) ||
        static_cast<LRESULT>(copied) < 0)
        return std::string();
    wide.resize(std::min<size_t>(copied, length));
    return Narrow(wide);
}
