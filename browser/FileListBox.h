// The file list: the bare names of the current directory's files, sorted
// without regard to case, with extended multiple selection. The names are
// kept once, by the list itself; the control draws the rows in view.
#pragma once

#include "core/NameList.h"
#include "toolkit/ListBox.h"

#include <functional>
#include <string>
#include <string_view>
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
    std::string_view Name(int index) const { return names_[static_cast<size_t>(index)]; }
    std::size_t NameBytes() const { return names_.Bytes(); }  // what the names take in memory
    // The names of the selected entries, in the list's order.
    std::vector<std::string> SelectedNames() const;
    // Reads the directory anew and selects the entries of exactly these
    // names: two names differing only in case may be two files.
    void Reread(const std::vector<std::string>& selectNames);
    // Reads the directory anew and keeps selected the names that are still there.
    void Reread() { Reread(SelectedNames()); }
    void SelectAll();
    // Whether a listing runs: a request to read meanwhile is refused.
    bool Listing() const { return listing_; }

    // What a window lends the list so that a long listing keeps it answering:
    // OnListing runs each listing (the window keeps input from the list
    // there), and OnListingPump, called about every 50 ms while a folder is
    // read, lets pending messages through. Without them a listing holds the thread.
    std::function<void(const std::function<void()>& listing)> OnListing;
    std::function<void()> OnListingPump;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool focused) override;
    std::string OwnItemText(int index) const override { return std::string(Name(index)); }

private:
    void ReadFileNames();
    void ListNames();
    // Selects the entries whose indexes are given in ascending order, a run of neighbours at a time.
    void SelectIndexes(const std::vector<int>& indexes);

    std::string directory_;
    std::string mask_ = "*.*";
    core::NameList names_;
    bool listing_ = false;
};
