// What the browser tests share: the application object, a host window in
// the main window's font, and a working directory that is put back.
#pragma once

#include "tests/win/TestApplication.h"
#include "toolkit/Form.h"

#include <windows.h>

#include <string>

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
    template <typename Control>
    Control* Place(Control* control, int left, int top, int width, int height)
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
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof previous, previous);
        previous_ = previous;
        changed_ = SetCurrentDirectoryA(folder.c_str()) != FALSE;
    }
    ~WorkingDirectory() { SetCurrentDirectoryA(previous_.c_str()); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    bool Changed() const { return changed_; }

private:
    std::string previous_;
    bool changed_ = false;
};
