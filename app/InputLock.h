// Keeps controls from taking input while a command runs, so that it does
// what was confirmed: they are greyed, and the focus moves from them to the
// form itself, where Esc still reaches the command. Afterwards each control
// is as it was, and the focus goes back to where it was.
#pragma once

#include <initializer_list>
#include <vector>

class TForm;
class TWinControl;

class InputLock {
public:
    InputLock(TForm& form, std::initializer_list<TWinControl*> controls);
    ~InputLock();
    InputLock(const InputLock&) = delete;
    InputLock& operator=(const InputLock&) = delete;

private:
    TForm& form_;
    std::vector<TWinControl*> controls_;  // not owned
    std::vector<bool> enabled_;
};
