#include "browser/FileListBox.h"

#include "browser/CompareIgnoreCase.h"
#include "browser/WorkingDirectory.h"

#include "core/DirectoryItems.h"
#include "core/DirectoryPath.h"
#include "core/BusyPointer.h"
#include "platform/DirectoryEntries.h"
#include "toolkit/ListItems.h"
#include "toolkit/SystemPictures.h"

#include <set>
#include <unordered_set>

namespace {

constexpr ULONGLONG kPumpEveryMs = 50;

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

// Clears a flag on every way out of a listing.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
};

}  // namespace

TFileListBox::TFileListBox(TComponent* owner) : TCustomListBox(owner)
{
    // The list orders the names itself, whatever the order found.
    ownItems_ = true;
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
    if (listing_ || CompareIgnoreCase(directory, directory_) == CSTR_EQUAL) return;
    directory_ = directory;
    ReadFileNames();
}

void TFileListBox::Update()
{
    ReadFileNames();
}

void TFileListBox::DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool)
{
    if (index < static_cast<int>(names_.Size())) DrawTextItem(dc, rect, std::string(Name(index)), selected);
}

std::vector<std::string> TFileListBox::SelectedNames() const
{
    std::vector<std::string> names;
    const int count = SelCount();
    if (count <= 0) return names;
    std::vector<int> indexes(static_cast<size_t>(count));
    const LRESULT got = SendMessageW(handle_, LB_GETSELITEMS, indexes.size(), reinterpret_cast<LPARAM>(indexes.data()));
    if (got == LB_ERR) return names;
    indexes.resize(static_cast<size_t>(got));
    names.reserve(indexes.size());
    for (int index : indexes) {
        if (index >= 0 && index < static_cast<int>(names_.Size())) names.emplace_back(Name(index));
    }
    return names;
}

void TFileListBox::Reread(const std::vector<std::string>& selectNames)
{
    if (listing_) return;
    const std::unordered_set<std::string_view> selected(selectNames.begin(), selectNames.end());
    ReadFileNames();
    if (selected.empty()) return;
    std::vector<int> indexes;
    for (size_t i = 0; i < names_.Size(); ++i) {
        if (selected.count(names_[i])) indexes.push_back(static_cast<int>(i));
    }
    SelectIndexes(indexes);
}

void TFileListBox::SelectIndexes(const std::vector<int>& indexes)
{
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    for (size_t first = 0; first < indexes.size();) {
        size_t last = first;
        while (last + 1 < indexes.size() && indexes[last + 1] == indexes[last] + 1) ++last;
        SendMessageW(handle_, LB_SELITEMRANGEEX, static_cast<WPARAM>(indexes[first]), indexes[last]);
        first = last + 1;
    }
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

void TFileListBox::SelectAll()
{
    if (HandleAllocated() && Count() > 0) SendMessageW(handle_, LB_SETSEL, TRUE, -1);
}

void TFileListBox::ReadFileNames()
{
    if (!HandleAllocated() || listing_) return;  // read when the window is made; one listing at a time
    Raised listing(listing_);
    if (OnListing)
        OnListing([this] { ListNames(); });
    else
        ListNames();
}

void TFileListBox::ListNames()
{
    // Emptied first: nothing half-read is shown, or drawn, while messages go through.
    names_.Clear();
    SetItemCount(0);
    HCURSOR previousCursor = nullptr, busyCursor = nullptr;
    ULONGLONG nextPump = GetTickCount64() + kPumpEveryMs;
    core::NameList found;
    if (!directory_.empty()) {
        std::set<std::string> listed;  // a name matched by two patterns is listed once
        const std::vector<std::string> patterns = MaskPatterns(mask_);
        std::string key;
        for (const std::string& pattern : patterns) {
            // A name that is not exact would address another file (a.txt for â.txt), or none.
            DirectoryEntries entries(core::WithTrailingBackslash(directory_) + pattern);
            while (entries.Next()) {
                if (entries.IsDirectory() || !entries.NameIsExact()) continue;
                if (patterns.size() > 1 && !listed.insert(entries.Name()).second) continue;
                IgnoreCaseSortKey(entries.WideName(), key);
                found.Add(entries.Name(), key);
                if (!busyCursor && core::ShowsBusyPointer(found.Size() - 1)) {
                    busyCursor = SystemCursor(IDC_WAIT);
                    previousCursor = ::SetCursor(busyCursor);
                }
                if (OnListingPump && GetTickCount64() >= nextPump) {
                    OnListingPump();
                    // The window's pointer came back as the mouse moved.
                    if (busyCursor) ::SetCursor(busyCursor);
                    nextPump = GetTickCount64() + kPumpEveryMs;
                }
            }
        }
    }
    // The sort takes a while of its own at 100,000 names: a look at the window first.
    if (OnListingPump && found.Size() > 0) OnListingPump();
    found.Sort();
    names_.Swap(found);
    SetItemCount(static_cast<int>(names_.Size()));
    if (busyCursor) ::SetCursor(previousCursor);
    Invalidate();
}
