// Whether a name in a folder is that entry itself or a link the platform
// would follow. Under Wine a Linux file link is not reported as one, and
// renaming it renames the file it points to and drops the link.
#pragma once

#include <windows.h>

#include <string>

class LinkCheck {
public:
    // True when file, opened as folder + name (folder ends with its
    // separator), resolves to name inside the place the folder resolves to
    // (a folder reached through a directory link is its target), or when
    // that cannot be told.
    bool NamesItself(const std::string& folder, const std::string& name, HANDLE file);

private:
    std::string folder_;            // the folder last asked about
    std::wstring folderFinalPath_;  // where it resolves to, empty if unknown
};
