#include "components/DiskScan.h"

#include "HostileNames.h"
#include "LinuxShell.h"
#include "StandInCalls.h"
#include "TempDir.h"
#include "TempTree.h"
#include "TestApplication.h"
#include "components/DiskScanCalls.h"
#include "platform/FindFileCalls.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The reasons the scanner gives for an entry it leaves out.
const std::string kNameNotInPath = "文件名含有路径中不能使用的字符";
const std::string kFolderUnreadable = "无法读取文件夹：";  // the system's text follows
const std::string kFolderWalkedAlready = "链接指向已扫描过的文件夹，未再次扫描";

// How a recorder writes a skipped entry.
std::string Skipped(const std::string& path, const std::string& reason)
{
    return "S " + path + " : " + reason;
}

// What a scanner reported, in order: "D dir", "F file", Skipped(...), "END"; and who sent it.
// The system's text after kFolderUnreadable is written as "...".
struct Recorder {
    std::vector<std::string> events;
    std::vector<TObject*> senders;

    void Attach(TDiskScan& scan)
    {
        scan.OnDirFound = [this](TObject* sender, std::string directory) { Add(sender, "D " + directory); };
        scan.OnFileFound = [this](TObject* sender, std::string fileName) { Add(sender, "F " + fileName); };
        scan.OnEntrySkipped = [this](TObject* sender, std::string path, std::string reason) {
            if (reason.size() > kFolderUnreadable.size() && reason.rfind(kFolderUnreadable, 0) == 0)
                reason = kFolderUnreadable + "...";
            Add(sender, Skipped(path, reason));
        };
        scan.OnScanFinish = [this](TObject* sender) { Add(sender, "END"); };
    }
    void Add(TObject* sender, std::string event)
    {
        senders.push_back(sender);
        events.push_back(std::move(event));
    }
};

std::vector<std::string> SortedCopy(std::vector<std::string> items)
{
    std::sort(items.begin(), items.end());
    return items;
}

// The events of a walk of folder started as start, each folder's entries in
// its enumeration order; paths are built from start and one backslash.
void AddWalk(const std::string& folder, const std::string& start, std::vector<std::string>& events)
{
    events.push_back("D " + start);
    for (const std::string& name : TempDir::EntriesInOrder(folder)) {
        const std::string path = folder + "\\" + name;
        if (GetFileAttributesW(Widen(path).c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
            AddWalk(path, start + "\\" + name, events);
        } else {
            events.push_back("F " + start + "\\" + name);
        }
    }
}

// What a whole scan of folder started as start must report, in order.
std::vector<std::string> ExpectedWalk(const std::string& folder, const std::string& start)
{
    std::vector<std::string> events;
    AddWalk(folder, start, events);
    events.push_back("END");
    return events;
}

// No listing of the example tree is left open: an open enumeration
// keeps its directory from being renamed (Windows and Wine alike).
void ExpectNoListingOpen(const std::string& root)
{
    for (const std::string& directory : {root + "\\sub\\deep", root + "\\sub", root}) {
        const std::string moved = directory + "-moved";
        EXPECT_TRUE(MoveFileW(Widen(directory).c_str(), Widen(moved).c_str()) &&
                    MoveFileW(Widen(moved).c_str(), Widen(directory).c_str()))
            << "still open: " << directory;
    }
}

// Makes a folder or an empty file through a \\?\ path, past what the ANSI
// calls reach. The temporary folder takes them away with the rest.
bool MakeLong(const std::string& path, bool folder)
{
    const std::wstring wide = L"\\\\?\\" + Widen(path);
    if (folder) return CreateDirectoryW(wide.c_str(), nullptr) != FALSE;
    return ScopedHandle(
               CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr),
               CloseHandle)
        .IsOpen();
}

// prefix followed by a name of tag and padding, total bytes long.
std::string PathOfLength(const std::string& prefix, const std::string& tag, size_t total)
{
    return prefix + tag + std::string(total - prefix.size() - tag.size(), 'x');
}

class DiskScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_FALSE(root.empty());
        recorder.Attach(scan);
    }

    // Scans from start into a fresh record.
    void ScanFrom(const std::string& start)
    {
        recorder.events.clear();
        recorder.senders.clear();
        scan.SetStartDirectory(start);
        scan.Scan();
    }

    bool MakeExampleTree() const { return MakeTree(temp, {"a.txt", "sub\\b.txt", "sub\\deep\\c.txt", "z.txt"}); }

    TempDir temp;
    const std::string root = temp.Path();
    TDiskScan scan{nullptr};
    Recorder recorder;
};

// A trailing backslash of the start is doubled in every path.
TEST_F(DiskScanTest, ReportsTheTreeDepthFirstInEnumerationOrder)
{
    ASSERT_TRUE(MakeExampleTree());
    for (const std::string& start : {root, root + "\\"}) {
        SCOPED_TRACE(start);
        ScanFrom(start);
        EXPECT_EQ(recorder.events, ExpectedWalk(root, start));
        for (TObject* sender : recorder.senders) EXPECT_EQ(sender, &scan);
        EXPECT_FALSE(scan.Cancelled());
    }
    EXPECT_NE(std::find(recorder.events.begin(), recorder.events.end(), "F " + root + "\\\\a.txt"),
              recorder.events.end());
}

// Every entry is handed on, whatever its attributes and past MAX_PATH too,
// except folders whose name starts with a period; a name that does not
// address its own entry is reported instead.
TEST_F(DiskScanTest, HandsOnEveryEntryButPeriodFoldersAndReportsInexactNames)
{
    ASSERT_TRUE(MakeTree(temp, {".git\\HEAD", ".git\\objects\\pack", ".gitignore", "secret\\s.txt"}));
    temp.WriteFile("h.txt", "", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    temp.WriteFile("r.txt", "", FILE_ATTRIBUTE_READONLY);
    const std::string secret = root + "\\secret";
    ASSERT_TRUE(SetFileAttributesW(Widen(secret).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(GetFileAttributesW(Widen(secret).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(GetFileAttributesW(Widen(root + "\\h.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(MakeHostileNames(root));
    ASSERT_LT(root.size(), 150u);
    const std::string level = PathOfLength(root + "\\", "L", 199);  // its entries start at byte 200
    const std::string fits = PathOfLength(level + "\\", "fits", 259);
    const std::string tooLong = PathOfLength(level + "\\", "long", 260);
    const std::string tooLongDir = PathOfLength(level + "\\", "dir", 260);
    const std::string closeDir = PathOfLength(level + "\\", "closeDir", 250);
    const std::string closeFits = PathOfLength(closeDir + "\\", "f", 259);
    const std::string closeLong = PathOfLength(closeDir + "\\", "g", 260);
    for (const std::string& folder : {level, tooLongDir, closeDir}) ASSERT_TRUE(MakeLong(folder, true)) << folder;
    for (const std::string& file : {fits, tooLong, tooLongDir + "\\a.txt", closeFits, closeLong})
        ASSERT_TRUE(MakeLong(file, false)) << file;

    ScanFrom(root);
    // The period folder alone is left out, not the hidden, system or read-only entries.
    std::vector<std::string> expected = {"D " + root, "D " + secret, "F " + secret + "\\s.txt", "END"};
    for (const char* file : {".gitignore", "h.txt", "r.txt"}) expected.push_back("F " + root + "\\" + file);
    expected.insert(expected.end(),
                    {"D " + level, "F " + fits, "F " + tooLong, "D " + tooLongDir, "F " + tooLongDir + "\\a.txt",
                     "D " + closeDir, "F " + closeFits, "F " + closeLong});
    for (const HostileName& entry : kHostileNames) {
        const std::string path = root + "\\" + entry.name;
        if (!entry.exact) {
            expected.push_back(Skipped(path, kNameNotInPath));
        } else if (entry.folder) {
            expected.push_back("D " + path);
            expected.push_back("F " + path + "\\inner.txt");
        } else {
            expected.push_back("F " + path);
        }
    }
    EXPECT_EQ(SortedCopy(recorder.events), SortedCopy(expected));
    EXPECT_EQ(recorder.events.front(), "D " + root);
    EXPECT_EQ(recorder.events.back(), "END");
}

TEST_F(DiskScanTest, StartDirectoryWithoutEntriesIsAnnouncedAndOneThatCannotBeReadReported)
{
    struct Case {
        const char* what;
        std::string start;
        bool unreadable;
    };
    temp.Create("empty");
    const Case cases[] = {
        {"missing directory", root + "\\nothere", true},
        {"empty directory", root + "\\empty", false},
        {"a file, not a directory", temp.WriteFile("plain.txt"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScanFrom(c.start);
        std::vector<std::string> expected{"D " + c.start, "END"};
        if (c.unreadable) expected.insert(expected.begin() + 1, Skipped(c.start, kFolderUnreadable + "..."));
        EXPECT_EQ(recorder.events, expected);
    }
}

// The listing of folder sub fails after its first entry; the others are real.
HANDLE subListing = nullptr;
int subEntries = 0;
HANDLE WINAPI FindFirst(LPCWSTR pattern, LPWIN32_FIND_DATAW data)
{
    HANDLE find = FindFirstFileW(pattern, data);
    if (std::wcsstr(pattern, L"\\sub\\")) subListing = find, subEntries = data->cFileName[0] != L'.';
    return find;
}
BOOL WINAPI FindNextFailingInSub(HANDLE find, LPWIN32_FIND_DATAW data)
{
    const BOOL found = FindNextFileW(find, data);
    if (!found || find != subListing || data->cFileName[0] == L'.' || ++subEntries < 2) return found;
    SetLastError(ERROR_NETNAME_DELETED);
    return FALSE;
}

TEST_F(DiskScanTest, AListingThatFailsMidwayIsReportedAfterWhatItGave)
{
    ASSERT_TRUE(MakeTree(temp, {"a.txt", "sub\\b.txt", "sub\\c.txt", "z.txt"}));
    {
        const StandInCalls<FindFileCalls> failing({FindFirst, FindNextFailingInSub});
        ScanFrom(root);
    }
    const std::string sub = root + "\\sub";
    EXPECT_EQ(SortedCopy(recorder.events),
              SortedCopy({"D " + root, "F " + root + "\\a.txt", "F " + root + "\\z.txt", "D " + sub,
                          "F " + sub + "\\" + TempDir::EntriesInOrder(sub).at(0),
                          Skipped(sub, kFolderUnreadable + "..."), "END"}));
}

// Counts its own announcements, so a scan without any handler can be watched.
class CountingScan : public TDiskScan {
public:
    CountingScan() : TDiskScan(nullptr) {}
    std::vector<std::string> directories;

protected:
    void DoDirFound(std::string directory) override
    {
        directories.push_back(directory);
        TDiskScan::DoDirFound(directory);
    }
};

TEST_F(DiskScanTest, WalksTheWholeTreeWithoutAnyHandler)
{
    ASSERT_TRUE(MakeExampleTree());
    CountingScan bare;
    bare.SetStartDirectory(root);
    bare.Scan();
    EXPECT_EQ(bare.directories, (std::vector<std::string>{root, root + "\\sub", root + "\\sub\\deep"}));
    EXPECT_FALSE(bare.Cancelled());

    // With only OnDirFound assigned, each directory is announced once, after DoDirFound.
    std::vector<std::string> announced;
    bare.OnDirFound = [&](TObject*, std::string directory) { announced.push_back(directory); };
    bare.directories.clear();
    bare.Scan();
    EXPECT_EQ(announced, bare.directories);
}

// A cancel or an exception from a handler ends the scan at once, with every
// listing closed and no OnScanFinish; the scanner is usable again after it.
TEST_F(DiskScanTest, CancelOrExceptionFromHandlerStopsAtOnce)
{
    ASSERT_TRUE(MakeExampleTree());
    struct Case {
        const char* what;
        std::string stopAt;  // the event whose handler cancels or throws
        bool throws;
    };
    const Case cases[] = {
        {"cancel in OnDirFound of the start", "D " + root, false},
        {"cancel in OnDirFound of a subdirectory", "D " + root + "\\sub", false},
        {"cancel in OnFileFound two levels down", "F " + root + "\\sub\\deep\\c.txt", false},
        {"cancel in OnFileFound at the top", "F " + root + "\\z.txt", false},
        {"exception in OnFileFound two levels down", "F " + root + "\\sub\\deep\\c.txt", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto stopOn = [&](const std::string& event) {
            recorder.events.push_back(event);
            if (event != c.stopAt) return;
            if (c.throws) throw std::runtime_error("stop");
            scan.Cancel();
        };
        scan.OnDirFound = [&](TObject*, std::string directory) { stopOn("D " + directory); };
        scan.OnFileFound = [&](TObject*, std::string fileName) { stopOn("F " + fileName); };
        if (c.throws) {
            EXPECT_THROW(ScanFrom(root), std::runtime_error);  // three levels were open at the throw
        } else {
            ScanFrom(root);
        }
        EXPECT_EQ(scan.Cancelled(), !c.throws);
        ExpectNoListingOpen(root);
        ASSERT_FALSE(recorder.events.empty());
        EXPECT_EQ(recorder.events.back(), c.stopAt);  // nothing after it, no OnScanFinish
    }

    // A cancel applies to the scans running at the time, never to a later one.
    recorder.Attach(scan);
    scan.Cancel();
    ScanFrom(root);
    EXPECT_FALSE(scan.Cancelled());
    EXPECT_EQ(recorder.events, ExpectedWalk(root, root));
    ExpectNoListingOpen(root);
}

TEST_F(DiskScanTest, ScanStartedFromHandlerRunsToItsEndFirst)
{
    ASSERT_TRUE(MakeTree(temp, {"A\\sub\\b.txt", "B\\x.txt"}));
    const std::string a = root + "\\A";
    const std::string b = root + "\\B";
    bool nested = false;
    scan.OnDirFound = [&](TObject* sender, std::string directory) {
        recorder.Add(sender, "D " + directory);
        if (directory == a + "\\sub" && !nested) {
            nested = true;
            scan.SetStartDirectory(b);
            scan.Scan();
        }
    };
    ScanFrom(a);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"D " + a, "D " + a + "\\sub", "D " + b, "F " + b + "\\x.txt",
                                                         "END", "F " + a + "\\sub\\b.txt", "END"}));

    // Cancelling inside the inner scan ends the outer one as well.
    nested = false;
    scan.OnFileFound = [&](TObject* sender, std::string fileName) {
        recorder.Add(sender, "F " + fileName);
        if (fileName == b + "\\x.txt") scan.Cancel();
    };
    ScanFrom(a);
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"D " + a, "D " + a + "\\sub", "D " + b, "F " + b + "\\x.txt"}));
    EXPECT_TRUE(scan.Cancelled());
}

// A message-only window that counts the WM_APP messages it is sent.
struct MessageCounter {
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP) {
            ++count;
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    MessageCounter()
    {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "TDiskScanTestCounter";
        RegisterClassA(&cls);
        window =
            CreateWindowExA(0, cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
        count = 0;
    }
    ~MessageCounter() { DestroyWindow(window); }
    // Removes what is still queued for the window; returns how many.
    int Drain()
    {
        int left = 0;
        MSG msg;
        while (PeekMessageA(&msg, window, WM_APP, WM_APP, PM_REMOVE)) ++left;
        return left;
    }

    HWND window = nullptr;
    static inline int count = 0;
};

TEST_F(DiskScanTest, DispatchesPendingMessagesOncePerDirectoryAfterItsAnnouncement)
{
    ASSERT_TRUE(MakeExampleTree());
    MessageCounter counter;
    ASSERT_NE(counter.window, nullptr);
    std::vector<int> handledAtDirectory;
    int postedByFiles = 0;
    scan.OnDirFound = [&](TObject*, std::string) {
        handledAtDirectory.push_back(MessageCounter::count);
        PostMessageA(counter.window, WM_APP, 0, 0);
    };
    scan.OnFileFound = [&](TObject*, std::string) {
        PostMessageA(counter.window, WM_APP, 0, 0);
        ++postedByFiles;
    };
    PostMessageA(counter.window, WM_APP, 0, 0);
    ScanFrom(root);

    // The message posted before the scan is handled after the first announcement;
    // each later directory finds everything posted before it handled.
    ASSERT_EQ(handledAtDirectory.size(), 3u);
    EXPECT_EQ(handledAtDirectory[0], 0);
    EXPECT_GE(handledAtDirectory[1], 2);
    EXPECT_GT(handledAtDirectory[2], handledAtDirectory[1]);
    // c.txt comes after the last directory's dispatch, and a file never causes one:
    // its message is still queued. Everything else was handled exactly once.
    EXPECT_EQ(postedByFiles, 4);
    const int left = counter.Drain();
    EXPECT_GE(left, 1);
    EXPECT_EQ(MessageCounter::count + left, 1 + 3 + postedByFiles);
}

TEST_F(DiskScanTest, LinksIntoWalkedFoldersAreReportedNotWalked)
{
    ASSERT_TRUE(MakeTree(temp, {"a\\f.txt", "side\\s.txt"}));
    ASSERT_TRUE(RunLinuxShell(root, "ln -s .. a/loop && ln -s . a/self && ln -s ../side a/toside"));
    ASSERT_TRUE(GetFileAttributesW(Widen(root + "\\a\\loop").c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    // Without the check the walk would multiply until paths reach the limit; end it early then.
    scan.OnDirFound = [&](TObject* sender, std::string directory) {
        recorder.Add(sender, "D " + directory);
        if (recorder.events.size() > 100) scan.Cancel();
    };
    ScanFrom(root);
    EXPECT_FALSE(scan.Cancelled());
    // loop and self lead to folders open above them; side is walked under the path met first.
    const std::vector<std::string> order = TempDir::EntriesInOrder(root);
    const bool sideFirst = std::find(order.begin(), order.end(), "side") < std::find(order.begin(), order.end(), "a");
    const std::string walked = root + (sideFirst ? "\\side" : "\\a\\toside");
    const std::string reported = root + (sideFirst ? "\\a\\toside" : "\\side");
    EXPECT_EQ(SortedCopy(recorder.events),
              SortedCopy({"D " + root, "D " + root + "\\a", "F " + root + "\\a\\f.txt",
                          Skipped(root + "\\a\\loop", kFolderWalkedAlready),
                          Skipped(root + "\\a\\self", kFolderWalkedAlready), "D " + walked, "F " + walked + "\\s.txt",
                          Skipped(reported, kFolderWalkedAlready), "END"}));
}

// Links that cross without leading back above: every path through them is
// a new walk of the same folders unless each folder is walked once.
TEST_F(DiskScanTest, CrossingLinksWalkEveryFolderOnce)
{
    ASSERT_TRUE(RunLinuxShell(root, "for i in 0 1 2 3 4 5 6; do mkdir d$i && touch d$i/f$i.txt || exit 1; done; "
                                    "for i in 0 1 2 3 4 5 6; do for j in 0 1 2 3 4 5 6; do "
                                    "[ $i = $j ] || ln -s ../d$j d$i/to$j || exit 1; done; done"));
    int directories = 0;
    std::map<std::string, int> files, reasons;  // files by name
    scan.OnDirFound = [&](TObject*, std::string) {
        if (++directories > 100) scan.Cancel();
    };
    scan.OnFileFound = [&](TObject*, std::string path) { ++files[path.substr(path.rfind('\\') + 1)]; };
    scan.OnEntrySkipped = [&](TObject*, std::string, std::string reason) { ++reasons[reason]; };
    ScanFrom(root);
    EXPECT_FALSE(scan.Cancelled());
    EXPECT_EQ(directories, 8);
    std::map<std::string, int> once;
    for (int i = 0; i < 7; ++i) once["f" + std::to_string(i) + ".txt"] = 1;
    EXPECT_EQ(files, once);
    // Seven folders and 42 links lead to the seven folders: all but the first way to each are reported.
    EXPECT_EQ(reasons, (std::map<std::string, int>{{kFolderWalkedAlready, 42}}));
}

// As Windows answers for a profile: the links named J are its hidden system
// junctions, which anyone may follow and nobody may list. The plain links K
// and the hidden system folder "locked" cannot be listed either.
const std::map<std::wstring, DWORD> kDeniedAsOnWindows = {
    {L"J", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT},
    {L"K", FILE_ATTRIBUTE_REPARSE_POINT},
    {L"locked", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}};
bool MarkAsOnWindows(BOOL found, WIN32_FIND_DATAW& data)
{
    auto denied = kDeniedAsOnWindows.find(data.cFileName);
    if (found && denied != kDeniedAsOnWindows.end()) data.dwFileAttributes |= denied->second;
    return found;
}
HANDLE WINAPI FindFirstAsWindows(LPCWSTR pattern, LPWIN32_FIND_DATAW data)
{
    if (std::wcsstr(pattern, L"\\J\\") || std::wcsstr(pattern, L"\\K\\") || std::wcsstr(pattern, L"\\locked\\")) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE find = FindFirstFileW(pattern, data);
    MarkAsOnWindows(find != INVALID_HANDLE_VALUE, *data);
    return find;
}
BOOL WINAPI FindNextAsWindows(HANDLE find, LPWIN32_FIND_DATAW data)
{
    return MarkAsOnWindows(FindNextFileW(find, data), *data);
}

// Each folder's links lead to the other folder, so whatever the listing's
// order, each kind is met once before the folder it leads to and once after.
TEST_F(DiskScanTest, JunctionsNobodyMayListAreLeftOutUnseenAndNoUnlistedFolderHidesAnother)
{
    ASSERT_TRUE(MakeTree(temp, {"a\\f.txt", "b\\f.txt", "locked\\f.txt"}));
    ASSERT_TRUE(RunLinuxShell(root, "ln -s ../b a/J && ln -s ../b a/K && ln -s ../a b/J && ln -s ../a b/K"));
    {
        const StandInCalls<FindFileCalls> windows({FindFirstAsWindows, FindNextAsWindows});
        ScanFrom(root);
    }
    const std::vector<std::string> order = TempDir::EntriesInOrder(root);
    const bool aFirst = std::find(order.begin(), order.end(), "a") < std::find(order.begin(), order.end(), "b");
    const std::string first = root + (aFirst ? "\\a" : "\\b"), second = root + (aFirst ? "\\b" : "\\a");
    EXPECT_EQ(SortedCopy(recorder.events),
              SortedCopy({"D " + root, "D " + first, "F " + first + "\\f.txt", "D " + first + "\\K",
                          Skipped(first + "\\K", kFolderUnreadable + "..."), "D " + second, "F " + second + "\\f.txt",
                          Skipped(second + "\\K", kFolderWalkedAlready), "D " + root + "\\locked",
                          Skipped(root + "\\locked", kFolderUnreadable + "..."), "END"}));
}

// A drive list and drive types standing in for the machine's.
struct FakeDrives {
    static inline std::string list;  // root strings, each terminated, then an empty one
    static inline std::vector<UINT> types;
    static inline std::vector<std::string> queried;
    static inline bool fail = false;

    static DWORD WINAPI LogicalDriveStrings(DWORD length, LPWSTR buffer)
    {
        if (fail) return 0;
        if (list.size() > length) return static_cast<DWORD>(list.size());
        std::copy(list.begin(), list.end(), buffer);
        return static_cast<DWORD>(list.size() - 1);
    }
    static UINT WINAPI DriveType(LPCWSTR wideRoot)
    {
        const std::string root = Narrow(wideRoot);
        queried.push_back(root);
        size_t index = types.size();
        for (size_t i = 0, at = 0; at < list.size() && list[at]; ++i, at += std::strlen(&list[at]) + 1)
            if (root == &list[at]) index = i;
        return index < types.size() ? types[index] : DRIVE_UNKNOWN;
    }
};

class DiskScanDrivesTest : public DiskScanTest {
protected:
    void SetUp() override
    {
        DiskScanTest::SetUp();
        FakeDrives::queried.clear();
        FakeDrives::fail = false;
        // Letters no drive of this machine uses, so nothing real is walked.
        DWORD used = GetLogicalDrives();
        for (char letter = 'Z'; letter >= 'D' && letters.size() < 6; --letter)
            if (!(used & (1u << (letter - 'A')))) letters.insert(letters.begin(), letter);
        ASSERT_EQ(letters.size(), 6u);
    }
    const StandInCalls<DiskScanCalls> fake{{FakeDrives::LogicalDriveStrings, FakeDrives::DriveType}};
    std::string letters;
};

// An empty start walks the fixed drives by designator; with no drive list it
// walks nothing and still finishes.
TEST_F(DiskScanDrivesTest, EmptyStartDirectoryWalksFixedDrivesByDesignator)
{
    std::vector<std::string> roots;
    FakeDrives::list.clear();
    for (char letter : letters) {
        roots.push_back(std::string(1, letter) + ":\\");
        FakeDrives::list += roots.back() + '\0';
    }
    FakeDrives::list += '\0';
    FakeDrives::types = {DRIVE_FIXED, DRIVE_CDROM, DRIVE_FIXED, DRIVE_REMOTE, DRIVE_REMOVABLE, DRIVE_RAMDISK};
    ScanFrom("");
    // No such drives exist here: each is announced, then reported as unreadable.
    const std::string first = std::string(1, letters[0]) + ":", third = std::string(1, letters[2]) + ":";
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"D " + first, Skipped(first, kFolderUnreadable + "..."), "D " + third,
                                        Skipped(third, kFolderUnreadable + "..."), "END"}));
    EXPECT_EQ(FakeDrives::queried, roots);

    FakeDrives::fail = true;
    FakeDrives::queried.clear();
    ScanFrom("");
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"END"}));
    EXPECT_TRUE(FakeDrives::queried.empty());
}

}  // namespace
