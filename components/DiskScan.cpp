#include "components/DiskScan.h"

#include "components/DiskScanCalls.h"
#include "platform/FileInformation.h"
#include "toolkit/Application.h"
#include "platform/DirectoryEntries.h"
#include "platform/LongPath.h"
#include "platform/WideText.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <set>
#include <vector>
#include <tuple>

namespace {

// The reasons OnEntrySkipped gives.
const char* const kNameNotUnicode = "文件名含有无效的 Unicode 字符（不成对的代理项）";
const char* const kNameNotInPath = "文件名含有路径中不能使用的字符";
const char* const kPathTooLong = "路径过长，超过系统允许的长度";
const char* const kFolderUnreadable = "无法读取文件夹：";  // the system's text follows
const char* const kFolderWalkedAlready = "链接指向已扫描过的文件夹，未再次扫描";

// Which directory a path leads to, whatever links it went through.
struct DirectoryIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;

    bool operator<(const DirectoryIdentity& other) const
    {
        return std::tie(volume, indexHigh, indexLow) < std::tie(other.volume, other.indexHigh, other.indexLow);
    }
};

bool ReadDirectoryIdentity(std::string path, DirectoryIdentity& identity)
{
    // A bare designator (C:) names the drive's current directory; the walk means its root.
    if (path.size() == 2 && path[1] == ':') path += '\\';
    BY_HANDLE_FILE_INFORMATION info;
    if (!ReadFileInformation(path, 0, info)) return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.indexHigh = info.nFileIndexHigh;
    identity.indexLow = info.nFileIndexLow;
    return true;
}

}  // namespace

// One scan's own state, so that a scan started from a handler keeps apart.
struct TDiskScan::TWalk {
    unsigned number;
    // Every directory walked so far. Links and junctions may lead into any of
    // them, not only into one open above, and may cross many times. A tree
    // without links reaches each directory once, so identities are read only
    // from the first link on; the paths walked before are kept to catch up.
    std::set<DirectoryIdentity> walked;
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
                Walk(Narrow(designator), walk, false);
            }
        }
    } else {
        Walk(start, walk, false);
    }
    cancelled_ = Stopped(walk);
    if (!cancelled_) Fire(OnScanFinish, this);
}

void TDiskScan::Walk(const std::string& directory, TWalk& walk, bool link)
{
    if (link && !walk.linkMet) {
        walk.linkMet = true;
        for (const std::string& path : walk.beforeFirstLink) {
            DirectoryIdentity walked;
            if (ReadDirectoryIdentity(path, walked)) walk.walked.insert(walked);
        }
        walk.beforeFirstLink = std::vector<std::string>();
    }
    if (!walk.linkMet) {
        walk.beforeFirstLink.push_back(directory);
        ScanDirectory(directory, walk);
        return;
    }
    DirectoryIdentity identity;
    // Without an identity the directory is walked: its listing tells whether it can be read.
    if (ReadDirectoryIdentity(directory, identity) && !walk.walked.insert(identity).second) {
        Skip(directory, kFolderWalkedAlready);
        return;
    }
    ScanDirectory(directory, walk);
}

void TDiskScan::Skip(std::string path, std::string reason)
{
    Fire(OnEntrySkipped, this, std::move(path), std::move(reason));
}

void TDiskScan::ScanDirectory(const std::string& directory, TWalk& walk)
{
    DoDirFound(directory);
    if (Stopped(walk)) return;
    if (Application) Application->ProcessMessages();
    if (Stopped(walk)) return;

    const std::string prefix = directory + '\\';
    const std::string pattern = prefix + searchPattern_;
    if (!FitsPathLimit(pattern)) {
        Skip(directory, kPathTooLong);
        return;
    }
    // The wide listing: the ANSI one hands out look-alike names that address other files.
    DirectoryEntries entries(pattern);
    if (!entries.IsOpen()) {
        const DWORD error = entries.Error();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES)
            Skip(directory, kFolderUnreadable + SystemErrorText(error));
        return;
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
            Walk(path, walk, (entries.Attributes() & FILE_ATTRIBUTE_REPARSE_POINT) != 0);
        }
    }
    // A listing that fails midway is no end of the folder: what follows is unknown.
    if (!Stopped(walk) && entries.Error() != ERROR_SUCCESS)
        Skip(directory, kFolderUnreadable + SystemErrorText(entries.Error()));
}
