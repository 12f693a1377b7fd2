// The file list: the bare names of the current directory's files, sorted
// without regard to case, with extended multiple selection.
#pragma once

#include "toolkit/ListBox.h"

#include <string>
#include <vector>

class TFileListBox : public TCustomListBox {
public:
    explicit TFileListBox(TComponent* owner);

    const std::string& Directory() const { return directory_; }
    // Reads the directory when it differs from the current one (case ignored).
    void SetDirectory(const std::string& directory);
    // Patterns separated by ";"; "*.*" lists every file.
    void SetMask(const std::string& mask) { mask_ = mask; }
    void Update();  // reads the directory anew
    // The names of the selected entries, in the list's order.
    std::vector<std::string> SelectedNames() const;
    // Reads the directory anew and selects the entries of exactly these
    // names: two names differing only in case may be two files.
    void Reread(const std::vector<std::string>& selectNames);
    // Reads the directory anew and keeps selected the names that are still there.
    void Reread() { Reread(SelectedNames()); }
    void SelectAll();

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    void ReadFileNames();

    std::string directory_;
    std::string mask_ = "*.*";
};
