#include "browser/FileListBox.h"

#include "browser/CompareIgnoreCase.h"
#include "browser/WorkingDirectory.h"

#include "core/DirectoryItems.h"
#include "core/DirectoryPath.h"
#include "core/BusyPointer.h"
#include "platform/DirectoryEntries.h"
#include "toolkit/SystemPictures.h"

#include <set>

namespace {

std::vector<std::string> MaskPatterns(const std::string& mask)
{
    std::vector<std::string> patterns;
    size_t start = 0;
    while (start <= mask.size()) {
        size_t end = mask.find(';', start);
        if (end == std::string::npos) end = mask.size();
        if (end > start) patterns.push_back(mask.substr(start, end - start));
        start = end + 1;
    }
    return patterns;
}

}  // namespace

TFileListBox::TFileListBox(TComponent* owner) : TCustomListBox(owner)
{
    // The list control keeps the names in order, whatever the order found.
    sorted_ = true;
    directory_ = ReadStartDirectory();
}

void TFileListBox::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    params.className = "TFileListBox";
}

void TFileListBox::HandleCreated()
{
    itemHeight_ = FontItemHeight();
    TCustomListBox::HandleCreated();
    ReadFileNames();
}

void TFileListBox::SetDirectory(const std::string& directory)
{
    if (CompareIgnoreCase(directory, directory_) == CSTR_EQUAL) return;
    directory_ = directory;
    ReadFileNames();
}

void TFileListBox::Update()
{
    ReadFileNames();
}

std::vector<std::string> TFileListBox::SelectedNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < Count(); ++i) {
        if (Selected(i)) names.push_back(ItemText(i));
    }
    return names;
}

void TFileListBox::Reread(const std::vector<std::string>& selectNames)
{
    const std::set<std::string> selected(selectNames.begin(), selectNames.end());
    ReadFileNames();
    if (selected.empty()) return;
    for (int i = 0; i < Count(); ++i) {
        if (selected.count(ItemText(i))) SetSelected(i, true);
    }
}

void TFileListBox::SelectAll()
{
    if (HandleAllocated() && Count() > 0) SendMessageW(handle_, LB_SETSEL, TRUE, -1);
}

void TFileListBox::ReadFileNames()
{
    if (!HandleAllocated()) return;  // read when the window is made
    HCURSOR previousCursor = nullptr;
    bool busy = false;
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    Clear();
    if (!directory_.empty()) {
        std::set<std::string> listed;  // a name matched by two patterns is listed once
        for (const std::string& pattern : MaskPatterns(mask_)) {
            // A name that is not exact would address another file (a.txt for â.txt), or none.
            DirectoryEntries entries(core::WithTrailingBackslash(directory_) + pattern);
            while (entries.Next()) {
                if (entries.IsDirectory() || !entries.NameIsExact()) continue;
                if (!listed.insert(entries.Name()).second) continue;
                int index = AddItem(entries.Name());
                if (!busy && index >= 0 && core::ShowsBusyPointer(static_cast<size_t>(index))) {
                    previousCursor = ::SetCursor(SystemCursor(IDC_WAIT));
                    busy = true;
                }
            }
        }
    }
    if (busy) ::SetCursor(previousCursor);
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}
