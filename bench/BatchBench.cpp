// Times the batch operations against bare loops of the same platform calls,
// on generated trees: 10 folders of 1,000 files (a rename slows down as its
// folder grows). The batches drive a real progress bar on a shown window.
// Single runs swing by a third on a shared machine: each variant runs in
// rounds, alternating with its baseline, and the median ratio is printed
// with its spread.
#include "app/FileTimeOperation.h"
#include "app/ProgressBarFeed.h"
#include "app/BatchRecord.h"
#include "app/RenameOperation.h"
#include "browser/DirectoryListBox.h"
#include "browser/FileListBox.h"
#include "components/DiskScan.h"
#include "core/CaseMapping.h"
#include "core/ExtensionMapping.h"
#include "platform/LongPath.h"
#include "platform/RenamableFile.h"
#include "platform/WideText.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ProgressBar.h"

#include "LinuxShell.h"
#include "TempDir.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 1000;
const char* const kDateTimeText = "2020-12-12 12:12:12";

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Milliseconds() const
    {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

double Time(const std::function<void()>& work)
{
    Stopwatch watch;
    work();
    return watch.Milliseconds();
}

// A fresh tree of empty files with mixed-case names; removed with the object.
class Tree {
public:
    explicit Tree(int folders = kFolders, int filesPerFolder = kFilesPerFolder)
    {
        // Made on the Linux side, which takes a fraction of the time.
        const std::string last = std::to_string(filesPerFolder - 1);
        RunLinuxShell(root_.Path(), "for d in $(seq 0 " + std::to_string(folders - 1) +
                                        "); do mkdir Folder$d && cd Folder$d && for f in $(seq 0 " + last +
                                        "); do : > File$f.TXT; done; cd ..; done");
        for (int folder = 0; folder < folders; ++folder) {
            for (int file = 0; file < filesPerFolder; ++file)
                files_.push_back(
                    root_.PathOf("Folder" + std::to_string(folder) + "\\File" + std::to_string(file) + ".TXT"));
        }
    }

    const std::string& Root() const { return root_.Path(); }
    const std::vector<std::string>& Files() const { return files_; }

private:
    TempDir root_;
    std::vector<std::string> files_;
};

std::vector<std::string> Mapped(const std::vector<std::string>& paths,
                                const std::function<std::string(const std::string&)>& map)
{
    std::vector<std::string> result;
    result.reserve(paths.size());
    for (const std::string& path : paths) result.push_back(map(path));
    return result;
}

// The bare loops make the calls the program makes: wide, on the long form of the path.
BOOL Move(const std::string& from, const std::string& to)
{
    return MoveFileW(ExactWidePath(from).c_str(), ExactWidePath(to).c_str());
}

void MoveAll(const std::vector<std::string>& from, const std::vector<std::string>& to)
{
    for (std::size_t i = 0; i < from.size(); ++i) Move(from[i], to[i]);
}

// The calls the batch makes for one file, bare: one open, the final path
// that tells a link, then each rename by the handle.
void RenameAsTheBatch(const std::string& from, std::initializer_list<std::string> to)
{
    static wchar_t final[kMaxPathUnits + 1];
    RenamableFile file(from);
    GetFinalPathNameByHandleW(file.Handle(), final, kMaxPathUnits + 1, FILE_NAME_NORMALIZED);
    for (const std::string& path : to) file.MoveTo(path);
}

void RenameAllAsTheBatch(const std::vector<std::string>& from, const std::vector<std::string>& to)
{
    for (std::size_t i = 0; i < from.size(); ++i) RenameAsTheBatch(from[i], {to[i]});
}

// A case-only rename changes nothing under Wine: through a temporary name.
void MoveAllThroughTemporary(const std::vector<std::string>& from, const std::vector<std::string>& to)
{
    for (std::size_t i = 0; i < from.size(); ++i) RenameAsTheBatch(from[i], {from[i] + ".~tmp", to[i]});
}

constexpr int kRounds = 3;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A variant against its baseline, measured once each per round, one right
// after the other.
class Rounds {
public:
    explicit Rounds(const char* what) : what_(what) {}
    void Add(double measured, double bare)
    {
        measured_.push_back(measured);
        bare_.push_back(bare);
        ratios_.push_back(measured / bare);
    }
    // The medians, then the median ratio with the lowest and highest.
    void Print() const
    {
        const auto range = std::minmax_element(ratios_.begin(), ratios_.end());
        std::printf("%-46s %9.0f ms / %9.0f ms: %.2fx (%.2f-%.2f, %zu rounds)\n", what_, Median(measured_),
                    Median(bare_), Median(ratios_), *range.first, *range.second, ratios_.size());
    }

private:
    const char* what_;
    std::vector<double> measured_, bare_, ratios_;
};

void PrintAll(std::initializer_list<const Rounds*> all)
{
    for (const Rounds* rounds : all) rounds->Print();
}

// The window the batches report to, as the main window's bar would.
class BarWindow {
public:
    BarWindow() : form_(new TForm(Application, "TBatchBenchForm"))
    {
        form_->SetCaption("BatchBench");
        form_->SetDesignClientSize(520, 24);
        bar_ = new TProgressBar(form_);
        bar_->SetParent(form_);
        bar_->SetAlign(TAlign::Client);
        form_->FinishCreation();
        form_->Show();
        Application->ProcessMessages();
    }
    TProgressBar& Bar() { return *bar_; }
    int Width()
    {
        RECT client;
        GetClientRect(bar_->Handle(), &client);
        return client.right;
    }

    // Position and repaint after every file.
    BatchProgress EveryFile()
    {
        return BatchProgress{[this](int max) { Start(max); },
                             [this](int position) {
                                 bar_->SetPosition(position);
                                 bar_->RepaintNow();
                             }};
    }
    // Position after every file, repaint when the filled width changes.
    BatchProgress WidthChanges()
    {
        return BatchProgress{[this](int max) {
                                 Start(max);
                                 painted_ = 0;
                             },
                             [this](int position) {
                                 bar_->SetPosition(position);
                                 int filled = MulDiv(position, Width(), bar_->Max());
                                 if (filled != painted_) {
                                     painted_ = filled;
                                     bar_->RepaintNow();
                                 }
                             }};
    }

private:
    void Start(int max)
    {
        bar_->SetMax(max);
        bar_->SetPosition(0);
        bar_->RepaintNow();
    }

    TForm* form_;        // owned by the application
    TProgressBar* bar_;  // owned by the form
    int painted_ = 0;
};

void ProgressAlone(BarWindow& window)
{
    constexpr int count = kFolders * kFilesPerFolder;
    auto run = [](const BatchProgress& progress) {
        return Time([&] {
            progress.start(count);
            for (int i = 1; i <= count; ++i) progress.advance(i);
        });
    };
    double bare = Time([&] {
        for (volatile int i = 1; i <= count; i = i + 1) {}
    });
    double everyFile = run(window.EveryFile());
    double widthChanges = run(window.WidthChanges());
    ProgressBarFeed feed(window.Bar());
    double quiet = run(feed.Callbacks());
    std::printf("progress bar alone, %d steps, bar %d px wide:\n", count, window.Width());
    std::printf("  PBM_SETPOS + UpdateWindow every step      %9.0f ms (%.3f ms a step)\n", everyFile,
                everyFile / count);
    std::printf("  PBM_SETPOS every step, repaint on change  %9.0f ms (%.3f ms a step)\n", widthChanges,
                widthChanges / count);
    std::printf("  ProgressBarFeed (%5d repaints)           %9.0f ms (%.3f ms a step)\n", feed.Repaints(), quiet,
                quiet / count);
    std::printf("  empty loop                                %9.0f ms\n", bare);
}

// The progress the window gives a batch: the bar, pending messages let
// through every 100 ms, and a stop that is asked before each file.
BatchProgress AsTheWindowRuns(ProgressBarFeed& feed)
{
    BatchProgress progress = feed.Callbacks();
    auto next = std::make_shared<ULONGLONG>(GetTickCount64() + 100);
    progress.advance = [next, advance = progress.advance](int position) {
        advance(position);
        const ULONGLONG now = GetTickCount64();
        if (now < *next) return;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        *next = now + 100;
    };
    progress.stop = [] { return false; };
    return progress;
}

void ExtensionBench(BarWindow& window)
{
    Tree tree;
    const auto& files = tree.Files();
    const auto renamed = Mapped(files, [](const std::string& path) { return core::ReplaceExtension(path, ".html"); });
    auto text = [] { return std::string(".html"); };
    ProgressBarFeed feed(window.Bar());
    // Each batch leaves the tree renamed: put back untimed.
    auto batch = [&](const BatchProgress& progress, BatchRecord* record = nullptr) {
        const double measured = Time([&] { RunRenameBatch(files, RenameKind::Extension, text, progress, record); });
        if (!record) MoveAll(renamed, files);
        return measured;
    };
    Rounds sameCalls("extension batch / the same calls bare"), plain("extension batch / bare MoveFileW loop"),
        everyFile("  (repaint every file) / bare loop"), noBar("  (no progress bar) / bare loop"),
        recorded("  (undo record, messages every 100 ms) / batch"),
        undo("undo of the extension batch / bare loop back");
    for (int round = 0; round < kRounds; ++round) {
        const double bareSame = Time([&] { RenameAllAsTheBatch(files, renamed); });
        MoveAll(renamed, files);
        const double bare = Time([&] { MoveAll(files, renamed); });
        const double bareBack = Time([&] { MoveAll(renamed, files); });
        const double measured = batch(feed.Callbacks());
        sameCalls.Add(measured, bareSame);
        plain.Add(measured, bare);
        everyFile.Add(batch(window.EveryFile()), bare);
        noBar.Add(batch(BatchProgress{}), bare);
        // As the window runs it: what undo needs is recorded, and pending
        // messages are let through every 100 ms; then the undo itself.
        BatchRecord record;
        recorded.Add(batch(AsTheWindowRuns(feed), &record), measured);
        undo.Add(Time([&] { record.Undo(feed.Callbacks()); }), bareBack);
    }
    PrintAll({&sameCalls, &plain, &everyFile, &noBar, &recorded, &undo});
}

// Times work once the tree's pending writes are on disk: writing back what
// the tree's making, or the run before, left took seconds of the next run.
double Settled(const std::string& root, const std::function<void()>& work)
{
    RunLinuxShell(root, "sync");
    return Time(work);
}

// Times a variant and its baseline, the baseline first in even rounds: the
// one run second was measured slower, by up to a fifth. Gives the baseline's time.
double Alternate(int round, Rounds& rounds, const std::function<double()>& measured,
                 const std::function<double()>& bare)
{
    double measuredTime = 0, bareTime = 0;
    if (round % 2 == 0) {
        bareTime = bare();
        measuredTime = measured();
    } else {
        measuredTime = measured();
        bareTime = bare();
    }
    rounds.Add(measuredTime, bareTime);
    return bareTime;
}

// The path with its name in lower case, as the batch leaves it.
std::string LowerCaseName(const std::string& path)
{
    const std::size_t name = path.rfind('\\') + 1;
    return path.substr(0, name) + core::LowerCasePath(path.substr(name));
}

void LowerCaseBench(BarWindow& window)
{
    Rounds sameCalls("lower-case batch / the same calls bare");
    ProgressBarFeed feed(window.Bar());
    // Each side gets a fresh tree.
    for (int round = 0; round < 2 * kRounds; ++round) {
        Tree forBatch, forBare;
        const auto lowered = Mapped(forBare.Files(), LowerCaseName);
        Alternate(
            round, sameCalls,
            [&] {
                return Settled(forBatch.Root(), [&] {
                    RunRenameBatch(forBatch.Files(), RenameKind::LowerCase, nullptr, feed.Callbacks());
                });
            },
            // The batch's calls for a case-only rename, under Wine: through a temporary name.
            [&] { return Settled(forBare.Root(), [&] { MoveAllThroughTemporary(forBare.Files(), lowered); }); });
    }
    sameCalls.Print();
}

// Lower case over one large folder, then its undo, which must list the
// folder once as the batch does, not once a file.
void CaseUndoBench(BarWindow& window)
{
    constexpr int kFiles = 4000;
    Rounds undo("undo of lower case, 4000 in a folder / batch");
    for (int round = 0; round < kRounds; ++round) {
        Tree tree(1, kFiles);
        ProgressBarFeed feed(window.Bar());
        BatchRecord record;
        const double batch =
            Time([&] { RunRenameBatch(tree.Files(), RenameKind::LowerCase, nullptr, AsTheWindowRuns(feed), &record); });
        undo.Add(Time([&] { record.Undo(AsTheWindowRuns(feed)); }), batch);
    }
    undo.Print();
}

void FileTimeBench(BarWindow& window)
{
    Tree tree;
    const auto& files = tree.Files();
    SYSTEMTIME fields = {2020, 12, 6, 12, 12, 12, 12, 0};
    FILETIME time;
    SystemTimeToFileTime(&fields, &time);
    const FILETIME* slots[3][3] = {{&time, nullptr, nullptr}, {nullptr, nullptr, &time}, {nullptr, &time, nullptr}};
    // The batch's calls: an open of the entry for each time, the first one
    // also reading the attributes for the read-only check.
    auto bareLoop = [&] {
        for (const std::string& path : files) {
            const std::wstring wide = ExactWidePath(path);
            for (const auto& slot : slots) {
                HANDLE file = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
                if (file == INVALID_HANDLE_VALUE) continue;
                BY_HANDLE_FILE_INFORMATION information;
                const bool readOnly = &slot == &slots[0] && GetFileInformationByHandle(file, &information) &&
                                      (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
                if (!readOnly) SetFileTime(file, slot[0], slot[1], slot[2]);
                CloseHandle(file);
                if (readOnly) break;
            }
        }
    };
    const int year = 2026;
    ProgressBarFeed feed(window.Bar());
    // A repaint every file is shown by the extension case: not here again.
    Rounds plain("time batch / bare loop"), noBar("  (no progress bar) / bare loop");
    auto batch = [&](const BatchProgress& progress) {
        return Settled(tree.Root(), [&] { RunFileTimeBatch(files, kDateTimeText, year, progress); });
    };
    for (int round = 0; round < 2 * kRounds; ++round) {
        const double bare = Alternate(
            round, plain, [&] { return batch(feed.Callbacks()); }, [&] { return Settled(tree.Root(), bareLoop); });
        noBar.Add(batch(BatchProgress{}), bare);
    }
    PrintAll({&plain, &noBar});
}

// dispatch: pending messages are let through once a folder, as the scanner
// does; under Wine that check costs a call to the server.
void BareWalk(const std::string& folder, std::vector<std::string>& found, bool dispatch = false)
{
    MSG message;
    while (dispatch && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(ExactWidePath(folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = Narrow(entry.cFileName);
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            BareWalk(folder + "\\" + name, found, dispatch);
        else
            found.push_back(folder + "\\" + name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// The scanner against a bare walk over a tree of the given shape.
void ScanBench(const char* what, int folders, int filesPerFolder)
{
    Tree tree(folders, filesPerFolder);
    std::vector<std::string> bareFound, scanFound;
    TDiskScan scan(nullptr);
    scan.SetStartDirectory(tree.Root());
    scan.OnFileFound = [&](TObject*, std::string fileName) { scanFound.push_back(std::move(fileName)); };
    // A walk takes tens of milliseconds: more rounds.
    Rounds rounds(what), dispatching("  the same calls bare (a message check a folder)");
    auto scanned = [&] {
        scanFound.clear();
        return Time([&] { scan.Scan(); });
    };
    auto walked = [&](bool dispatch) {
        return [&, dispatch] {
            bareFound.clear();
            return Time([&] { BareWalk(tree.Root(), bareFound, dispatch); });
        };
    };
    for (int round = 0; round < 15; ++round) {
        Alternate(round, rounds, scanned, walked(false));
        Alternate(round, dispatching, scanned, walked(true));
    }
    PrintAll({&rounds, &dispatching});
    std::printf("  files found: scanner %zu, bare walk %zu\n", scanFound.size(), bareFound.size());
}

// Names beyond GBK (Hangul, an emoji) in ten folders at a depth past
// MAX_PATH: the scan, the extension batch and the lower-case batch against
// bare loops of the same wide calls.
void UnicodeDeepBench(BarWindow& window)
{
    TempDir root;
    std::string deep;
    for (int i = 0; i < 24; ++i) deep += "深层目录名称的第" + std::to_string(i) + "层/";
    if (!RunLinuxShell(root.Path(), "d='" + deep +
                                        "'; for f in $(seq 0 9); do mkdir -p \"$d/폴더$f\"; "
                                        "for n in $(seq 0 99); do : > \"$d/폴더$f/한국어 🎉 $n.TXT\"; done; done")) {
        std::printf("could not make the tree\n");
        return;
    }
    std::string folder = root.Path() + "\\" + deep;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    std::vector<std::string> files;
    for (int f = 0; f < 10; ++f) {
        for (int n = 0; n < 100; ++n)
            files.push_back(folder + "폴더" + std::to_string(f) + "\\한국어 🎉 " + std::to_string(n) + ".TXT");
    }
    std::printf("%zu files named beyond GBK, paths of %zu UTF-16 units\n", files.size(), Widen(files.back()).size());
    const auto renamed = Mapped(files, [](const std::string& path) { return core::ReplaceExtension(path, ".html"); });
    const auto lowered = Mapped(files, LowerCaseName);
    auto text = [] { return std::string(".html"); };
    ProgressBarFeed feed(window.Bar());
    TDiskScan scan(nullptr);
    scan.SetStartDirectory(root.Path());
    std::size_t scanned = 0;
    scan.OnFileFound = [&](TObject*, std::string) { ++scanned; };
    Rounds walk("scan / bare walk"), extension("extension batch / the same calls bare"),
        moveFile("extension batch / bare MoveFileW loop"), lower("lower-case batch / the same calls bare");
    // A thousand files take a few hundred milliseconds: more rounds. Each
    // run puts the names back untimed.
    constexpr int kUnicodeRounds = 8;
    auto timed = [](const std::function<void()>& work, const std::function<void()>& back) {
        const double measured = Time(work);
        back();
        return measured;
    };
    auto extensionBatch = [&] {
        return timed([&] { RunRenameBatch(files, RenameKind::Extension, text, feed.Callbacks()); },
                     [&] { MoveAll(renamed, files); });
    };
    for (int round = 0; round < kUnicodeRounds; ++round) {
        std::vector<std::string> found;
        Alternate(
            round, walk, [&] { return Time([&] { scan.Scan(); }); },
            [&] { return Time([&] { BareWalk(root.Path(), found); }); });
        Alternate(round, extension, extensionBatch, [&] {
            return timed([&] { RenameAllAsTheBatch(files, renamed); }, [&] { MoveAll(renamed, files); });
        });
        Alternate(round, moveFile, extensionBatch,
                  [&] { return timed([&] { MoveAll(files, renamed); }, [&] { MoveAll(renamed, files); }); });
        // Case-only renames go through a temporary name, as the batch's do here.
        Alternate(
            round, lower,
            [&] {
                return timed([&] { RunRenameBatch(files, RenameKind::LowerCase, nullptr, feed.Callbacks()); },
                             [&] { MoveAllThroughTemporary(lowered, files); });
            },
            [&] {
                return timed([&] { MoveAllThroughTemporary(files, lowered); },
                             [&] { MoveAllThroughTemporary(lowered, files); });
            });
    }
    PrintAll({&walk, &extension, &moveFile, &lower});
    std::printf("  files found: scanner %zu a round\n", scanned / kUnicodeRounds);
}

double PeakWorkingSetMB()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// A hundred thousand files taken as the window takes them: the scan gathers
// the targets, the extension batch records what it did, and the undo puts it
// back; each against its bare loop, and what the three add to the peak
// working set against the bytes of the paths.
void LargeTreeBench(BarWindow& window)
{
    constexpr int kLargeFolders = 100;
    Tree tree(kLargeFolders, kFilesPerFolder);
    std::printf("%d files in %d folders\n", kLargeFolders * kFilesPerFolder, kLargeFolders);
    const double peakBefore = PeakWorkingSetMB();
    double peakScanned = 0, peakRecorded = 0, peakAfter = 0, pathBytes = 0;
    std::size_t recorded = 0;
    auto text = [] { return std::string(".html"); };
    Rounds scanned("scan / bare recursive walk"), batched("extension batch, recorded / bare loop"),
        undone("undo / bare loop");

    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::string> targets;
        TDiskScan scan(nullptr);
        scan.SetStartDirectory(tree.Root());
        scan.OnFileFound = [&](TObject*, std::string fileName) { targets.push_back(std::move(fileName)); };
        const double scan1 = Time([&] { scan.Scan(); });
        if (round == 0) peakScanned = PeakWorkingSetMB();
        ProgressBarFeed feed(window.Bar());
        BatchRecord record;
        const double batch =
            Time([&] { RunRenameBatch(targets, RenameKind::Extension, text, AsTheWindowRuns(feed), &record); });
        if (round == 0) {
            recorded = record.Count();
            peakRecorded = PeakWorkingSetMB();
        }
        const double undo = Time([&] { record.Undo(AsTheWindowRuns(feed)); });
        if (round == 0) {
            peakAfter = PeakWorkingSetMB();
            for (const std::string& path : targets) pathBytes += static_cast<double>(path.size());
        }
        targets = std::vector<std::string>();

        std::vector<std::string> found;
        const double bareWalk = Time([&] { BareWalk(tree.Root(), found); });
        const auto renamed =
            Mapped(found, [](const std::string& path) { return core::ReplaceExtension(path, ".html"); });
        const double bareRename = Time([&] { MoveAll(found, renamed); });
        const double bareBack = Time([&] { MoveAll(renamed, found); });
        scanned.Add(scan1, bareWalk);
        batched.Add(batch, bareRename);
        undone.Add(undo, bareBack);
    }

    PrintAll({&scanned, &batched, &undone});
    const double pathMB = pathBytes / (1024.0 * 1024.0);
    std::printf("  %zu files recorded; paths %.1f MB\n", recorded, pathMB);
    std::printf("  peak working set %.1f MB before, %.1f MB after: grew %.1f MB (target at most %.1f MB)\n", peakBefore,
                peakAfter, peakAfter - peakBefore, 2 * pathMB + 16);
    std::printf("  of which the target list %.1f MB, the record %.1f MB, the undo %.1f MB\n", peakScanned - peakBefore,
                peakRecorded - peakScanned, peakAfter - peakRecorded);
}

// The entries of one folder, bare: the listing calls alone.
std::size_t BareListing(const std::string& folder)
{
    std::size_t count = 0;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(ExactWidePath(folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do ++count;
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return count;
}

// 100,000 files in one folder read by the file list as the window has it
// (messages let through, the longest stretch between two looks reported),
// and 20,000 subfolders read by the directory list; each against the bare
// listing of the same folder, alternating which goes first.
void ListBench()
{
    constexpr int kFiles = 100000, kFolders = 20000;
    TempDir root;
    RunLinuxShell(root.Path(), "mkdir Files Folders Empty && cd Files && seq -f 'File%.0f.TXT' 0 " +
                                   std::to_string(kFiles - 1) +
                                   " | xargs touch && cd ../Folders && seq -f 'Folder%.0f' 0 " +
                                   std::to_string(kFolders - 1) + " | xargs mkdir");
    const std::string files = root.PathOf("Files"), folders = root.PathOf("Folders"), empty = root.PathOf("Empty");
    TForm* form = new TForm(Application, "TListBenchForm");
    form->SetDesignClientSize(400, 400);
    auto* fileList = new TFileListBox(form);
    fileList->SetMultiSelect(true);
    fileList->SetParent(form);
    fileList->SetBounds(0, 0, 200, 400);
    auto* dirList = new TDirectoryListBox(form);
    dirList->SetParent(form);
    dirList->SetBounds(200, 0, 200, 400);
    form->FinishCreation();
    form->Show();
    fileList->SetDirectory(empty);
    dirList->SetDirectory(empty);
    Application->ProcessMessages();

    Stopwatch sinceStart;
    double lastLook = 0, longestGap = 0;
    auto look = [&] {
        const double now = sinceStart.Milliseconds();
        longestGap = std::max(longestGap, now - lastLook);
        lastLook = now;
    };
    fileList->OnListing = [&](const std::function<void()>& listing) {
        lastLook = sinceStart.Milliseconds();
        listing();
        look();
    };
    fileList->OnListingPump = [&] {
        look();
        Application->ProcessMessages();
    };
    Rounds fileRounds("file list, 100000 files / bare listing"),
        dirRounds("directory list, 20000 subfolders / bare listing");
    const double peakBefore = PeakWorkingSetMB();
    for (int round = 0; round < 2 * kRounds; ++round) {
        Alternate(
            round, fileRounds, [&] { return Settled(files, [&] { fileList->SetDirectory(files); }); },
            [&] { return Settled(files, [&] { BareListing(files); }); });
        if (fileList->Count() != kFiles) std::printf("  the file list holds %d entries\n", fileList->Count());
        if (round + 1 < 2 * kRounds) fileList->SetDirectory(empty);
        Alternate(
            round, dirRounds, [&] { return Settled(folders, [&] { dirList->SetDirectory(folders); }); },
            [&] { return Settled(folders, [&] { BareListing(folders); }); });
        dirList->SetDirectory(empty);
    }
    PrintAll({&fileRounds, &dirRounds});
    double nameBytes = 0;
    for (int i = 0; i < fileList->Count(); ++i) nameBytes += static_cast<double>(fileList->Name(i).size());
    std::printf("  longest stretch without a look at the window: %.0f ms\n", longestGap);
    std::printf("  names %.2f MB; the list's own data %.2f MB (%.2fx); peak working set grew %.1f MB\n",
                nameBytes / 1048576.0, static_cast<double>(fileList->NameBytes()) / 1048576.0,
                static_cast<double>(fileList->NameBytes()) / nameBytes, PeakWorkingSetMB() - peakBefore);
    fileList->SelectAll();
    const double selected = Time([&] { fileList->Reread(fileList->SelectedNames()); });
    std::printf("  all %d selected, read again keeping the selection: %d selected, %.0f ms\n", fileList->Count(),
                fileList->SelCount(), selected);
}

}  // namespace

// Runs the benchmarks named on the command line, or all of them.
int main(int argc, char** argv)
{
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], name) == 0) return true;
        }
        return false;
    };
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    TApplication application;
    application.Initialize();
    application.SetTitle("BatchBench");
    BarWindow window;
    std::printf("%d files in %d folders\n", kFolders * kFilesPerFolder, kFolders);
    if (wanted("progress")) ProgressAlone(window);
    if (wanted("extension")) ExtensionBench(window);
    if (wanted("lower")) LowerCaseBench(window);
    if (wanted("undo")) CaseUndoBench(window);
    if (wanted("time")) FileTimeBench(window);
    if (wanted("unicode")) UnicodeDeepBench(window);
    if (wanted("list")) ListBench();
    if (wanted("scan")) {
        ScanBench("scanner / bare recursive walk", kFolders, kFilesPerFolder);
        // The scanner's cost per folder shows where folders are many and small.
        ScanBench("scanner / bare walk, 2000 folders of 5 files", 2000, 5);
    }
    // Minutes: run only when asked for by name.
    if (argc >= 2 && wanted("large")) LargeTreeBench(window);
    return 0;
}
