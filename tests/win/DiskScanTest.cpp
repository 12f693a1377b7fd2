#include "components/DiskScan.h"

#include "TempDir.h"
#include "TestApplication.h"
#include "components/DiskScanCalls.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What a scanner reported, in order: "D dir", "F file", "END"; and who sent it.
struct Recorder {
    std::vector<std::string> events;
    std::vector<TObject*> senders;

    void Attach(TDiskScan& scan)
    {
        scan.OnDirFound = [this](TObject* sender, std::string directory) { Add(sender, "D " + directory); };
        scan.OnFileFound = [this](TObject* sender, std::string fileName) { Add(sender, "F " + fileName); };
        scan.OnScanFinish = [this](TObject* sender) { Add(sender, "END"); };
    }
    void Add(TObject* sender, std::string event)
    {
        senders.push_back(sender);
        events.push_back(std::move(event));
    }
    std::vector<std::string> Sorted() const
    {
        std::vector<std::string> sorted = events;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }
};

std::vector<std::string> SortedCopy(std::vector<std::string> items)
{
    std::sort(items.begin(), items.end());
    return items;
}

// The entries of a folder in the order the file system hands them out, without "." and "..".
std::vector<std::string> EnumerationOrder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

// a.txt, sub\b.txt, z.txt.
void MakeExampleTree(const TempDir& temp)
{
    temp.Create("sub");
    temp.WriteFile("a.txt");
    temp.WriteFile("sub\\b.txt");
    temp.WriteFile("z.txt");
}

// What a scan of the example tree must report when started as start; paths
// are built from start and one backslash, in the folder's enumeration order.
std::vector<std::string> ExampleTreeEvents(const std::string& start, const std::string& folder)
{
    std::vector<std::string> events{"D " + start};
    const std::string prefix = start + "\\";
    for (const std::string& name : EnumerationOrder(folder)) {
        if (name == "sub") {
            events.push_back("D " + prefix + "sub");
            events.push_back("F " + prefix + "sub\\b.txt");
        } else {
            events.push_back("F " + prefix + name);
        }
    }
    events.push_back("END");
    return events;
}

// An open enumeration keeps its directory from being renamed (Windows and Wine alike).
bool RenamesAndBack(const std::string& directory)
{
    const std::string moved = directory + "-moved";
    return MoveFileA(directory.c_str(), moved.c_str()) && MoveFileA(moved.c_str(), directory.c_str());
}

class DiskScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_FALSE(temp.Path().empty());
        recorder.Attach(scan);
    }

    TempDir temp;
    TDiskScan scan{nullptr};
    Recorder recorder;
};

TEST_F(DiskScanTest, ReportsTheTreeDepthFirstInEnumerationOrder)
{
    MakeExampleTree(temp);
    scan.SetStartDirectory(temp.Path());
    scan.Scan();
    EXPECT_EQ(recorder.events, ExampleTreeEvents(temp.Path(), temp.Path()));
    for (TObject* sender : recorder.senders) EXPECT_EQ(sender, &scan);
    EXPECT_FALSE(scan.Cancelled());
}

TEST_F(DiskScanTest, TrailingBackslashIsDoubledInEveryPath)
{
    MakeExampleTree(temp);
    const std::string start = temp.Path() + "\\";
    scan.SetStartDirectory(start);
    scan.Scan();
    EXPECT_EQ(recorder.events, ExampleTreeEvents(start, temp.Path()));
    EXPECT_NE(std::find(recorder.events.begin(), recorder.events.end(), "F " + temp.Path() + "\\\\a.txt"),
              recorder.events.end());
}

TEST_F(DiskScanTest, SkipsPeriodDirectoriesOnlyAndIgnoresOtherAttributes)
{
    temp.Create(".git\\objects");
    temp.WriteFile(".git\\HEAD");
    temp.WriteFile(".git\\objects\\pack");
    temp.WriteFile(".gitignore");
    temp.WriteFile("h.txt", "", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    temp.WriteFile("r.txt", "", FILE_ATTRIBUTE_READONLY);
    const std::string secret = temp.Create("secret");
    temp.WriteFile("secret\\s.txt");
    ASSERT_TRUE(SetFileAttributesA(secret.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(GetFileAttributesA(secret.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(GetFileAttributesA((temp.Path() + "\\h.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);

    scan.SetStartDirectory(temp.Path());
    scan.Scan();
    const std::string root = temp.Path();
    EXPECT_EQ(recorder.Sorted(), SortedCopy({"D " + root, "F " + root + "\\.gitignore", "F " + root + "\\h.txt",
                                             "F " + root + "\\r.txt", "D " + root + "\\secret",
                                             "F " + root + "\\secret\\s.txt", "END"}));
    EXPECT_EQ(recorder.events.front(), "D " + root);
    EXPECT_EQ(recorder.events.back(), "END");
}

TEST_F(DiskScanTest, StartDirectoryWithoutEntriesIsOnlyAnnounced)
{
    struct Case {
        const char* what;
        std::string start;
    };
    temp.Create("empty");
    const Case cases[] = {
        {"missing directory", temp.Path() + "\\nothere"},
        {"empty directory", temp.Path() + "\\empty"},
        {"a file, not a directory", temp.WriteFile("plain.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        recorder.events.clear();
        scan.SetStartDirectory(c.start);
        scan.Scan();
        EXPECT_EQ(recorder.events, (std::vector<std::string>{"D " + c.start, "END"}));
    }
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
    MakeExampleTree(temp);
    temp.Create("sub\\deep");
    temp.WriteFile("sub\\deep\\c.txt");
    CountingScan bare;
    bare.SetStartDirectory(temp.Path());
    bare.Scan();
    const std::string root = temp.Path();
    EXPECT_EQ(bare.directories, (std::vector<std::string>{root, root + "\\sub", root + "\\sub\\deep"}));
    EXPECT_FALSE(bare.Cancelled());

    // With only OnDirFound assigned, each directory is announced once, after DoDirFound.
    std::vector<std::string> announced;
    bare.OnDirFound = [&](TObject*, std::string directory) { announced.push_back(directory); };
    bare.directories.clear();
    bare.Scan();
    EXPECT_EQ(announced, bare.directories);
}

TEST_F(DiskScanTest, ExceptionFromHandlerLeavesScanWithEveryEnumerationClosed)
{
    MakeExampleTree(temp);
    temp.Create("sub\\deep");
    temp.WriteFile("sub\\deep\\c.txt");
    scan.SetStartDirectory(temp.Path());
    scan.OnFileFound = [this](TObject* sender, std::string fileName) {
        if (fileName.size() >= 5 && fileName.compare(fileName.size() - 5, 5, "c.txt") == 0)
            throw std::runtime_error("stop");
        recorder.Add(sender, "F " + fileName);
    };
    EXPECT_THROW(scan.Scan(), std::runtime_error);  // three levels were open at the throw
    for (const char* level : {"\\sub\\deep", "\\sub", ""})
        EXPECT_TRUE(RenamesAndBack(temp.Path() + level)) << "still open: " << temp.Path() + level;
    EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "END"), 0);
    EXPECT_FALSE(scan.Cancelled());

    // The scanner is usable again, and nothing keeps the folders open.
    recorder.events.clear();
    recorder.Attach(scan);
    scan.Scan();
    ASSERT_FALSE(recorder.events.empty());
    EXPECT_EQ(recorder.events.back(), "END");
    EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "F " + temp.Path() + "\\sub\\deep\\c.txt"), 1);
    EXPECT_TRUE(DeleteFileA((temp.Path() + "\\sub\\deep\\c.txt").c_str()));
    EXPECT_TRUE(RemoveDirectoryA((temp.Path() + "\\sub\\deep").c_str()));
}

TEST_F(DiskScanTest, CancelFromHandlerStopsAtOnce)
{
    MakeExampleTree(temp);
    temp.Create("sub\\deep");
    temp.WriteFile("sub\\deep\\c.txt");
    const std::string root = temp.Path();
    scan.SetStartDirectory(root);
    struct Case {
        const char* what;
        std::string cancelAt;  // the event whose handler cancels
    };
    const Case cases[] = {
        {"in OnDirFound of the start", "D " + root},
        {"in OnDirFound of a subdirectory", "D " + root + "\\sub"},
        {"in OnFileFound two levels down", "F " + root + "\\sub\\deep\\c.txt"},
        {"in OnFileFound at the top", "F " + root + "\\z.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        recorder.events.clear();
        auto cancelOn = [&](const std::string& event) {
            recorder.events.push_back(event);
            if (event == c.cancelAt) scan.Cancel();
        };
        scan.OnDirFound = [&](TObject*, std::string directory) { cancelOn("D " + directory); };
        scan.OnFileFound = [&](TObject*, std::string fileName) { cancelOn("F " + fileName); };
        scan.Scan();
        EXPECT_TRUE(scan.Cancelled());
        for (const char* level : {"\\sub\\deep", "\\sub", ""})
            EXPECT_TRUE(RenamesAndBack(root + level)) << "still open: " << root + level;
        ASSERT_FALSE(recorder.events.empty());
        EXPECT_EQ(recorder.events.back(), c.cancelAt);  // nothing after it, no OnScanFinish
    }

    // A cancel applies to the scans running at the time, never to a later one.
    recorder.events.clear();
    recorder.Attach(scan);
    scan.Cancel();
    scan.Scan();
    EXPECT_FALSE(scan.Cancelled());
    EXPECT_EQ(recorder.events.size(), 8u);  // three directories, four files, the finish
    EXPECT_EQ(recorder.events.back(), "END");
}

TEST_F(DiskScanTest, ScanStartedFromHandlerRunsToItsEndFirst)
{
    temp.Create("A\\sub");
    temp.WriteFile("A\\sub\\b.txt");
    temp.Create("B");
    temp.WriteFile("B\\x.txt");
    const std::string a = temp.Path() + "\\A";
    const std::string b = temp.Path() + "\\B";
    bool nested = false;
    scan.OnDirFound = [&](TObject* sender, std::string directory) {
        recorder.Add(sender, "D " + directory);
        if (directory == a + "\\sub" && !nested) {
            nested = true;
            scan.SetStartDirectory(b);
            scan.Scan();
        }
    };
    scan.SetStartDirectory(a);
    scan.Scan();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"D " + a, "D " + a + "\\sub", "D " + b, "F " + b + "\\x.txt",
                                                         "END", "F " + a + "\\sub\\b.txt", "END"}));

    // Cancelling inside the inner scan ends the outer one as well.
    recorder.events.clear();
    nested = false;
    scan.OnFileFound = [&](TObject* sender, std::string fileName) {
        recorder.Add(sender, "F " + fileName);
        if (fileName == b + "\\x.txt") scan.Cancel();
    };
    scan.SetStartDirectory(a);
    scan.Scan();
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
        window = CreateWindowExA(0, cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
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
    MakeExampleTree(temp);
    temp.Create("sub\\deep");
    temp.WriteFile("sub\\deep\\c.txt");
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
    scan.SetStartDirectory(temp.Path());
    scan.Scan();

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

// Entries made through \\?\ paths, longer than the ANSI calls can reach; removed again in reverse.
class LongTree {
public:
    ~LongTree()
    {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
            if (it->second) RemoveDirectoryW(it->first.c_str());
            else DeleteFileW(it->first.c_str());
        }
    }
    bool Directory(const std::string& path) { return Make(path, true); }
    bool File(const std::string& path) { return Make(path, false); }

private:
    bool Make(const std::string& path, bool directory)
    {
        std::wstring wide = L"\\\\?\\";
        for (char c : path) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
        bool ok;
        if (directory) {
            ok = CreateDirectoryW(wide.c_str(), nullptr) != FALSE;
        } else {
            HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            ok = file != INVALID_HANDLE_VALUE;
            if (ok) CloseHandle(file);
        }
        if (ok) made_.emplace_back(wide, directory);
        return ok;
    }

    std::vector<std::pair<std::wstring, bool>> made_;
};

// prefix followed by a name of tag and padding, total bytes long.
std::string PathOfLength(const std::string& prefix, const std::string& tag, size_t total)
{
    return prefix + tag + std::string(total - prefix.size() - tag.size(), 'x');
}

TEST_F(DiskScanTest, SkipsEntriesWhosePathWouldNotFitMaxPath)
{
    const std::string root = temp.Path();
    for (char c : root) ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "the \\\\?\\ helper takes ASCII paths";
    ASSERT_LT(root.size(), 150u);
    LongTree tree;
    const std::string level = PathOfLength(root + "\\", "L", 199);  // its entries start at byte 200
    ASSERT_TRUE(tree.Directory(level));
    const std::string fits = PathOfLength(level + "\\", "fits", 259);
    const std::string tooLong = PathOfLength(level + "\\", "long", 260);
    const std::string tooLongDir = PathOfLength(level + "\\", "dir", 260);
    const std::string closeDir = PathOfLength(level + "\\", "closeDir", 250);
    const std::string closeFits = PathOfLength(closeDir + "\\", "f", 259);
    const std::string closeLong = PathOfLength(closeDir + "\\", "g", 260);
    ASSERT_TRUE(tree.File(fits));
    ASSERT_TRUE(tree.File(tooLong));
    ASSERT_TRUE(tree.Directory(tooLongDir));
    ASSERT_TRUE(tree.File(tooLongDir + "\\a.txt"));
    ASSERT_TRUE(tree.Directory(closeDir));
    ASSERT_TRUE(tree.File(closeFits));
    ASSERT_TRUE(tree.File(closeLong));

    scan.SetStartDirectory(root);
    scan.Scan();
    EXPECT_EQ(recorder.Sorted(), SortedCopy({"D " + root, "D " + level, "F " + fits, "D " + closeDir, "F " + closeFits,
                                             "END"}));
}

// Where Wine keeps a Windows path on the Linux side; empty outside Wine.
std::string UnixPath(const std::string& path)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* name = toUnix(wide);
    if (!name) return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a Linux program from under Wine. Wine gives no process handle for it,
// so the caller watches for the program's effect instead.
bool RunUnix(const std::string& program, const std::string& arguments, const std::function<bool()>& done)
{
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    std::string commandLine = program + " " + arguments;
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    for (int i = 0; i < 500 && !done(); ++i) Sleep(10);
    return done();
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Directory links made for one test and removed before its folder goes, so that
// the folder's removal never walks through them.
class DirectoryLinks {
public:
    ~DirectoryLinks()
    {
        for (const std::string& link : links_) {
            if (RemoveDirectoryA(link.c_str())) continue;
            RunUnix("/bin/rm", "-f \"" + UnixPath(link) + "\"", [&] { return !Exists(link); });
        }
    }
    // A symbolic link at link to the directory target; false when this system cannot make one.
    bool Make(const std::string& link, const std::string& target)
    {
        // Wine's CreateSymbolicLinkA reports success and makes nothing: look, then use ln there.
        if (CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) && Exists(link)) {
            links_.push_back(link);
            return true;
        }
        const std::string unixLink = UnixPath(link.substr(0, link.rfind('\\')));
        const std::string unixTarget = UnixPath(target);
        if (unixLink.empty() || unixTarget.empty()) return false;
        const std::string name = link.substr(link.rfind('\\') + 1);
        if (!RunUnix("/bin/ln", "-s \"" + unixTarget + "\" \"" + unixLink + "/" + name + "\"",
                     [&] { return Exists(link); }))
            return false;
        links_.push_back(link);
        return true;
    }

private:
    std::vector<std::string> links_;
};

TEST_F(DiskScanTest, LinkBackIntoAnOpenDirectoryIsNotWalkedAgain)
{
    const std::string root = temp.Path();
    temp.Create("a");
    temp.WriteFile("a\\f.txt");
    temp.Create("side");
    temp.WriteFile("side\\s.txt");
    DirectoryLinks links;
    if (!links.Make(root + "\\a\\loop", root))
        GTEST_SKIP() << "this system makes no directory links for the test (no privilege, and not Wine)";
    ASSERT_TRUE(links.Make(root + "\\a\\self", root + "\\a"));
    ASSERT_TRUE(links.Make(root + "\\a\\toside", root + "\\side"));
    ASSERT_TRUE(GetFileAttributesA((root + "\\a\\loop").c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    // Without the check the walk would multiply until paths reach MAX_PATH; end it early then.
    scan.OnDirFound = [&](TObject* sender, std::string directory) {
        recorder.Add(sender, "D " + directory);
        if (recorder.events.size() > 100) scan.Cancel();
    };
    scan.SetStartDirectory(root);
    scan.Scan();
    EXPECT_FALSE(scan.Cancelled());
    // loop and self lead to directories open above them; toside leads beside, so it is walked.
    EXPECT_EQ(recorder.Sorted(), SortedCopy({"D " + root, "D " + root + "\\a", "F " + root + "\\a\\f.txt",
                                             "D " + root + "\\a\\toside", "F " + root + "\\a\\toside\\s.txt",
                                             "D " + root + "\\side", "F " + root + "\\side\\s.txt", "END"}));
}

// A drive list and drive types standing in for the machine's.
struct FakeDrives {
    static inline std::string list;  // root strings, each terminated, then an empty one
    static inline std::vector<UINT> types;
    static inline std::vector<std::string> queried;
    static inline bool fail = false;

    static DWORD WINAPI LogicalDriveStrings(DWORD length, LPSTR buffer)
    {
        if (fail) return 0;
        if (list.size() > length) return static_cast<DWORD>(list.size());
        std::memcpy(buffer, list.data(), list.size());
        return static_cast<DWORD>(list.size() - 1);
    }
    static UINT WINAPI DriveType(LPCSTR root)
    {
        queried.push_back(root);
        size_t index = types.size();
        for (size_t i = 0, at = 0; at < list.size() && list[at]; ++i, at += std::strlen(&list[at]) + 1)
            if (std::strcmp(&list[at], root) == 0) index = i;
        return index < types.size() ? types[index] : DRIVE_UNKNOWN;
    }
};

class DiskScanDrivesTest : public DiskScanTest {
protected:
    void SetUp() override
    {
        DiskScanTest::SetUp();
        DiskScanCalls::Install(&fake);
        FakeDrives::queried.clear();
        FakeDrives::fail = false;
        // Letters no drive of this machine uses, so nothing real is walked.
        DWORD used = GetLogicalDrives();
        for (char letter = 'Z'; letter >= 'D' && letters.size() < 6; --letter)
            if (!(used & (1u << (letter - 'A')))) letters.insert(letters.begin(), letter);
        ASSERT_EQ(letters.size(), 6u);
    }
    void TearDown() override { DiskScanCalls::Install(nullptr); }

    DiskScanCalls fake{FakeDrives::LogicalDriveStrings, FakeDrives::DriveType};
    std::string letters;
};

TEST_F(DiskScanDrivesTest, EmptyStartDirectoryWalksFixedDrivesByDesignator)
{
    FakeDrives::list.clear();
    for (char letter : letters) FakeDrives::list += std::string(1, letter) + ":\\" + '\0';
    FakeDrives::list += '\0';
    FakeDrives::types = {DRIVE_FIXED, DRIVE_CDROM, DRIVE_FIXED, DRIVE_REMOTE, DRIVE_REMOVABLE, DRIVE_RAMDISK};
    scan.Scan();
    const std::string first(1, letters[0]), third(1, letters[2]);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"D " + first + ":", "D " + third + ":", "END"}));
    std::vector<std::string> roots;
    for (char letter : letters) roots.push_back(std::string(1, letter) + ":\\");
    EXPECT_EQ(FakeDrives::queried, roots);
}

TEST_F(DiskScanDrivesTest, NoDriveListWalksNothingAndStillFinishes)
{
    FakeDrives::fail = true;
    scan.Scan();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"END"}));
    EXPECT_TRUE(FakeDrives::queried.empty());
}

}  // namespace
