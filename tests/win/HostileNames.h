// Names only the Linux side can make, each a way for a name to stop
// addressing its own entry: the ANSI listing would give â.txt as a.txt (the
// file beside it), ô.txt as o.txt and dâ as da (no entry); the platform's
// clean-up drops a trailing dot or space, which the long form keeps; a
// backslash is a separator; README and ReadMe are two files.
#pragma once

#include "LinuxShell.h"

#include <algorithm>
#include <string>
#include <vector>

struct HostileName {
    const char* name;
    bool folder;  // made with a file inner.txt in it
    bool exact;   // names its entry and no other: listed and handed on
};

inline const HostileName kHostileNames[] = {
    {"a.txt", false, true},       {"ô.txt", false, true},     {"â.txt", false, true},  {"café.txt", false, true},
    {"中.txt", false, true},      {"dot.", false, true},      {"space ", false, true}, {"README", false, true},
    {"ReadMe", false, true},      {"b\\c.txt", false, false}, {"dâ", true, true},      {"dir ", true, true},
    {"back\\slash", true, false},
};

// Makes every entry of kHostileNames in folder.
inline bool MakeHostileNames(const std::string& folder)
{
    std::string command = "true";
    for (const HostileName& entry : kHostileNames) {
        const std::string quoted = std::string("'") + entry.name + "'";
        command += entry.folder ? " && mkdir " + quoted + " && touch " + quoted + "/inner.txt" : " && touch " + quoted;
    }
    return RunLinuxShell(folder, command);
}

// The exact names of folders (or of files) among kHostileNames, sorted.
inline std::vector<std::string> ExactHostileNames(bool folders)
{
    std::vector<std::string> names;
    for (const HostileName& entry : kHostileNames) {
        if (entry.exact && entry.folder == folders) names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}
