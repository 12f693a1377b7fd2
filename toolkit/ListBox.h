// An owner-drawn list box; subclasses draw the items and react to changes.
#pragma once

#include "toolkit/ItemsControl.h"

class TCustomListBox : public TItemsControl {
public:
    explicit TCustomListBox(TComponent* owner);

    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    void SetItemHeight(int designHeight);
    int ItemHeight() const { return itemHeight_; }
    void SetMultiSelect(bool multi) { multiSelect_ = multi; }
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    bool OwnPaint() const override { return false; }
    virtual void DoubleClicked() {}
    virtual void SelectionChanged() {}

    bool sorted_ = false;
    bool multiSelect_ = false;
};
