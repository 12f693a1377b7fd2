// A single-line edit field.
#pragma once

#include "toolkit/WinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    bool OwnPaint() const override { return false; }
};
