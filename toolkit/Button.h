// A push button; Click runs its handler as a press would.
#pragma once

#include "toolkit/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    using TControl::Caption;
    using TControl::SetCaption;
    void SetDefault(bool isDefault) { default_ = isDefault; }
    void SetModalResult(int result) { modalResult_ = result; }
    void Click() override;
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool OwnPaint() const override { return false; }

private:
    bool default_ = false;
    int modalResult_ = 0;
};
