// The drive selector: a drop-down list of the present drives with glyphs.
#pragma once

#include "toolkit/ComboBox.h"

enum class TTextCase { LowerCase, UpperCase };

class TDriveComboBox : public TCustomComboBox {
public:
    explicit TDriveComboBox(TComponent* owner);
    ~TDriveComboBox() override;

    char Drive() const { return drive_; }  // 0 when there is no current drive
    void SetDrive(char letter);
    void SetTextCase(TTextCase textCase) { textCase_ = textCase; }
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void DrawItem(int index, HDC dc, const RECT& rect, bool selected) override;
    void SelectionChanged() override;

private:
    void BuildList();

    char drive_ = 0;
    TTextCase textCase_ = TTextCase::LowerCase;
    std::vector<HBITMAP> itemGlyphs_;  // per item; shared with glyphs_
    HBITMAP glyphs_[5] = {};           // owned
};
