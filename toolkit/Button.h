// A push button; Click runs its handler as a press would.
#pragma once

#include "toolkit/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    void SetDefault(bool isDefault) { default_ = isDefault; }
    void SetModalResult(int result) { modalResult_ = result; }
    void Click() override;
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool OwnPaint() const override { return false; }

private:
    std::string caption_;
    bool default_ = false;
    int modalResult_ = 0;
};
