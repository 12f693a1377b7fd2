// The confirmation dialog: question icon, the message, and Yes / No buttons
// ("是[&Y]" answers Enter, "否[&N]" answers Esc), centred on the screen.
#pragma once

#include "toolkit/Form.h"

class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, const std::string& caption, const std::string& message);

protected:
    void PaintWindow(HDC dc) override;

private:
    std::string message_;
    RECT textRect_{};
};

// Shows the confirmation dialog modally; returns mrYes only for Yes.
TModalResult ConfirmationDialog(const std::string& message);
