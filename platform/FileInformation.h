// What GetFileInformationByHandle tells of a path: its volume, file number,
// size and times.
#pragma once

#include <windows.h>

#include <string>

// Opens path for its attributes only, with full sharing, so that nothing is locked
// meanwhile; flags are added to backup semantics, which opens folders too.
bool ReadFileInformation(const std::string& path, DWORD flags, BY_HANDLE_FILE_INFORMATION& info);
