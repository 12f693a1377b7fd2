// Renames a file to a name that differs from its own only in letter case.
// Some file systems (and Wine) report success for such a rename and keep the
// old name; where names are told apart by case, another file may already
// hold the new name in some other case. This never moves a file onto or
// away from a name it does not own.
#pragma once

#include "core/FailureReport.h"
#include "platform/RenamableFile.h"

#include <string>
#include <unordered_map>

class CaseOnlyRename {
public:
    // folder ends with its separator; oldName and newName differ only in case.
    // changed tells whether the name on disk changed (it may have been the new one already).
    // file, when given, is the file already opened for the rename.
    bool Rename(const std::string& folder, const std::string& oldName, const std::string& newName,
                core::FileFailure& failure, bool* changed = nullptr, RenamableFile* file = nullptr);

private:
    struct Entry {
        std::wstring name;  // as on disk
        int sameKey = 0;    // entries whose names differ from this one only in case
    };

    void ReadFolder(const std::string& folder);
    // The file goes to a free name that begins with its own, onDisk, then to finalPath.
    bool MoveThroughTemporary(RenamableFile& file, const std::string& folder, const std::string& onDisk,
                              const std::string& finalPath, core::FileFailure& failure) const;

    // The folder whose names were read last, by their case-folded form.
    std::string listedFolder_;
    std::unordered_map<std::wstring, Entry> listing_;
    // The folder where a case-only rename was last seen to change nothing:
    // its other files go straight through a temporary name.
    std::string caseBlindFolder_;
};
