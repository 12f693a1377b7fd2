// The directory list: the chain of folders of the current directory, then
// its subdirectories. It writes the shortened path into its path label.
#pragma once

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
    // Opens the directory of the highlighted item (double-click or Enter).
    void OpenCurrent();
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool focused) override;
    void DoubleClicked() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Resized() override;

private:
    void BuildList();
    void UpdateLabel();

    std::string directory_;
    TLabel* dirLabel_ = nullptr;  // not owned
    struct Item;
    std::vector<Item>* items_ = nullptr;  // owned
    HBITMAP glyphs_[3] = {};              // owned
};
