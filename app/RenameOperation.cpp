#include "app/RenameOperation.h"

#include "core/CaseMapping.h"
#include "core/DirectoryPath.h"
#include "core/ExtensionMapping.h"
#include "core/NameRules.h"
#include "core/Utf8.h"
#include "platform/LongPath.h"
#include "platform/RenamableFile.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

namespace {

constexpr char kFollowedLink[] = "这是指向别处的链接，改名会改动它所指的文件，没有更改";
constexpr char kTooLong[] = "新路径过长，本程序以后无法再找到它，没有更改";
constexpr char kNameTooLong[] = "新文件名过长，系统不接受长于 255 个字符的文件名，没有更改";

std::string NameRefusal(const std::string& newName, core::NameCheck check)
{
    return "新文件名“" + newName +
           (check == core::NameCheck::Reserved ? "”是系统保留的设备名" : "”会被系统改动或拒绝") + "，没有更改";
}

bool Fail(const std::string& path, DWORD error, core::FileFailure& failure)
{
    return Fail(path, SystemErrorText(error), failure);
}

}  // namespace

RenameOperation::RenameOperation(RenameKind kind) : kind_(kind) {}

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

bool RenameOperation::Apply(const std::string& oldPath, const std::string& extension, core::FileFailure& failure,
                            std::string* renamedTo)
{
    // A separator in the typed text would move the file into another folder.
    if (!core::ExtensionTextIsSafe(extension)) return Fail(oldPath, ERROR_INVALID_NAME, failure);
    const std::string newPath = NewPath(oldPath, extension);
    // Renaming a file to its own name changes nothing, whatever the call says.
    if (newPath == oldPath) return true;
    // A name the platform alters, or a path too long for the program, could
    // not be reached again: not by the lists, nor by the undo.
    const std::string newName = newPath.substr(core::NameStart(newPath));
    const core::NameCheck check = core::CheckName(newName);
    // A change of case alone leaves the name as reachable as it was.
    if (check != core::NameCheck::Usable && !core::DiffersOnlyInCase(oldPath, newPath))
        return Fail(oldPath, NameRefusal(newName, check), failure);
    if (core::utf8::Utf16Length(newName) > core::kMaxNameUnits) return Fail(oldPath, kNameTooLong, failure);
    if (!FitsPathLimit(newPath)) return Fail(oldPath, kTooLong, failure);
    const std::size_t nameStart = core::NameStart(oldPath);
    // One open tells where the name leads and does the rename.
    RenamableFile file(oldPath);
    if (!file.IsOpen()) return Fail(oldPath, file.Error(), failure);
    if (!links_.NamesItself(oldPath.substr(0, nameStart), oldPath.substr(nameStart), file.Handle()))
        return Fail(oldPath, kFollowedLink, failure);
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

BatchResult RunRenameBatch(const std::vector<std::string>& targets, RenameKind kind,
                           const std::function<std::string()>& extensionText, const BatchProgress& progress,
                           BatchRecord* record)
{
    BatchResult result;
    const int count = static_cast<int>(targets.size());
    progress.Start(count);
    RenameOperation operation(kind);
    for (int i = 1; i <= count && !progress.Stopped(); ++i) {
        const std::string& path = targets[i - 1];
        const std::string extension = kind == RenameKind::Extension && extensionText ? extensionText() : std::string();
        if (i == 1) {
            result.refusal = core::ExtensionTextRefusal(extension);
            if (!result.refusal.empty()) return result;
        }
        core::FileFailure failure;
        std::string renamedTo;
        if (!operation.Apply(path, extension, failure, &renamedTo)) {
            result.failures.push_back(std::move(failure));
        } else if (!renamedTo.empty()) {
            ++result.changed;
            if (record) record->AddRename(path, renamedTo);
            progress.Renamed(path, renamedTo);
        }
        result.tried = static_cast<std::size_t>(i);
        progress.Advance(i);
    }
    return result;
}
