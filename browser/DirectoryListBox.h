// The directory list: the chain of folders of the current directory, then
// its subdirectories. It writes the shortened path into its path label.
#pragma once

#include "browser/GlyphSet.h"
#include "core/DirectoryItems.h"
#include "toolkit/ListBox.h"

#include <string>
#include <vector>

class TLabel;

class TDirectoryListBox : public TCustomListBox {
public:
    explicit TDirectoryListBox(TComponent* owner);
    ~TDirectoryListBox() override;

    // The current directory: C:\ at a drive root, otherwise no trailing backslash.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory);
    void SetDrive(char letter);
    void SetDirLabel(TLabel* label);
    // Reads the subdirectories of the current directory anew. One that can no
    // longer be read gives way to the nearest directory above that can, made
    // current as if opened; true when the list moved so.
    bool Reread();
    // Opens the directory of the highlighted item (double-click or Enter).
    void OpenCurrent();
    TNotifyEvent OnChange;

    // The items as shown: text as stored, glyph kind and glyph offset.
    const std::vector<core::DirectoryItem>& Items() const { return items_; }

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool focused) override;
    void DoubleClicked() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void BoundsChanged() override;
    std::string OwnItemText(int index) const override;

private:
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    void ReadVolumeFlags();
    bool SamePath(const std::string& a, const std::string& b) const;
    void BuildList(const std::vector<std::string>& subdirectories);
    void MakeCurrent(const std::string& full, const std::vector<std::string>& subdirectories);
    void UpdateLabel();

    std::string directory_;
    bool caseSensitive_ = false;
    bool lowerCaseNames_ = false;  // the volume neither preserves nor respects case
    TLabel* dirLabel_ = nullptr;   // not owned
    int labelWidth_ = -1;          // the width the label text was last fitted to
    std::vector<core::DirectoryItem> items_;
    GlyphSet glyphs_;  // open, current, closed folder
};
