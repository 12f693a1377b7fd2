// A status bar with text panels; the last panel runs to the right edge.
#pragma once

#include "toolkit/WinControl.h"

#include <vector>

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    // Widths in the 96-DPI layout; the last panel's width is ignored.
    void AddPanel(int designWidth, const std::string& text);
    std::string PanelText(int index) const { return panels_.at(static_cast<size_t>(index)).text; }

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void Resized() override;
    bool OwnPaint() const override { return false; }

private:
    void ApplyPanels();

    struct Panel {
        int width;
        std::string text;
    };
    std::vector<Panel> panels_;
};
