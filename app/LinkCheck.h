// Whether a name in a folder is that entry itself or a link the platform
// would follow. Under Wine a Linux file link is not reported as one, and
// renaming it renames the file it points to and drops the link.
#pragma once

#include <string>

class LinkCheck {
public:
    // True when folder + name (folder ends with its separator) resolves to
    // the same place as the path itself, or cannot be opened to tell.
    bool NamesItself(const std::string& folder, const std::string& name);

private:
    std::string folder_;            // the folder last asked about
    std::wstring folderFinalPath_;  // where it resolves to, empty if unknown
};
