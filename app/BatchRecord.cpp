#include "app/BatchRecord.h"

#include "app/CaseOnlyRename.h"
#include "core/CaseMapping.h"
#include "core/DirectoryPath.h"
#include "platform/RenamableFile.h"
#include "platform/ScopedHandle.h"
#include "platform/SystemErrorText.h"

#include <algorithm>

namespace {

constexpr char kReplaced[] = "文件在更改之后又被改名或替换，没有撤销";

bool Fail(const std::string& path, const std::string& reason, core::FileFailure& failure)
{
    failure.path = path;
    failure.reason = reason;
    return false;
}

}  // namespace

bool ReadFileIdentity(const std::string& path, FileIdentity& identity)
{
    // The attributes without opening the file: several times cheaper under
    // Wine than a handle, which the batch would pay for every file.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    identity = FileIdentity{data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow, data.ftCreationTime,
                            data.ftLastWriteTime};
    return true;
}

void BatchRecord::BeginChange()
{
    if (!replaceOnNextChange_) return;
    replaceOnNextChange_ = false;
    renames_.clear();
    times_.clear();
}

BatchRecord::Rename::Rename(const std::string& oldPath, const std::string& newPath)
{
    std::size_t shared = 0;
    while (shared < oldPath.size() && shared < newPath.size() && oldPath[shared] == newPath[shared]) ++shared;
    // Not inside a double-byte character: the name's own part starts at a name.
    shared = std::min(shared, core::NameStart(newPath));
    const std::size_t tail = oldPath.size() + 1;
    paths_.reset(new char[tail + newPath.size() - shared + 1]);
    std::copy(oldPath.begin(), oldPath.end(), paths_.get());
    paths_[oldPath.size()] = '\0';
    std::copy(newPath.begin() + shared, newPath.end(), paths_.get() + tail);
    paths_[tail + newPath.size() - shared] = '\0';
    shared_ = static_cast<std::uint32_t>(shared);
    tail_ = static_cast<std::uint32_t>(tail);
}

std::string BatchRecord::Rename::NewPath() const
{
    return std::string(paths_.get(), shared_) + (paths_.get() + tail_);
}

void BatchRecord::AddRename(const std::string& oldPath, const std::string& newPath)
{
    BeginChange();
    renames_.emplace_back(oldPath, newPath);
    ReadFileIdentity(newPath, renames_.back().identity);
}

void BatchRecord::AddTimes(const std::string& path, const FILETIME& creation, const FILETIME& lastAccess,
                           const FILETIME& lastWrite)
{
    BeginChange();
    times_.push_back(Times{path, creation, lastAccess, lastWrite});
}

std::vector<core::FileFailure> BatchRecord::Undo(const BatchProgress& progress)
{
    std::vector<core::FileFailure> failures;
    progress.Start(static_cast<int>(Count()));
    int done = 0;
    // Each change leaves the record as it is tried, so a stop keeps the rest
    // for the next undo.
    while (!renames_.empty() && !progress.Stopped()) {
        core::FileFailure failure;
        if (UndoRename(renames_.back(), failure)) {
            progress.Renamed(renames_.back().NewPath(), renames_.back().OldPath());
        } else {
            failures.push_back(std::move(failure));
        }
        renames_.pop_back();
        progress.Advance(++done);
    }
    while (!times_.empty() && !progress.Stopped()) {
        core::FileFailure failure;
        if (!UndoTimes(times_.back(), failure)) failures.push_back(std::move(failure));
        times_.pop_back();
        progress.Advance(++done);
    }
    return failures;
}

bool BatchRecord::UndoRename(const Rename& rename, core::FileFailure& failure)
{
    const std::string oldPath = rename.OldPath(), newPath = rename.NewPath();
    FileIdentity now;
    if (!ReadFileIdentity(newPath, now)) return Fail(newPath, SystemErrorText(GetLastError()), failure);
    if (!(now == rename.identity)) return Fail(newPath, kReplaced, failure);
    const std::size_t nameStart = core::NameStart(newPath);
    if (core::DiffersOnlyInCase(newPath, oldPath) && core::NameStart(oldPath) == nameStart) {
        CaseOnlyRename caseOnly;
        return caseOnly.Rename(newPath.substr(0, nameStart), newPath.substr(nameStart), oldPath.substr(nameStart),
                               failure);
    }
    // The rename never replaces a file: a taken old name makes it fail.
    RenamableFile file(newPath);
    if (!file.IsOpen()) return Fail(newPath, SystemErrorText(file.Error()), failure);
    if (!file.MoveTo(oldPath)) return Fail(newPath, SystemErrorText(GetLastError()), failure);
    return true;
}

bool BatchRecord::UndoTimes(const Times& times, core::FileFailure& failure)
{
    ScopedHandle file(
        CreateFileA(times.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
        CloseHandle);
    if (!file.IsOpen() || !SetFileTime(file.Get(), &times.creation, &times.lastAccess, &times.lastWrite))
        return Fail(times.path, SystemErrorText(GetLastError()), failure);
    return true;
}
