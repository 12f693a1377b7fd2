#include "app/BatchRecord.h"

#include "app/CaseOnlyRename.h"
#include "toolkit/SystemErrorText.h"
#include "core/CaseMapping.h"
#include "core/CodePage.h"
#include "toolkit/Object.h"
#include "toolkit/ScopedHandle.h"

namespace {

constexpr char kReplaced[] = "文件在更改之后又被改名或替换，没有撤销";

std::size_t NameStart(const std::string& path)
{
    std::size_t slash = core::CodePage::System().FindLastBackslash(path);
    return slash == std::string::npos ? 0 : slash + 1;
}

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
    identity.attributes = data.dwFileAttributes;
    identity.sizeHigh = data.nFileSizeHigh;
    identity.sizeLow = data.nFileSizeLow;
    identity.creation = data.ftCreationTime;
    identity.lastWrite = data.ftLastWriteTime;
    return true;
}

void BatchRecord::Clear()
{
    renames_.clear();
    times_.clear();
}

void BatchRecord::AddRename(const std::string& oldPath, const std::string& newPath)
{
    Rename rename{oldPath, newPath, {}, false};
    rename.known = ReadFileIdentity(newPath, rename.identity);
    renames_.push_back(std::move(rename));
}

void BatchRecord::AddTimes(const std::string& path, const FILETIME& creation, const FILETIME& lastAccess,
                           const FILETIME& lastWrite)
{
    times_.push_back(Times{path, creation, lastAccess, lastWrite});
}

std::vector<core::FileFailure> BatchRecord::Undo(const BatchProgress& progress)
{
    std::vector<core::FileFailure> failures;
    const int count = static_cast<int>(Count());
    Fire(progress.start, count);
    int done = 0;
    for (auto rename = renames_.rbegin(); rename != renames_.rend(); ++rename) {
        core::FileFailure failure;
        if (!UndoRename(*rename, failure)) failures.push_back(std::move(failure));
        Fire(progress.advance, ++done);
    }
    for (auto times = times_.rbegin(); times != times_.rend(); ++times) {
        core::FileFailure failure;
        if (!UndoTimes(*times, failure)) failures.push_back(std::move(failure));
        Fire(progress.advance, ++done);
    }
    Clear();
    return failures;
}

bool BatchRecord::UndoRename(const Rename& rename, core::FileFailure& failure)
{
    FileIdentity now;
    if (!ReadFileIdentity(rename.newPath, now)) return Fail(rename.newPath, SystemErrorText(GetLastError()), failure);
    if (!rename.known || !(now == rename.identity)) return Fail(rename.newPath, kReplaced, failure);
    const std::size_t nameStart = NameStart(rename.newPath);
    if (core::DiffersOnlyInCase(rename.newPath, rename.oldPath) && NameStart(rename.oldPath) == nameStart) {
        CaseOnlyRename caseOnly;
        return caseOnly.Rename(rename.newPath.substr(0, nameStart), rename.newPath.substr(nameStart),
                               rename.oldPath.substr(nameStart), failure);
    }
    // The rename never replaces a file: a taken old name makes it fail.
    if (!MoveFileA(rename.newPath.c_str(), rename.oldPath.c_str()))
        return Fail(rename.newPath, SystemErrorText(GetLastError()), failure);
    return true;
}

bool BatchRecord::UndoTimes(const Times& times, core::FileFailure& failure)
{
    ScopedHandle file(CreateFileA(times.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
                      CloseHandle);
    if (!file.IsOpen() || !SetFileTime(file.Get(), &times.creation, &times.lastAccess, &times.lastWrite))
        return Fail(times.path, SystemErrorText(GetLastError()), failure);
    return true;
}
