// A horizontal progress bar with 32-bit range and position.
#pragma once

#include "toolkit/WinControl.h"

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    // Sets the position and leaves the bar as it is drawn, for a change
    // that does not alter its look.
    void SetPositionUnpainted(int position);
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints the bar now, and nothing else of the window.
    void RepaintNow();

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    bool OwnPaint() const override { return false; }

private:
    int max_ = 100;
    int position_ = 0;
};
