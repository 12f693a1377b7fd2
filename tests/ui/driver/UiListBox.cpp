#include "UiListBox.h"

#include "UiText.h"

#include "platform/WideText.h"

namespace {

bool KeepsStrings(HWND list)
{
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    return !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
}

// The texts of a list that keeps its items itself, asked on the list's own
// thread by the hook library; false when it could not be asked.
bool OwnItemTexts(HWND list, std::vector<std::string>& texts)
{
    constexpr DWORD kBytes = 1 << 20;
    static HMODULE library = [] {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring folder(path, length);
        folder.resize(folder.rfind(L'\\') + 1);
        return LoadLibraryW((folder + L"libuilisttext.dll").c_str());
    }();
    const auto hook =
        library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, "UiListTextHook")))
                : nullptr;
    if (!hook) return false;
    const std::wstring id = std::to_wstring(GetCurrentProcessId());
    HANDLE mapping =
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBytes, (L"UiListText." + id).c_str());
    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, (L"UiListTextDone." + id).c_str());
    HHOOK hooked = SetWindowsHookExW(WH_GETMESSAGE, hook, library, GetWindowThreadProcessId(list, nullptr));
    bool read = false;
    if (mapping && done && hooked &&
        PostMessageW(list, RegisterWindowMessageW(L"UiListTextRequest"), GetCurrentProcessId(), kBytes) &&
        WaitForSingleObject(done, UiWindow::kSendTimeoutMs) == WAIT_OBJECT_0) {
        const auto* in = static_cast<const wchar_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, kBytes));
        if (in && in[0] != 0xFFFF) {
            read = true;
            for (size_t i = 0, at = 1; i < in[0]; ++i, at += 1 + in[at])
                texts.push_back(Narrow(std::wstring(in + at + 1, in[at])));
        }
        if (in) UnmapViewOfFile(in);
    }
    if (hooked) UnhookWindowsHookEx(hooked);
    if (done) CloseHandle(done);
    if (mapping) CloseHandle(mapping);
    return read;
}

}  // namespace

int UiListBox::Count() const
{
    return static_cast<int>(Ask(LB_GETCOUNT));
}

std::string UiListBox::Text(int index) const
{
    if (KeepsStrings(window_.Handle())) return UiText::ItemText(window_, LB_GETTEXTLEN, LB_GETTEXT, index);
    const std::vector<std::string> items = Items();
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)] : std::string();
}

std::vector<std::string> UiListBox::Items() const
{
    std::vector<std::string> items;
    if (!KeepsStrings(window_.Handle())) {
        OwnItemTexts(window_.Handle(), items);
        return items;
    }
    for (int i = 0, n = Count(); i < n; ++i) items.push_back(Text(i));
    return items;
}

bool UiListBox::IsSelected(int index) const
{
    return Ask(LB_GETSEL, index) > 0;
}

int UiListBox::SelectedCount() const
{
    return static_cast<int>(Ask(LB_GETSELCOUNT));
}

std::vector<int> UiListBox::SelectedIndexes() const
{
    std::vector<int> indexes;
    for (int i = 0, n = Count(); i < n; ++i)
        if (IsSelected(i)) indexes.push_back(i);
    return indexes;
}

int UiListBox::CurrentIndex() const
{
    return static_cast<int>(Ask(LB_GETCURSEL));
}

int UiListBox::TopIndex() const
{
    return static_cast<int>(Ask(LB_GETTOPINDEX));
}

int UiListBox::ItemHeight() const
{
    return static_cast<int>(Ask(LB_GETITEMHEIGHT, 0));
}

RECT UiListBox::ItemRect(int index) const
{
    RECT rect{};
    if (Ask(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return RECT{};
    return rect;
}

POINT UiListBox::ItemCentre(int index) const
{
    RECT rect = ItemRect(index);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
