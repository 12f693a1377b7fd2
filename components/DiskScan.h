// A non-visual component that walks a directory tree depth first and reports
// every file it meets, one full path at a time, while the walk goes on.
#pragma once

#include "platform/FileId.h"
#include "toolkit/Component.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

using TNotifyFilenameFoundEvent = std::function<void(TObject* sender, std::string fileName)>;
using TNotifyDirectoryFoundEvent = std::function<void(TObject* sender, std::string directory)>;
using TNotifyScanFinishEvent = std::function<void(TObject* sender)>;
using TNotifyEntrySkippedEvent = std::function<void(TObject* sender, std::string path, std::string reason)>;

class DirectoryEntries;

class TDiskScan : public TComponent {
public:
    explicit TDiskScan(TComponent* owner);

    const std::string& StartDirectory() const { return startDirectory_; }
    void SetStartDirectory(const std::string& directory);

    // Walks StartDirectory (every fixed drive when it is empty), then fires
    // OnScanFinish. Pending messages are dispatched once per directory.
    void Scan();
    // Ends every scan now running as soon as it gets control back: no further
    // events, not even OnScanFinish. Scans started afterwards run normally.
    void Cancel();
    // Whether the last scan to return was ended by Cancel.
    bool Cancelled() const { return cancelled_; }

    TNotifyFilenameFoundEvent OnFileFound;
    TNotifyDirectoryFoundEvent OnDirFound;
    TNotifyScanFinishEvent OnScanFinish;
    // An entry the scan leaves out, and why: a name UTF-16 cannot carry
    // cleanly (path then ends in its display form) or that holds what no path
    // may, a folder that cannot be read, or a folder already walked in this scan.
    // The profile junctions nobody may list are left out unannounced.
    TNotifyEntrySkippedEvent OnEntrySkipped;

protected:
    // Called for every directory walked, before its entries are read.
    virtual void DoDirFound(std::string directory);

private:
    struct TWalk;

    // Walks directory unless this scan has walked it already, under any path.
    // attributes: those its parent's listing gave (0 for a start); a link
    // or junction may lead anywhere.
    void Walk(const std::string& directory, TWalk& walk, DWORD attributes);
    // listing: the folder's, nullptr when its path is too long; identity:
    // the folder's, when it was read.
    void ScanDirectory(const std::string& directory, TWalk& walk, DirectoryEntries* listing,
                       const std::optional<FileId>& identity);
    void Skip(std::string path, std::string reason);
    bool Stopped(const TWalk& walk) const;

    std::string searchPattern_;
    std::string startDirectory_;
    unsigned scanCount_ = 0;         // scans started so far; numbers each scan
    unsigned cancelledThrough_ = 0;  // scans numbered up to this one are cancelled
    bool cancelled_ = false;
};
