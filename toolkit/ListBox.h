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
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A list that keeps its items itself (ownItems_): the control holds only
    // their count and selection and draws the rows in view; a text asked of
    // it comes from OwnItemText.
    void SetItemCount(int count);
    virtual std::string OwnItemText(int) const { return std::string(); }
    bool OwnPaint() const override { return false; }
    virtual void DoubleClicked() {}
    virtual void SelectionChanged() {}

    bool sorted_ = false;
    bool multiSelect_ = false;
    bool ownItems_ = false;

private:
    LRESULT OnGetText(WPARAM index, LPARAM buffer);
    void ChooseNextStartingWith(wchar_t letter);
};
