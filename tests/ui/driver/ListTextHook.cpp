// Loaded into the program under test by a message hook: reads the item texts
// of a list that keeps no strings in the control, which answers LB_GETTEXT
// only on its own thread, and hands them to the driver through shared memory
// (a count, then each text's length and UTF-16 units). Plain Win32 only.
#include <windows.h>

#include <cwchar>

extern "C" __declspec(dllexport) LRESULT CALLBACK UiListTextHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT request = RegisterWindowMessageW(L"UiListTextRequest");
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == request) {
        wchar_t name[64];
        std::swprintf(name, 64, L"UiListText.%lu", static_cast<unsigned long>(message->wParam));
        HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
        const SIZE_T size = static_cast<SIZE_T>(message->lParam);
        auto* out = mapping ? static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, size)) : nullptr;
        if (out) {
            const SIZE_T units = size / sizeof(wchar_t);
            const LRESULT count = SendMessageW(message->hwnd, LB_GETCOUNT, 0, 0);
            SIZE_T at = 1;
            LRESULT i = 0;
            for (; i < count; ++i) {
                const LRESULT length = SendMessageW(message->hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
                if (length < 0 || at + 2 + static_cast<SIZE_T>(length) > units) break;
                out[at] = static_cast<wchar_t>(length);
                if (SendMessageW(message->hwnd, LB_GETTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(out + at + 1)) != length)
                    break;
                at += 1 + static_cast<SIZE_T>(length);
            }
            out[0] = static_cast<wchar_t>(i == count ? i : 0xFFFF);
            UnmapViewOfFile(out);
        }
        if (mapping) CloseHandle(mapping);
        std::swprintf(name, 64, L"UiListTextDone.%lu", static_cast<unsigned long>(message->wParam));
        if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
            SetEvent(done);
            CloseHandle(done);
        }
        message->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
