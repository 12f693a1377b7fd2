#pragma once

#include <string>

namespace core {

enum class DriveKind { Removable, Fixed, Remote, CdRom, RamDisk, Other };
enum class DriveGlyph { None, Floppy, Hard, Network, CdRom, Ram };
enum class DriveTextCase { Lower, Upper };

struct DriveInfo {
    char letter = 'c';
    DriveKind kind = DriveKind::Fixed;
    std::string volumeLabel;  // empty when the volume could not be queried
    std::string remoteName;   // empty when it could not be obtained
};

// The selector's text for a drive, e.g. "c: [system]", "a:", "x: \\server\share".
// Label and remote name follow the letter's case in their ASCII letters.
std::string DriveItemText(const DriveInfo& drive, DriveTextCase textCase);

// DriveGlyph::None for DriveKind::Other, which gets no item.
DriveGlyph DriveItemGlyph(DriveKind kind);

}  // namespace core
