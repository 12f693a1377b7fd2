// An owner-drawn drop-down list that cannot be typed into.
#pragma once

#include "toolkit/ItemsControl.h"

class TCustomComboBox : public TItemsControl {
public:
    explicit TCustomComboBox(TComponent* owner);

    int ItemIndex() const;
    void SetItemIndex(int index);
    void SetItemHeight(int height);
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void BoundsChanged() override;
    bool OwnPaint() const override { return false; }
    virtual void SelectionChanged() {}
};
