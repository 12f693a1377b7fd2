#include "browser/DriveComboBox.h"

#include "browser/WorkingDirectory.h"
#include "platform/WideText.h"

#include "resources/resource.h"

#include <winnetwk.h>

#include <algorithm>
#include <cctype>

namespace {

constexpr int kGlyphLeft = 2;
constexpr int kTextGap = 6;  // from the glyph's left edge past its width
constexpr int kMinItemHeight = 11;

char LowerLetter(char letter)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

core::DriveKind KindOf(UINT driveType)
{
    switch (driveType) {
    case DRIVE_REMOVABLE: return core::DriveKind::Removable;
    case DRIVE_FIXED: return core::DriveKind::Fixed;
    case DRIVE_REMOTE: return core::DriveKind::Remote;
    case DRIVE_CDROM: return core::DriveKind::CdRom;
    case DRIVE_RAMDISK: return core::DriveKind::RamDisk;
    default: return core::DriveKind::Other;
    }
}

std::string VolumeLabel(const std::string& root)
{
    wchar_t label[MAX_PATH + 1] = {};
    BOOL ok = GetVolumeInformationW(Widen(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    return ok ? Narrow(label) : std::string();
}

std::string RemoteName(char letter)
{
    const wchar_t local[3] = {static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(letter))), L':', L'\0'};
    DWORD size = MAX_PATH + 1;
    std::wstring remote(size, L'\0');
    DWORD result = WNetGetConnectionW(local, &remote[0], &size);
    // A longer share name: size now holds what it needs.
    if (result == ERROR_MORE_DATA) {
        remote.assign(size, L'\0');
        result = WNetGetConnectionW(local, &remote[0], &size);
    }
    if (result != NO_ERROR) return std::string();
    return Narrow(remote.c_str());
}

}  // namespace

TDriveComboBox::TDriveComboBox(TComponent* owner)
    : TCustomComboBox(owner), glyphs_{RES_FLOPPY, RES_HARD, RES_NETWORK, RES_CDROM, RES_RAM}
{
    const std::string directory = ReadStartDirectory();
    // A network path (\\server\share) has no drive.
    if (!directory.empty() && directory[0] != '\\') drive_ = LowerLetter(directory[0]);
}

TDriveComboBox::~TDriveComboBox()
{
    DestroyHandle();
}

void TDriveComboBox::CreateParams(TCreateParams& params)
{
    TCustomComboBox::CreateParams(params);
    params.className = "TDriveComboBox";
}

void TDriveComboBox::HandleCreated()
{
    itemHeight_ = std::max(FontItemHeight(), Scale(kMinItemHeight));
    TCustomComboBox::HandleCreated();
    BuildList();
    // The start drive is shown without a change notice: nothing has changed yet.
    SelectDriveItem();
}

void TDriveComboBox::BuildList()
{
    Clear();
    itemGlyphs_.clear();
    DWORD present = GetLogicalDrives();
    core::DriveTextCase textCase =
        textCase_ == TTextCase::LowerCase ? core::DriveTextCase::Lower : core::DriveTextCase::Upper;
    for (int bit = 0; bit < 26; ++bit) {
        if (!(present & (1u << bit))) continue;
        core::DriveInfo drive;
        drive.letter = static_cast<char>('a' + bit);
        std::string root = std::string(1, drive.letter) + ":\\";
        drive.kind = KindOf(GetDriveTypeW(Widen(root).c_str()));
        core::DriveGlyph glyph = core::DriveItemGlyph(drive.kind);
        if (glyph == core::DriveGlyph::None) continue;
        // Removable media are never touched.
        if (drive.kind == core::DriveKind::Remote) drive.remoteName = RemoteName(drive.letter);
        if (drive.kind != core::DriveKind::Removable && drive.remoteName.empty()) drive.volumeLabel = VolumeLabel(root);
        AddItem(core::DriveItemText(drive, textCase));
        itemGlyphs_.push_back(glyph);
    }
}

void TDriveComboBox::SelectDriveItem()
{
    int found = -1;
    for (int i = 0; i < Count() && found < 0; ++i) {
        std::string text = ItemText(i);
        if (text.size() >= 2 && text[1] == ':' && drive_ && LowerLetter(text[0]) == drive_) found = i;
    }
    SetItemIndex(found);
}

void TDriveComboBox::SetDrive(char letter)
{
    if (!letter) return;
    if (ItemIndex() >= 0 && LowerLetter(letter) == drive_) return;
    drive_ = LowerLetter(letter);
    if (HandleAllocated()) SelectDriveItem();
    Fire(OnChange, this);
}

// Every selection change, by mouse or by an arrow key, chooses a drive.
void TDriveComboBox::SelectionChanged()
{
    int index = ItemIndex();
    if (index < 0) return;
    std::string text = ItemText(index);
    if (!text.empty()) SetDrive(text[0]);
}

HBITMAP TDriveComboBox::GlyphOf(int index) const
{
    if (index < 0 || index >= static_cast<int>(itemGlyphs_.size())) return nullptr;
    int slot = static_cast<int>(itemGlyphs_[static_cast<size_t>(index)]) - static_cast<int>(core::DriveGlyph::Floppy);
    return glyphs_.At(slot);
}

void TDriveComboBox::DrawItem(int index, HDC dc, const RECT& rect, bool selected, bool)
{
    HBRUSH brush = CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);

    HBITMAP glyph = GlyphOf(index);
    SIZE glyphSize = glyph ? BitmapSize(glyph) : SIZE{0, 0};
    if (glyph) {
        int top = rect.top + (rect.bottom - rect.top - glyphSize.cy) / 2;
        DrawTransparentBitmap(dc, glyph, rect.left + Scale(kGlyphLeft), top);
    }
    std::string text = ItemText(index);
    RECT textRect = rect;
    textRect.left += glyphSize.cx + Scale(kTextGap);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring wide = Widen(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
