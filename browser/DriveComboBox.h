// The drive selector: a drop-down list of the present drives with glyphs.
#pragma once

#include "browser/GlyphSet.h"
#include "core/DriveItems.h"
#include "toolkit/ComboBox.h"

#include <vector>

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
    void DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool focused) override;
    void SelectionChanged() override;

private:
    void BuildList();
    void SelectDriveItem();
    HBITMAP GlyphOf(int index) const;

    char drive_ = 0;
    TTextCase textCase_ = TTextCase::LowerCase;
    std::vector<core::DriveGlyph> itemGlyphs_;  // one per item, in item order
    GlyphSet glyphs_;                           // Floppy, Hard, Network, CdRom, Ram
};
