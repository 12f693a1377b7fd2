#include "app/BatchRecord.h"

#include "app/CaseOnlyRename.h"
#include "app/FileTimeCalls.h"
#include "core/CaseMapping.h"
#include "core/DirectoryPath.h"
#include "platform/LongPath.h"
#include "platform/RenamableFile.h"
#include "platform/ScopedHandle.h"
#include "platform/SystemErrorText.h"

#include <algorithm>

namespace {

constexpr char kReplaced[] = "文件在更改之后又被改名或替换，没有撤销";
constexpr char kChangedSince[] = "批处理之后已被改动，没有恢复";

}  // namespace

bool ReadFileIdentity(const std::string& path, FileIdentity& identity)
{
    // The attributes without opening the file: several times cheaper under
    // Wine than a handle, which the batch would pay for every file. The exact
    // form keeps "a.txt " from being read as "a.txt".
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(ExactWidePath(path).c_str(), GetFileExInfoStandard, &data)) return false;
    identity = FileIdentity{data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow, data.ftCreationTime,
                            data.ftLastWriteTime};
    return true;
}

FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& information)
{
    return FileIdentity{information.dwFileAttributes, information.nFileSizeHigh, information.nFileSizeLow,
                        information.ftCreationTime, information.ftLastWriteTime};
}

void BatchRecord::BeginChange()
{
    if (!replaceOnNextChange_) return;
    replaceOnNextChange_ = false;
    renames_.clear();
    times_.clear();
    blocks_.clear();
    blockFree_ = 0;
}

char* BatchRecord::PathRoom(std::size_t size)
{
    constexpr std::size_t kBlock = 64 * 1024;
    if (size > blockFree_) {
        blockFree_ = std::max(kBlock, size);
        blocks_.emplace_back(new char[blockFree_]);
        next_ = blocks_.back().get();
    }
    char* room = next_;
    next_ += size;
    blockFree_ -= size;
    return room;
}

std::size_t BatchRecord::Rename::Shared(const std::string& oldPath, const std::string& newPath)
{
    std::size_t shared = 0;
    while (shared < oldPath.size() && shared < newPath.size() && oldPath[shared] == newPath[shared]) ++shared;
    // Not inside a multi-byte character: the name's own part starts at a name.
    return std::min(shared, core::NameStart(newPath));
}

std::size_t BatchRecord::Rename::Room(const std::string& oldPath, const std::string& newPath, std::size_t shared)
{
    return oldPath.size() + 1 + newPath.size() - shared + 1;
}

BatchRecord::Rename::Rename(char* room, const std::string& oldPath, const std::string& newPath, std::size_t shared)
    : paths_(room), shared_(static_cast<std::uint32_t>(shared)), tail_(static_cast<std::uint32_t>(oldPath.size() + 1))
{
    std::copy(oldPath.begin(), oldPath.end(), room);
    room[oldPath.size()] = '\0';
    std::copy(newPath.begin() + shared, newPath.end(), room + tail_);
    room[tail_ + newPath.size() - shared] = '\0';
}

std::string BatchRecord::Rename::NewPath() const
{
    return std::string(paths_, shared_) + (paths_ + tail_);
}

void BatchRecord::AddRename(const std::string& oldPath, const std::string& newPath)
{
    BeginChange();
    const std::size_t shared = Rename::Shared(oldPath, newPath);
    renames_.emplace_back(PathRoom(Rename::Room(oldPath, newPath, shared)), oldPath, newPath, shared);
    ReadFileIdentity(newPath, renames_.back().identity);
}

void BatchRecord::AddTimes(const std::string& path, const BY_HANDLE_FILE_INFORMATION& before,
                           const BY_HANDLE_FILE_INFORMATION& after)
{
    BeginChange();
    times_.push_back(
        Times{path, before.ftCreationTime, before.ftLastAccessTime, before.ftLastWriteTime, IdentityOf(after)});
}

BatchResult BatchRecord::Undo(const BatchProgress& progress)
{
    BatchResult result;
    result.of = core::ReportOf::Undo;
    progress.Start(static_cast<int>(Count()));
    // One for the whole undo, so that each folder is listed once.
    CaseOnlyRename caseOnly;
    auto step = [&](bool undone, bool changed, core::FileFailure& failure) {
        if (!undone) result.failures.push_back(std::move(failure));
        if (undone && changed) ++result.changed;
        progress.Advance(static_cast<int>(++result.tried));
    };
    // Each change leaves the record as it is tried, so a stop keeps the rest
    // for the next undo.
    while (!renames_.empty() && !progress.Stopped()) {
        core::FileFailure failure;
        bool changed = false;
        const bool undone = UndoRename(renames_.back(), caseOnly, failure, changed);
        if (undone) progress.Renamed(renames_.back().NewPath(), renames_.back().OldPath());
        renames_.pop_back();
        step(undone, changed, failure);
    }
    if (renames_.empty()) {
        blocks_.clear();
        blockFree_ = 0;
    }
    while (!times_.empty() && !progress.Stopped()) {
        core::FileFailure failure;
        const bool undone = UndoTimes(times_.back(), failure);
        times_.pop_back();
        step(undone, true, failure);
    }
    return result;
}

bool BatchRecord::UndoRename(const Rename& rename, CaseOnlyRename& caseOnly, core::FileFailure& failure, bool& changed)
{
    const std::string oldPath = rename.OldPath(), newPath = rename.NewPath();
    FileIdentity now;
    if (!ReadFileIdentity(newPath, now)) return Fail(newPath, SystemErrorText(GetLastError()), failure);
    if (!(now == rename.identity)) return Fail(newPath, kReplaced, failure);
    const std::size_t nameStart = core::NameStart(newPath);
    if (core::DiffersOnlyInCase(newPath, oldPath) && core::NameStart(oldPath) == nameStart) {
        return caseOnly.Rename(newPath.substr(0, nameStart), newPath.substr(nameStart), oldPath.substr(nameStart),
                               failure, &changed);
    }
    // The rename never replaces a file: a taken old name makes it fail.
    RenamableFile file(newPath);
    if (!file.IsOpen()) return Fail(newPath, SystemErrorText(file.Error()), failure);
    if (!file.MoveTo(oldPath)) return Fail(newPath, SystemErrorText(GetLastError()), failure);
    changed = true;
    return true;
}

bool BatchRecord::UndoTimes(const Times& times, core::FileFailure& failure)
{
    // The entry the batch set, read through the handle that puts its times back.
    const FileTimeCalls& calls = CallTable<FileTimeCalls>::Current();
    ScopedHandle file(calls.OpenEntry(ExactWidePath(times.path)), calls.closeHandle);
    BY_HANDLE_FILE_INFORMATION now;
    if (!file.IsOpen() || !calls.getFileInformationByHandle(file.Get(), &now))
        return Fail(times.path, SystemErrorText(GetLastError()), failure);
    // Saved or replaced since, the file keeps the times it has now.
    if (!(IdentityOf(now) == times.identity)) return Fail(times.path, kChangedSince, failure);
    if (!calls.setFileTime(file.Get(), &times.creation, &times.lastAccess, &times.lastWrite))
        return Fail(times.path, SystemErrorText(GetLastError()), failure);
    return true;
}
