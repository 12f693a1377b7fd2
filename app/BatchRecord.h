// What the last batch changed, kept in memory so that it can be taken back:
// for a rename the old and the new path and which file it was, for the time
// command the three times each file had before.
#pragma once

#include "app/BatchProgress.h"
#include "core/FailureReport.h"

#include <windows.h>

#include <string>
#include <vector>

// Which file a path holds, as far as its attributes tell: its kind, size,
// creation and last-write time. A file changed or replaced since the batch
// differs in one of them and is not taken for the same.
struct FileIdentity {
    DWORD attributes = 0;
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
    FILETIME creation{};
    FILETIME lastWrite{};

    bool operator==(const FileIdentity& other) const
    {
        return attributes == other.attributes && sizeHigh == other.sizeHigh && sizeLow == other.sizeLow &&
               CompareFileTime(&creation, &other.creation) == 0 && CompareFileTime(&lastWrite, &other.lastWrite) == 0;
    }
};

// False when the path cannot be read.
bool ReadFileIdentity(const std::string& path, FileIdentity& identity);

class BatchRecord {
public:
    void Clear();
    bool Empty() const { return renames_.empty() && times_.empty(); }
    std::size_t Count() const { return renames_.size() + times_.size(); }

    // A file now named newPath that was oldPath before.
    void AddRename(const std::string& oldPath, const std::string& newPath);
    // The times a file had before the batch changed them.
    void AddTimes(const std::string& path, const FILETIME& creation, const FILETIME& lastAccess,
                  const FILETIME& lastWrite);

    // Puts every change back, newest first, by the progress protocol. A name
    // is given back only when the file still has the new name and the old
    // one is free; what could not be put back is listed. A stop leaves the
    // changes not yet tried in the record; otherwise it is empty afterwards.
    std::vector<core::FileFailure> Undo(const BatchProgress& progress);

private:
    struct Rename {
        std::string oldPath;
        std::string newPath;
        FileIdentity identity;
        bool known;  // whether the identity could be read
    };
    struct Times {
        std::string path;
        FILETIME creation;
        FILETIME lastAccess;
        FILETIME lastWrite;
    };

    bool UndoRename(const Rename& rename, core::FileFailure& failure);
    bool UndoTimes(const Times& times, core::FileFailure& failure);

    std::vector<Rename> renames_;
    std::vector<Times> times_;
};
