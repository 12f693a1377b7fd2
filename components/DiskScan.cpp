#include "components/DiskScan.h"

#include "components/DiskScanCalls.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Closes an enumeration on every way out of a level, exceptions included.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// A path of more bytes would be cut short by the ANSI calls.
bool FitsMaxPath(const std::string& path)
{
    return path.size() < MAX_PATH;
}

// Which directory a path leads to, whatever links it went through.
struct DirectoryIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;

    bool operator==(const DirectoryIdentity& other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

bool ReadDirectoryIdentity(std::string path, DirectoryIdentity& identity)
{
    // A bare designator (C:) names the drive's current directory; the walk means its root.
    if (path.size() == 2 && path[1] == ':') path += '\\';
    // Backup semantics opens a directory; full sharing keeps it from being locked meanwhile.
    HANDLE directory = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (directory == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool read = GetFileInformationByHandle(directory, &info) != FALSE;
    CloseHandle(directory);
    if (!read) return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.indexHigh = info.nFileIndexHigh;
    identity.indexLow = info.nFileIndexLow;
    return true;
}

}  // namespace

// One scan's own state, so that a scan started from a handler keeps apart.
struct TDiskScan::TWalk {
    // A directory open above the current point. Its identity is read only
    // when a link is met, so a tree without links costs nothing extra.
    struct Level {
        const std::string* path;  // not owned: the caller's frame keeps it
        bool read = false;
        bool known = false;
        DirectoryIdentity identity;
    };

    unsigned number;
    std::vector<Level> open;
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
    TWalk walk{++scanCount_, {}};
    cancelled_ = false;
    const std::string start = startDirectory_;
    if (start.empty()) {
        const DiskScanCalls& calls = DiskScanCalls::Current();
        char drives[MAX_PATH] = {};
        DWORD length = calls.getLogicalDriveStrings(MAX_PATH, drives);
        if (length > 0 && length < MAX_PATH) {
            for (const char* root = drives; *root && !Stopped(walk); root += std::strlen(root) + 1) {
                if (calls.getDriveType(root) != DRIVE_FIXED) continue;
                // The designator alone (C:), so that paths read C:\name.
                const std::string designator(root, std::min<std::size_t>(2, std::strlen(root)));
                Walk(designator, walk);
            }
        }
    } else {
        Walk(start, walk);
    }
    cancelled_ = Stopped(walk);
    if (!cancelled_) Fire(OnScanFinish, this);
}

void TDiskScan::Walk(const std::string& directory, TWalk& walk)
{
    walk.open.push_back({&directory});
    ScanDirectory(directory, walk);
    walk.open.pop_back();
}

bool TDiskScan::LeadsToOpenLevel(const std::string& link, TWalk& walk) const
{
    DirectoryIdentity target;
    if (!ReadDirectoryIdentity(link, target)) return false;
    for (TWalk::Level& level : walk.open) {
        if (!level.read) {
            level.known = ReadDirectoryIdentity(*level.path, level.identity);
            level.read = true;
        }
        if (level.known && level.identity == target) return true;
    }
    return false;
}

void TDiskScan::ScanDirectory(const std::string& directory, TWalk& walk)
{
    DoDirFound(directory);
    if (Stopped(walk)) return;
    if (Application) Application->ProcessMessages();
    if (Stopped(walk)) return;

    const std::string prefix = directory + '\\';
    const std::string pattern = prefix + searchPattern_;
    if (!FitsMaxPath(pattern)) return;
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find.IsOpen()) return;
    do {
        const DWORD attributes = entry.dwFileAttributes;
        const bool isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // ".", ".." and every other directory whose name starts with a period (.git, .svn).
        if (isDirectory && entry.cFileName[0] == '.') continue;
        std::string path = prefix + entry.cFileName;
        if (!FitsMaxPath(path)) continue;
        if (!isDirectory) {
            Fire(OnFileFound, this, std::move(path));
        } else if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !LeadsToOpenLevel(path, walk)) {
            Walk(path, walk);
        }
    } while (!Stopped(walk) && FindNextFileA(find.Get(), &entry));
}
