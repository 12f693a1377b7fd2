#include "UiWait.h"

#include <windows.h>

bool UiWait::Until(const std::function<bool()>& condition, unsigned timeoutMs)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
}
