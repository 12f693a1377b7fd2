#include "core/DriveItems.h"

#include "core/CaseMapping.h"

namespace core {

std::string DriveItemText(const DriveInfo& drive, DriveTextCase textCase)
{
    auto applyCase = [&](const std::string& text) {
        return textCase == DriveTextCase::Lower ? LowerCasePath(text) : UpperCasePath(text);
    };
    std::string letter = applyCase(std::string(1, drive.letter));
    if (drive.kind == DriveKind::Removable) return letter + ":";
    if (drive.kind == DriveKind::Remote && !drive.remoteName.empty())
        return letter + ": " + applyCase(drive.remoteName);
    return letter + ": [" + applyCase(drive.volumeLabel) + "]";
}

DriveGlyph DriveItemGlyph(DriveKind kind)
{
    switch (kind) {
    case DriveKind::Removable: return DriveGlyph::Floppy;
    case DriveKind::Fixed: return DriveGlyph::Hard;
    case DriveKind::Remote: return DriveGlyph::Network;
    case DriveKind::CdRom: return DriveGlyph::CdRom;
    case DriveKind::RamDisk: return DriveGlyph::Ram;
    case DriveKind::Other: break;
    }
    return DriveGlyph::None;
}

}  // namespace core
