// Which file or folder a handle or a path stands for, whatever links led
// there: its volume and its number on that volume.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

struct FileId {
    // The 128-bit id and 64-bit volume serial where the file system gives
    // them: the 64-bit index is not unique on ReFS. Otherwise (Windows 7, or a
    // file system that refuses) the index and the 32-bit serial. An id of one
    // kind never equals one of the other.
    bool full = false;
    std::uint64_t volume = 0;
    std::array<BYTE, 16> number{};

    bool operator==(const FileId& other) const
    {
        return full == other.full && volume == other.volume && number == other.number;
    }
    bool operator<(const FileId& other) const
    {
        if (full != other.full) return full < other.full;
        if (volume != other.volume) return volume < other.volume;
        return number < other.number;
    }
};

bool ReadFileId(HANDLE file, FileId& id);
// Opens path for its attributes only, with full sharing, so that nothing is
// locked meanwhile; links on the way and at its end are followed.
bool ReadFileId(const std::string& path, FileId& id);
