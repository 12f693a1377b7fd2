#include "app/RenameOperation.h"

#include "core/CaseMapping.h"
#include "core/CodePage.h"
#include "core/ExtensionMapping.h"
#include "toolkit/Object.h"
#include "toolkit/SystemErrorText.h"

#include <windows.h>

namespace {

std::size_t NameStart(const std::string& path)
{
    std::size_t slash = core::CodePage::System().FindLastBackslash(path);
    return slash == std::string::npos ? 0 : slash + 1;
}

bool Fail(const std::string& path, DWORD error, core::FileFailure& failure)
{
    failure.path = path;
    failure.reason = SystemErrorText(error);
    return false;
}

// The name the file system stores for path, or empty when it finds nothing.
// Asking an open handle is several times cheaper under Wine than a search.
std::string NameOnDisk(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[MAX_PATH * 2];
        DWORD length = GetFinalPathNameByHandleA(file, buffer, sizeof buffer, FILE_NAME_NORMALIZED);
        CloseHandle(file);
        if (length > 0 && length < sizeof buffer) {
            std::string finalPath(buffer, length);
            return finalPath.substr(NameStart(finalPath));
        }
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return std::string();
    FindClose(find);
    return data.cFileName;
}

}  // namespace

RenameOperation::RenameOperation(RenameKind kind, std::function<std::string()> extensionText)
    : kind_(kind), extensionText_(std::move(extensionText))
{
}

std::string RenameOperation::NewPath(const std::string& oldPath, const std::string& extension) const
{
    switch (kind_) {
    case RenameKind::Extension: return core::ReplaceExtension(oldPath, extension);
    case RenameKind::LowerCase: return core::LowerCasePath(oldPath);
    case RenameKind::UpperCase: return core::UpperCasePath(oldPath);
    }
    return oldPath;
}

bool RenameOperation::Apply(const std::string& oldPath, core::FileFailure& failure) const
{
    std::string extension;
    if (kind_ == RenameKind::Extension) {
        extension = extensionText_ ? extensionText_() : std::string();
        // A separator in the typed text would move the file into another folder.
        if (!core::ExtensionTextIsSafe(extension)) return Fail(oldPath, ERROR_INVALID_NAME, failure);
    }
    std::string newPath = NewPath(oldPath, extension);
    BOOL moved = MoveFileA(oldPath.c_str(), newPath.c_str());
    DWORD error = moved ? ERROR_SUCCESS : GetLastError();
    // Renaming a file to its own name changes nothing, whatever the call says.
    if (newPath == oldPath) return true;
    if (!moved) return Fail(oldPath, error, failure);
    if (core::DiffersOnlyInCase(oldPath, newPath)) return FinishCaseOnlyRename(oldPath, newPath, failure);
    return true;
}

// Some file systems (and Wine) report success for a rename that only changes
// letter case but keep the old name; going through a temporary name works.
// Only the last component changes, so folders keep their case.
bool RenameOperation::FinishCaseOnlyRename(const std::string& oldPath, const std::string& newPath,
                                           core::FileFailure& failure) const
{
    std::string folder = oldPath.substr(0, NameStart(oldPath));
    std::string newName = newPath.substr(NameStart(newPath));
    std::string finalPath = folder + newName;
    // Once a folder has shown that it ignores case-only renames, its other
    // files skip the check: the way through a temporary name is right
    // whether or not the first rename took effect.
    std::string currentPath = oldPath;
    if (folder != caseBlindFolder_) {
        // Both names find the same file. Asking with the old one is cheap where
        // the rename changed nothing (an exact match); with the new one Wine
        // would read the whole folder to match it.
        std::string onDisk = NameOnDisk(oldPath);
        if (onDisk.empty()) return Fail(oldPath, GetLastError(), failure);
        if (onDisk == newName) return true;
        caseBlindFolder_ = folder;
        currentPath = folder + onDisk;
    }

    // The rename itself finds a free temporary name: it never replaces a file.
    std::string temporary;
    for (unsigned counter = 0;; ++counter) {
        temporary = oldPath + ".~brisel" + std::to_string(counter);
        if (MoveFileA(currentPath.c_str(), temporary.c_str())) break;
        DWORD error = GetLastError();
        if ((error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) || counter >= 1000)
            return Fail(oldPath, error, failure);
    }
    if (!MoveFileA(temporary.c_str(), finalPath.c_str())) {
        DWORD error = GetLastError();
        MoveFileA(temporary.c_str(), currentPath.c_str());
        return Fail(oldPath, error, failure);
    }
    return true;
}

std::vector<core::FileFailure> RunRenameBatch(const std::vector<std::string>& targets, RenameKind kind,
                                              const std::function<std::string()>& extensionText,
                                              const BatchProgress& progress)
{
    std::vector<core::FileFailure> failures;
    const int count = static_cast<int>(targets.size());
    Fire(progress.start, count);
    RenameOperation operation(kind, extensionText);
    for (int i = 1; i <= count; ++i) {
        core::FileFailure failure;
        if (!operation.Apply(targets[i - 1], failure)) failures.push_back(std::move(failure));
        Fire(progress.advance, i);
    }
    return failures;
}
