// A tree of empty files and folders made below a temporary folder in one call.
#pragma once

#include "tests/ui/driver/TempDir.h"

#include <initializer_list>
#include <string>

// Makes each entry with the folders on its way: a folder where the name ends
// in a backslash, otherwise an empty file. False when any of them failed.
inline bool MakeTree(const TempDir& temp, std::initializer_list<std::string> entries)
{
    bool made = true;
    for (const std::string& entry : entries) {
        const size_t slash = entry.rfind('\\');
        if (slash != std::string::npos) made = !temp.Create(entry.substr(0, slash)).empty() && made;
        if (slash + 1 != entry.size()) made = !temp.WriteFile(entry).empty() && made;
    }
    return made;
}
