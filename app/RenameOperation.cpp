#include "app/RenameOperation.h"

#include "core/CaseMapping.h"
#include "core/DirectoryPath.h"
#include "core/ExtensionMapping.h"
#include "platform/RenamableFile.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

namespace {

constexpr char kFollowedLink[] = "这是指向别处的链接，改名会改动它所指的文件，没有更改";

bool Fail(const std::string& path, DWORD error, core::FileFailure& failure)
{
    failure.path = path;
    failure.reason = SystemErrorText(error);
    return false;
}

}  // namespace

RenameOperation::RenameOperation(RenameKind kind, std::function<std::string()> extensionText)
    : kind_(kind), extensionText_(std::move(extensionText))
{
}

std::string RenameOperation::NewPath(const std::string& oldPath, const std::string& extension) const
{
    const std::size_t nameStart = core::NameStart(oldPath);
    const std::string folder = oldPath.substr(0, nameStart);
    switch (kind_) {
    case RenameKind::Extension: return core::ReplaceExtension(oldPath, extension);
    case RenameKind::LowerCase: return folder + core::LowerCasePath(oldPath.substr(nameStart));
    case RenameKind::UpperCase: return folder + core::UpperCasePath(oldPath.substr(nameStart));
    }
    return oldPath;
}

bool RenameOperation::Apply(const std::string& oldPath, core::FileFailure& failure, std::string* renamedTo)
{
    std::string extension;
    if (kind_ == RenameKind::Extension) {
        extension = extensionText_ ? extensionText_() : std::string();
        // A separator in the typed text would move the file into another folder.
        if (!core::ExtensionTextIsSafe(extension)) return Fail(oldPath, ERROR_INVALID_NAME, failure);
    }
    const std::string newPath = NewPath(oldPath, extension);
    // Renaming a file to its own name changes nothing, whatever the call says.
    if (newPath == oldPath) return true;
    const std::size_t nameStart = core::NameStart(oldPath);
    // One open tells where the name leads and does the rename.
    RenamableFile file(oldPath);
    if (!file.IsOpen()) return Fail(oldPath, file.Error(), failure);
    if (!links_.NamesItself(oldPath.substr(0, nameStart), oldPath.substr(nameStart), file.Handle())) {
        failure.path = oldPath;
        failure.reason = kFollowedLink;
        return false;
    }
    bool changed = true;
    if (core::DiffersOnlyInCase(oldPath, newPath) && core::NameStart(newPath) == nameStart) {
        if (!caseOnly_.Rename(oldPath.substr(0, nameStart), oldPath.substr(nameStart), newPath.substr(nameStart),
                              failure, &changed, &file))
            return false;
    } else if (!file.MoveTo(newPath)) {
        return Fail(oldPath, GetLastError(), failure);
    }
    if (changed && renamedTo) *renamedTo = newPath;
    return true;
}

std::vector<core::FileFailure> RunRenameBatch(const std::vector<std::string>& targets, RenameKind kind,
                                              const std::function<std::string()>& extensionText,
                                              const BatchProgress& progress, BatchRecord* record)
{
    std::vector<core::FileFailure> failures;
    const int count = static_cast<int>(targets.size());
    progress.Start(count);
    RenameOperation operation(kind, extensionText);
    for (int i = 1; i <= count && !progress.Stopped(); ++i) {
        core::FileFailure failure;
        std::string renamedTo;
        if (!operation.Apply(targets[i - 1], failure, &renamedTo)) {
            failures.push_back(std::move(failure));
        } else if (!renamedTo.empty()) {
            if (record) record->AddRename(targets[i - 1], renamedTo);
            progress.Renamed(targets[i - 1], renamedTo);
        }
        progress.Advance(i);
    }
    return failures;
}
