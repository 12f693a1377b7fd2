#include "browser/DirectoryListBox.h"

#include "browser/CompareIgnoreCase.h"
#include "browser/WorkingDirectory.h"

#include "core/CaseMapping.h"
#include "core/DirectoryPath.h"
#include "core/NameList.h"
#include "core/PathShortening.h"
#include "resources/resource.h"
#include "platform/DirectoryEntries.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"
#include "toolkit/Label.h"

#include <algorithm>

namespace {

constexpr int kMinItemHeight = 16;  // the folder glyph's height plus one
constexpr int kTextGap = 4;         // between glyph and text

// The absolute form of a path; "d:" gives the process's directory on record for drive d.
std::string FullPath(const std::string& path)
{
    const std::wstring wide = Widen(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return std::string();
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return std::string();
    full.resize(length);
    std::string narrow;
    // Not held exactly, it would name another directory.
    if (!NarrowExact(full, narrow)) return std::string();
    return core::DirectoryForm(narrow);
}

// A name that is not exact would open another directory (a for â), or none.
bool Listable(const DirectoryEntries& entry)
{
    if (!entry.IsDirectory() || !entry.NameIsExact()) return false;
    return !(entry.Attributes() & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

// The visible subdirectories of dir in the user's collation; false when dir
// cannot be entered (gone, no medium, not a directory, access refused).
bool ReadSubdirectories(const std::string& dir, std::vector<std::string>& names)
{
    names.clear();
    DWORD attributes = GetFileAttributesW(ExactWidePath(dir).c_str());
    bool entered = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (entered) {
        DirectoryEntries entries(core::WithTrailingBackslash(dir) + "*.*");
        if (!entries.IsOpen()) {
            // An empty drive root has no "." entry, so nothing is found there.
            entered = entries.Error() == ERROR_FILE_NOT_FOUND;
        } else {
            core::NameList found;
            std::string key;
            while (entries.Next()) {
                if (!Listable(entries)) continue;
                IgnoreCaseSortKey(entries.WideName(), key);
                found.Add(entries.Name(), key);
            }
            found.Sort();
            names.reserve(found.Size());
            for (size_t i = 0; i < found.Size(); ++i) names.emplace_back(found[i]);
        }
    }
    return entered;
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(TComponent* owner)
    : TCustomListBox(owner), glyphs_{RES_OPENFOLDER, RES_CURRENTFOLDER, RES_CLOSEDFOLDER}
{
    ownItems_ = true;
    directory_ = ReadStartDirectory();
    ReadVolumeFlags();
}

TDirectoryListBox::~TDirectoryListBox()
{
    DestroyHandle();
}

void TDirectoryListBox::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    params.className = "TDirectoryListBox";
}

void TDirectoryListBox::HandleCreated()
{
    itemHeight_ = std::max({itemHeight_, FontItemHeight(), Scale(kMinItemHeight)});
    TCustomListBox::HandleCreated();
    std::vector<std::string> subdirectories;
    ReadSubdirectories(directory_, subdirectories);
    BuildList(subdirectories);
}

void TDirectoryListBox::ReadVolumeFlags()
{
    std::string root = core::WithTrailingBackslash(core::DriveDesignator(directory_));
    DWORD flags = 0;
    BOOL known = GetVolumeInformationW(Widen(root).c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0);
    // A volume that cannot be asked is taken to keep the names as they are.
    caseSensitive_ = known && (flags & FS_CASE_SENSITIVE);
    lowerCaseNames_ = known && !(flags & (FS_CASE_SENSITIVE | FS_CASE_IS_PRESERVED));
}

std::string TDirectoryListBox::OwnItemText(int index) const
{
    return items_[static_cast<size_t>(index)].text;
}

bool TDirectoryListBox::SamePath(const std::string& a, const std::string& b) const
{
    if (caseSensitive_) return a == b;
    return CompareIgnoreCase(a, b) == CSTR_EQUAL;
}

void TDirectoryListBox::BuildList(const std::vector<std::string>& subdirectories)
{
    items_ = core::BuildDirectoryItems(directory_, subdirectories);
    if (!HandleAllocated()) return;
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    SetItemCount(static_cast<int>(items_.size()));
    int current = -1;
    for (size_t i = 0; i < items_.size() && current < 0; ++i) {
        if (items_[i].glyph == core::FolderGlyph::CurrentFolder) current = static_cast<int>(i);
    }
    SetItemIndex(current);
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

void TDirectoryListBox::SetDirectory(const std::string& directory)
{
    if (directory.empty() || SamePath(directory, directory_)) return;
    std::string full = FullPath(directory);
    if (!full.empty() && SamePath(full, directory_)) return;
    // Another drive needs no separate move: the full path names its drive.
    std::vector<std::string> subdirectories;
    if (!full.empty() && ReadSubdirectories(full, subdirectories)) {
        MakeCurrent(full, subdirectories);
    } else {
        // Refused: the list stays on its directory, shown as it is now.
        ReadSubdirectories(directory_, subdirectories);
        BuildList(subdirectories);
    }
    Fire(OnChange, this);
}

void TDirectoryListBox::MakeCurrent(const std::string& full, const std::vector<std::string>& subdirectories)
{
    directory_ = full;
    ReadVolumeFlags();
    BuildList(subdirectories);
    UpdateLabel();
}

bool TDirectoryListBox::Reread()
{
    std::vector<std::string> subdirectories;
    if (ReadSubdirectories(directory_, subdirectories)) {
        BuildList(subdirectories);
        return false;
    }
    // Deleted or closed by another program since: the items before the
    // current one are the directories above it, nearest last.
    const auto current = std::find_if(items_.begin(), items_.end(), [](const core::DirectoryItem& item) {
        return item.glyph == core::FolderGlyph::CurrentFolder;
    });
    std::size_t above = current == items_.end() ? 0 : static_cast<std::size_t>(current - items_.begin());
    while (above-- > 0) {
        const std::string directory = core::DirectoryOfItem(directory_, items_, above);
        if (ReadSubdirectories(directory, subdirectories)) {
            MakeCurrent(directory, subdirectories);
            Fire(OnChange, this);
            return true;
        }
    }
    // Nothing above can be read either (a drive gone): the list stays.
    BuildList(subdirectories);
    return false;
}

void TDirectoryListBox::SetDrive(char letter)
{
    char drive = core::DriveLetterOf(std::string(1, letter) + ":");
    if (!drive || drive == core::DriveLetterOf(directory_)) return;
    std::string target = FullPath(std::string(1, drive) + ":");
    if (target.empty()) target = std::string(1, drive) + ":\\";
    SetDirectory(target);
}

void TDirectoryListBox::OpenCurrent()
{
    int index = ItemIndex();
    if (index < 0) return;
    SetDirectory(core::DirectoryOfItem(directory_, items_, static_cast<size_t>(index)));
}

void TDirectoryListBox::DoubleClicked()
{
    OpenCurrent();
}

void TDirectoryListBox::SetDirLabel(TLabel* label)
{
    dirLabel_ = label;
    UpdateLabel();
}

void TDirectoryListBox::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::Remove && component == dirLabel_) dirLabel_ = nullptr;
    TCustomListBox::Notification(component, operation);
}

void TDirectoryListBox::UpdateLabel()
{
    if (!dirLabel_) return;
    // A label that sizes itself to its text would never limit it: the list's width does.
    int width = dirLabel_->AutoSize() ? width_ : dirLabel_->Width();
    TCanvas canvas;
    canvas.Font().Assign(dirLabel_->Parent() ? dirLabel_->Parent()->Font() : dirLabel_->Canvas().Font());
    labelWidth_ = width_;
    dirLabel_->SetCaption(
        core::MinimizeName(directory_, width, [&canvas](const std::string& text) { return canvas.TextWidth(text); }));
}

// The label is fitted to the list's width, which the layout may set after the label is attached.
void TDirectoryListBox::BoundsChanged()
{
    TCustomListBox::BoundsChanged();
    if (dirLabel_ && width_ != labelWidth_) UpdateLabel();
}

void TDirectoryListBox::DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool)
{
    HBRUSH brush = CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    const core::DirectoryItem& item = items_[static_cast<size_t>(index)];

    HBITMAP glyph = glyphs_.At(static_cast<int>(item.glyph));
    SIZE glyphSize = glyph ? BitmapSize(glyph) : SIZE{Scale(16), Scale(15)};
    const int glyphLeft = Scale(item.glyphLeft);
    if (glyph) {
        int top = rect.top + (rect.bottom - rect.top - glyphSize.cy) / 2;
        DrawTransparentBitmap(dc, glyph, rect.left + glyphLeft, top);
    }
    std::string text = lowerCaseNames_ ? core::LowerCasePath(item.text) : item.text;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring wide = Widen(text);
    TextOutW(dc, rect.left + glyphLeft + glyphSize.cx + Scale(kTextGap), rect.top, wide.c_str(),
             static_cast<int>(wide.size()));
}

LRESULT TDirectoryListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: return OnGetDlgCode(wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            OpenCurrent();
            return 0;
        }
        break;
    default: break;
    }
    return TCustomListBox::WndProc(message, wParam, lParam);
}

// Enter opens the highlighted directory instead of going to the form's default button.
LRESULT TDirectoryListBox::OnGetDlgCode(WPARAM wParam, LPARAM lParam)
{
    LRESULT code = DefaultHandler(WM_GETDLGCODE, wParam, lParam);
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
}
