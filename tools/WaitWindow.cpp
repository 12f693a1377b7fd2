// Waits until a visible top-level window of the given class appears, then
// prints how long that took. Used by the run and screenshot scripts.
// Usage: WaitWindow CLASS [TIMEOUT_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: WaitWindow CLASS [TIMEOUT_MS]\n");
        return 2;
    }
    const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) : 30000;
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < timeout) {
        HWND window = FindWindowA(argv[1], nullptr);
        if (window && IsWindowVisible(window)) {
            std::printf("%llu\n", GetTickCount64() - start);
            return 0;
        }
        Sleep(20);
    }
    std::fprintf(stderr, "no visible window of class %s\n", argv[1]);
    return 1;
}
