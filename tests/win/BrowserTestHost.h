// What the browser tests share: the application object, a host window in
// the main window's font, and a working directory that is put back.
#pragma once

#include "platform/WideText.h"
#include "tests/ui/driver/TempDir.h"
#include "tests/win/TestApplication.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TBrowserHost : public TForm {
public:
    TBrowserHost() : TForm(nullptr, "TBrowserTestHost")
    {
        Font().SetName("宋体");
        Font().SetHeight(12);
        Font().SetCharset(GB2312_CHARSET);
        SetBounds(0, 0, 700, 500);
        Handle();
    }
    // Puts a control on this window at the given place.
    template <typename Control> Control* Place(Control* control, int left, int top, int width, int height)
    {
        control->SetBounds(left, top, width, height);
        control->SetParent(this);
        return control;
    }
};

// Makes folder the working directory for one test and restores the old one.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& folder)
    {
        previous_.resize(GetCurrentDirectoryW(0, nullptr));
        previous_.resize(GetCurrentDirectoryW(static_cast<DWORD>(previous_.size()), &previous_[0]));
        changed_ = SetCurrentDirectoryW(Widen(folder).c_str()) != FALSE;
    }
    ~WorkingDirectory() { SetCurrentDirectoryW(previous_.c_str()); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    bool Changed() const { return changed_; }

private:
    std::wstring previous_;
    bool changed_ = false;
};

// The browser tests' fixture: a temporary folder, a working directory in it
// and the host window, which go in the reverse order.
class BrowserTest : public ::testing::Test {
protected:
    // Makes relative (made below the temporary folder; empty: the folder
    // itself) the working directory and opens the host window.
    void Enter(const std::string& relative, std::string* path = nullptr)
    {
        EnsureApplication();
        host = std::make_unique<TBrowserHost>();
        ASSERT_TRUE(temp.IsValid());
        const std::string folder = relative.empty() ? temp.Path() : temp.Create(relative);
        cwd = std::make_unique<WorkingDirectory>(folder);
        ASSERT_TRUE(cwd->Changed()) << folder;
        if (path) *path = folder;
    }

    // Chooses item index of a combo box as the user does: the list reports a selection change.
    void Choose(TWinControl* combo, int index)
    {
        SendMessageA(combo->Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(host->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->Handle()));
    }

    TempDir temp;
    std::unique_ptr<WorkingDirectory> cwd;
    std::unique_ptr<TBrowserHost> host;
};

// The texts of a list's or a combo box's items, in order.
template <typename List> std::vector<std::string> ItemTexts(const List& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) texts.push_back(list.ItemText(i));
    return texts;
}

// Highlights the item of a directory list with this text and opens it.
template <typename List> void OpenItem(List& list, const std::string& text)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (list.ItemText(i) == text) list.SetItemIndex(i);
    }
    list.OpenCurrent();
}

// Draws item index of an owner-drawn list into a bitmap as it would be drawn on
// screen; true where a pixel is not the window background.
inline std::vector<std::vector<bool>> DrawnPixels(TWinControl* host, TWinControl* list, UINT controlType, int index,
                                                  int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = controlType;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(list->Handle()));
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = list->Handle();
    draw.hDC = dc;
    draw.rcItem = RECT{0, 0, width, height};
    SendMessageW(host->Handle(), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    COLORREF background = GetSysColor(COLOR_WINDOW);
    std::vector<std::vector<bool>> inked(static_cast<size_t>(width), std::vector<bool>(static_cast<size_t>(height)));
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) inked[x][y] = GetPixel(dc, x, y) != background;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return inked;
}

inline bool ColumnsInked(const std::vector<std::vector<bool>>& inked, int from, int to)
{
    for (int x = from; x < to; ++x) {
        for (bool pixel : inked[static_cast<size_t>(x)]) {
            if (pixel) return true;
        }
    }
    return false;
}
