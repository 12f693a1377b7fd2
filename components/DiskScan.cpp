#include "components/DiskScan.h"

#include "components/DiskScanCalls.h"
#include "toolkit/Application.h"
#include "platform/DirectoryEntries.h"
#include "platform/FileId.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <set>
#include <vector>

namespace {

// The reasons OnEntrySkipped gives.
const char* const kNameNotUnicode = "文件名含有无效的 Unicode 字符（不成对的代理项）";
const char* const kNameNotInPath = "文件名含有路径中不能使用的字符";
const char* const kPathTooLong = "路径过长，超过系统允许的长度";
const char* const kFolderUnreadable = "无法读取文件夹：";  // the system's text follows
const char* const kFolderWalkedAlready = "链接指向已扫描过的文件夹，未再次扫描";

bool ReadDirectoryId(std::string path, FileId& id)
{
    // A bare designator (C:) names the drive's current directory; the walk means its root.
    if (path.size() == 2 && path[1] == ':') path += '\\';
    return ReadFileId(path, id);
}

// The junctions Windows puts in every profile for old programs ("My Music",
// "Application Data", "Documents and Settings"): hidden system links whose
// listing is denied to everyone. Explorer shows none of them, and what they
// lead to lies under its own name, so they are left out without a word.
bool IsCompatibilityJunction(DWORD attributes, DWORD listingError)
{
    const DWORD all = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & all) == all && listingError == ERROR_ACCESS_DENIED;
}

}  // namespace

// One scan's own state, so that a scan started from a handler keeps apart.
struct TDiskScan::TWalk {
    unsigned number;
    // Every directory whose listing opened so far. Links and junctions may lead into any of
    // them, not only into one open above, and may cross many times. A tree
    // without links reaches each directory once, so identities are read only
    // from the first link on; the paths walked before are kept to catch up.
    std::set<FileId> walked;
    bool linkMet = false;
    std::vector<std::string> beforeFirstLink;
};

TDiskScan::TDiskScan(TComponent* owner) : TComponent(owner), searchPattern_("*.*") {}

void TDiskScan::SetStartDirectory(const std::string& directory)
{
    startDirectory_ = directory;
}

void TDiskScan::Cancel()
{
    cancelledThrough_ = scanCount_;
}

bool TDiskScan::Stopped(const TWalk& walk) const
{
    return walk.number <= cancelledThrough_;
}

void TDiskScan::DoDirFound(std::string directory)
{
    Fire(OnDirFound, this, std::move(directory));
}

void TDiskScan::Scan()
{
    TWalk walk{++scanCount_, {}, false, {}};
    cancelled_ = false;
    const std::string start = startDirectory_;
    if (start.empty()) {
        const DiskScanCalls& calls = CallTable<DiskScanCalls>::Current();
        wchar_t drives[MAX_PATH] = {};
        DWORD length = calls.getLogicalDriveStrings(MAX_PATH, drives);
        if (length > 0 && length < MAX_PATH) {
            for (const wchar_t* root = drives; *root && !Stopped(walk); root += std::wcslen(root) + 1) {
                if (calls.getDriveType(root) != DRIVE_FIXED) continue;
                // The designator alone (C:), so that paths read C:\name.
                const std::wstring designator(root, std::min<std::size_t>(2, std::wcslen(root)));
                Walk(Narrow(designator), walk, 0);
            }
        }
    } else {
        Walk(start, walk, 0);
    }
    cancelled_ = Stopped(walk);
    if (!cancelled_) Fire(OnScanFinish, this);
}

void TDiskScan::Walk(const std::string& directory, TWalk& walk, DWORD attributes)
{
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !walk.linkMet) {
        walk.linkMet = true;
        for (const std::string& path : walk.beforeFirstLink) {
            FileId walked;
            if (ReadDirectoryId(path, walked)) walk.walked.insert(walked);
        }
        walk.beforeFirstLink = std::vector<std::string>();
    }
    // The wide listing: the ANSI one hands out look-alike names that address other files.
    // Opened first, as a junction left out unseen is known by its denied listing only.
    std::optional<DirectoryEntries> listing;
    const std::string pattern = directory + '\\' + searchPattern_;
    if (FitsPathLimit(pattern)) listing.emplace(pattern);
    if (listing && !listing->IsOpen() && IsCompatibilityJunction(attributes, listing->Error())) return;

    std::optional<FileId> identity;
    if (walk.linkMet) {
        // Without an identity the directory is walked: its listing tells whether it can be read.
        FileId read;
        if (ReadDirectoryId(directory, read)) identity = read;
        if (identity && walk.walked.count(*identity)) {
            Skip(directory, kFolderWalkedAlready);
            return;
        }
    }
    ScanDirectory(directory, walk, listing ? &*listing : nullptr, identity);
}

void TDiskScan::Skip(std::string path, std::string reason)
{
    Fire(OnEntrySkipped, this, std::move(path), std::move(reason));
}

void TDiskScan::ScanDirectory(const std::string& directory, TWalk& walk, DirectoryEntries* listing,
                              const std::optional<FileId>& identity)
{
    DoDirFound(directory);
    if (Stopped(walk)) return;
    if (Application) Application->ProcessMessages();
    if (Stopped(walk)) return;

    if (!listing) {
        Skip(directory, kPathTooLong);
        return;
    }
    DirectoryEntries& entries = *listing;
    const std::string prefix = directory + '\\';
    if (!entries.IsOpen()) {
        const DWORD error = entries.Error();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES)
            Skip(directory, kFolderUnreadable + SystemErrorText(error));
        return;
    }
    // Walked from now on, not before: a folder that could be entered but not
    // listed must not hide the one it leads to.
    if (!walk.linkMet) {
        walk.beforeFirstLink.push_back(directory);
    } else if (identity) {
        walk.walked.insert(*identity);
    }
    while (!Stopped(walk) && entries.Next()) {
        const bool isDirectory = entries.IsDirectory();
        // Every directory whose name starts with a period (.git, .svn).
        if (isDirectory && entries.WideName()[0] == L'.') continue;
        std::string path = prefix + entries.Name();
        if (!entries.NameIsExact()) {
            std::string held;
            Skip(std::move(path), NarrowExact(entries.WideName(), held) ? kNameNotInPath : kNameNotUnicode);
        } else if (!FitsPathLimit(path)) {
            Skip(std::move(path), kPathTooLong);
        } else if (!isDirectory) {
            Fire(OnFileFound, this, std::move(path));
        } else {
            Walk(path, walk, entries.Attributes());
        }
    }
    // A listing that fails midway is no end of the folder: what follows is unknown.
    if (!Stopped(walk) && entries.Error() != ERROR_SUCCESS)
        Skip(directory, kFolderUnreadable + SystemErrorText(entries.Error()));
}
