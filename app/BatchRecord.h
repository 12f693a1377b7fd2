// What the last batch changed, kept in memory so that it can be taken back:
// for a rename the old and the new path and which file it was, for the time
// command the three times each file had before and which file it was after.
#pragma once

#include "app/BatchProgress.h"
#include "app/BatchResult.h"
#include "core/FailureReport.h"

#include <windows.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class CaseOnlyRename;

// Which file a path holds, as far as its attributes tell: its kind, size,
// creation and last-write time. A file changed or replaced since the batch
// differs in one of them and is not taken for the same. Attributes of
// INVALID_FILE_ATTRIBUTES mean that the file could not be read: no file is
// taken for it.
struct FileIdentity {
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
    FILETIME creation{};
    FILETIME lastWrite{};

    bool operator==(const FileIdentity& other) const
    {
        return attributes != INVALID_FILE_ATTRIBUTES && attributes == other.attributes && sizeHigh == other.sizeHigh &&
               sizeLow == other.sizeLow && CompareFileTime(&creation, &other.creation) == 0 &&
               CompareFileTime(&lastWrite, &other.lastWrite) == 0;
    }
};

// False when the path cannot be read. The path is taken exactly as given.
bool ReadFileIdentity(const std::string& path, FileIdentity& identity);
// As an open handle tells it.
FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& information);

class BatchRecord {
public:
    // The next change recorded starts a new record. Until then this one
    // stays, so a command that changes no file leaves the last batch undoable.
    void ReplaceOnNextChange() { replaceOnNextChange_ = true; }
    bool Empty() const { return renames_.empty() && times_.empty(); }
    std::size_t Count() const { return renames_.size() + times_.size(); }

    // A file now named newPath that was oldPath before.
    void AddRename(const std::string& oldPath, const std::string& newPath);
    // A file whose times the batch changed: what it was before, and after.
    void AddTimes(const std::string& path, const BY_HANDLE_FILE_INFORMATION& before,
                  const BY_HANDLE_FILE_INFORMATION& after);

    // Puts every change back, newest first, by the progress protocol. A name
    // is given back only when the file still has the new name and the old
    // one is free, times only while the file is still as the batch left it;
    // what could not be put back is listed. A stop leaves the changes not
    // yet tried in the record; otherwise it is empty afterwards.
    BatchResult Undo(const BatchProgress& progress);

private:
    // Kept small, for batches of a hundred thousand files: both paths side
    // by side in the record's blocks, the new one as the part after what it
    // shares with the old.
    class Rename {
    public:
        // Bytes the new path shares with the old; then the room both take.
        static std::size_t Shared(const std::string& oldPath, const std::string& newPath);
        static std::size_t Room(const std::string& oldPath, const std::string& newPath, std::size_t shared);
        Rename(char* room, const std::string& oldPath, const std::string& newPath, std::size_t shared);
        std::string OldPath() const { return paths_; }
        std::string NewPath() const;

        FileIdentity identity;

    private:
        const char* paths_;     // old path, NUL, the new path's own part, NUL
        std::uint32_t shared_;  // bytes the new path shares with the old
        std::uint32_t tail_;    // where the new path's own part starts in paths_
    };
    struct Times {
        std::string path;
        FILETIME creation;
        FILETIME lastAccess;
        FILETIME lastWrite;
        FileIdentity identity;  // as the batch left the file
    };

    void BeginChange();
    // Room for size bytes of paths, in blocks of many: one allocation a file
    // would cost more than the paths themselves.
    char* PathRoom(std::size_t size);
    // changed tells whether the name on disk changed.
    static bool UndoRename(const Rename& rename, CaseOnlyRename& caseOnly, core::FileFailure& failure, bool& changed);
    static bool UndoTimes(const Times& times, core::FileFailure& failure);

    // Grown in blocks: no copy of the whole, and no twice the room, as it grows.
    std::deque<Rename> renames_;
    std::deque<Times> times_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = nullptr;       // where the last block's free bytes start
    std::size_t blockFree_ = 0;  // and how many there are
    bool replaceOnNextChange_ = false;
};
