// An owner-drawn list box; subclasses draw the items and react to changes.
#pragma once

#include "toolkit/WinControl.h"

class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* owner);

    void Clear();
    int AddItem(const std::string& text);  // returns the index it landed at
    int Count() const;
    std::string ItemText(int index) const;
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
    virtual void DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool focused);
    virtual void DoubleClicked() {}
    virtual void SelectionChanged() {}

    int itemHeight_ = 16;
    bool sorted_ = false;
    bool multiSelect_ = false;
};
