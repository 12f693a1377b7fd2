#include "app/CaseOnlyRename.h"

#include "core/NameRules.h"
#include "core/Utf8.h"
#include "platform/WideText.h"
#include "platform/DirectoryEntries.h"
#include "platform/LongPath.h"
#include "platform/SystemErrorText.h"
#include "platform/ScopedHandle.h"

#include <windows.h>

#include <memory>

namespace {

constexpr char kOtherCaseTaken[] = "文件夹中已有只是大小写不同的同名文件，没有更改";
constexpr char kStrandedPrefix[] = "；文件现名为 ";

std::wstring CaseKey(std::wstring name)
{
    if (!name.empty()) CharUpperBuffW(&name[0], static_cast<DWORD>(name.size()));
    return name;
}

// The entry's own name on disk for a path without wildcards, or empty when
// nothing is there. A link gives its own name, not its target's.
std::wstring NameAt(const std::string& path)
{
    WIN32_FIND_DATAW data;
    ScopedHandle find(FindFirstFileW(ExactWidePath(path).c_str(), &data), FindClose);
    return find.IsOpen() ? data.cFileName : std::wstring();
}

// The temporary path for the name; cut shorter where the folder leaves less
// room than a whole name. Empty when no such path fits.
std::string TemporaryPath(const std::string& folder, const std::string& name, unsigned number)
{
    std::string path = folder + core::TemporaryName(name, number);
    const std::size_t units = ExactWidePath(path).size();
    if (units < kMaxPathUnits) return path;
    const std::size_t nameUnits = core::utf8::Utf16Length(path.substr(folder.size()));
    const std::size_t over = units - kMaxPathUnits + 1;
    if (nameUnits <= over) return std::string();
    const std::string shorter = core::TemporaryName(name, number, nameUnits - over);
    return shorter.empty() ? std::string() : folder + shorter;
}

}  // namespace

void CaseOnlyRename::ReadFolder(const std::string& folder)
{
    listedFolder_ = folder;
    listing_.clear();
    DirectoryEntries entries(folder + "*");
    while (entries.Next()) {
        Entry& entry = listing_[CaseKey(entries.WideName())];
        entry.name = entries.WideName();
        ++entry.sameKey;
    }
}

bool CaseOnlyRename::Rename(const std::string& folder, const std::string& oldName, const std::string& newName,
                            core::FileFailure& failure, bool* changed, RenamableFile* file)
{
    if (changed) *changed = false;
    const std::string oldPath = folder + oldName;
    const std::string finalPath = folder + newName;
    if (folder != listedFolder_) ReadFolder(folder);
    // Names differing only in case share a key; two entries under one key
    // mean the new name may reach the other file.
    const std::wstring key = CaseKey(Widen(oldName));
    auto found = listing_.find(key);
    if (found == listing_.end()) {
        // Made since the folder was read: read it again.
        ReadFolder(folder);
        found = listing_.find(key);
    }
    if (found == listing_.end()) return Fail(oldPath, SystemErrorText(ERROR_FILE_NOT_FOUND), failure);
    Entry& entry = found->second;
    if (entry.sameKey > 1) return Fail(oldPath, kOtherCaseTaken, failure);
    const std::wstring wideNew = Widen(newName);
    if (entry.name == wideNew) return true;
    std::string onDisk;
    if (!NarrowExact(entry.name, onDisk)) return Fail(oldPath, SystemErrorText(ERROR_INVALID_NAME), failure);
    const std::string currentPath = folder + onDisk;
    std::unique_ptr<RenamableFile> opened;
    if (!file) {
        opened = std::make_unique<RenamableFile>(currentPath);
        file = opened.get();
    }
    if (!file->IsOpen()) return Fail(oldPath, SystemErrorText(file->Error()), failure);

    if (folder != caseBlindFolder_) {
        if (!file->MoveTo(finalPath)) return Fail(oldPath, SystemErrorText(GetLastError()), failure);
        std::wstring now = NameAt(currentPath);
        if (now.empty()) now = NameAt(finalPath);
        if (now == wideNew) {
            entry.name = wideNew;
            if (changed) *changed = true;
            return true;
        }
        if (now != entry.name) return Fail(oldPath, SystemErrorText(ERROR_FILE_NOT_FOUND), failure);
        caseBlindFolder_ = folder;
    }
    if (!MoveThroughTemporary(*file, folder, onDisk, finalPath, failure)) {
        failure.path = oldPath;
        return false;
    }
    entry.name = wideNew;
    if (changed) *changed = true;
    return true;
}

bool CaseOnlyRename::MoveThroughTemporary(RenamableFile& file, const std::string& folder, const std::string& onDisk,
                                          const std::string& finalPath, core::FileFailure& failure) const
{
    const std::string currentPath = folder + onDisk;
    // A name the folder listed is another file's, in some case; the rename
    // itself never replaces one made since.
    std::string temporary;
    for (unsigned number = 1;; ++number) {
        temporary = TemporaryPath(folder, onDisk, number);
        if (temporary.empty()) return Fail(currentPath, SystemErrorText(ERROR_FILENAME_EXCED_RANGE), failure);
        if (number > 1000) return Fail(currentPath, SystemErrorText(ERROR_FILE_EXISTS), failure);
        if (listing_.count(CaseKey(Widen(temporary.substr(folder.size()))))) continue;
        if (file.MoveTo(temporary)) break;
        DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
            return Fail(currentPath, SystemErrorText(error), failure);
    }
    if (file.MoveTo(finalPath)) return true;
    std::string reason = SystemErrorText(GetLastError());
    // Put the old name back; should that fail too, say where the file is now.
    failure.stranded = !file.MoveTo(currentPath);
    if (failure.stranded) reason += kStrandedPrefix + temporary;
    return Fail(currentPath, reason, failure);
}
