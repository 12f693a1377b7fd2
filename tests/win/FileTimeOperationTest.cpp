#include "app/BatchProgress.h"
#include "app/BatchRecord.h"
#include "app/FileTimeCalls.h"
#include "app/FileTimeOperation.h"
#include "toolkit/Object.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include "BatchTestHelpers.h"
#include "StandInCalls.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kCurrentYear = 2026;

// Passes every call on to the platform and records what was asked. As
// Windows does, and Wine does not, a link opened without
// FILE_FLAG_OPEN_REPARSE_POINT opens what it leads to: linkTargets.
class RecordingCalls {
public:
    struct Open {
        std::wstring path;
        DWORD access, share, disposition, flags;
        bool security, templateFile;
    };
    struct Set {
        bool creation, lastAccess, lastWrite;
        unsigned long long ticks;
    };

    RecordingCalls() { current = this; }
    ~RecordingCalls() { current = nullptr; }

    std::vector<Open> opens;
    std::vector<Set> sets;
    std::vector<HANDLE> openedHandles;
    std::vector<HANDLE> closedHandles;
    bool failSetFileTime = false;
    int informationReads = 0;
    // The rule it gives for 2006, for every other year the zone's own.
    const TIME_ZONE_INFORMATION* rule2006 = nullptr;
    std::map<std::wstring, std::wstring> linkTargets;

private:
    static HANDLE WINAPI RecordOpen(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                    DWORD disposition, DWORD flags, HANDLE templateFile)
    {
        current->opens.push_back(
            {name, access, share, disposition, flags, security != nullptr, templateFile != nullptr});
        const auto link = current->linkTargets.find(name);
        if (link != current->linkTargets.end() && !(flags & FILE_FLAG_OPEN_REPARSE_POINT)) name = link->second.c_str();
        HANDLE handle = CreateFileW(name, access, share, security, disposition, flags, templateFile);
        if (handle != INVALID_HANDLE_VALUE) current->openedHandles.push_back(handle);
        return handle;
    }
    static BOOL WINAPI RecordInformation(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information)
    {
        ++current->informationReads;
        return GetFileInformationByHandle(file, information);
    }
    static BOOL WINAPI ZoneForYear(USHORT year, PDYNAMIC_TIME_ZONE_INFORMATION zone, LPTIME_ZONE_INFORMATION rule)
    {
        if (year != 2006 || !current->rule2006) return GetTimeZoneInformationForYear(year, zone, rule);
        *rule = *current->rule2006;
        return TRUE;
    }
    static BOOL WINAPI RecordSetTime(HANDLE file, const FILETIME* creation, const FILETIME* access,
                                     const FILETIME* write)
    {
        const FILETIME* given = creation ? creation : access ? access : write;
        current->sets.push_back({creation != nullptr, access != nullptr, write != nullptr, given ? Ticks(*given) : 0});
        if (current->failSetFileTime) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        return SetFileTime(file, creation, access, write);
    }
    static BOOL WINAPI RecordClose(HANDLE handle)
    {
        current->closedHandles.push_back(handle);
        return CloseHandle(handle);
    }

    static RecordingCalls* current;
    const StandInCalls<FileTimeCalls> table_{{RecordOpen, RecordInformation, ZoneForYear,
                                              TzSpecificLocalTimeToSystemTime, SystemTimeToTzSpecificLocalTime,
                                              SystemTimeToFileTime, RecordSetTime, RecordClose}};
};

RecordingCalls* RecordingCalls::current = nullptr;

// Each file's entry is opened three times through its long form, which
// reaches it at any depth, and gets the typed local time in one slot a call;
// the first handle also gives its attributes. A read-only file is listed and
// keeps its times while the batch goes on; another program's open handle,
// sharing reading and writing, blocks nothing.
TEST(FileTimeOperationTest, BatchStampsEverySlotOfEachFileButListsAReadOnlyOne)
{
    TempDir temp;
    temp.Create("sub");
    const std::string first = OldFile(temp, "sub\\图片.jpg"), held = OldFile(temp, "held.txt");
    const std::string readOnly = OldFile(temp, "readonly.txt"), last = OldFile(temp, "last.txt");
    ASSERT_TRUE(SetFileAttributesW(Widen(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    ScopedHandle holder(CreateFileW(Widen(held).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr),
                        CloseHandle);
    ASSERT_TRUE(holder.IsOpen());
    const Times before = TimesOf(readOnly);
    RecordingCalls calls;
    ProgressLog progress;

    auto failures =
        RunFileTimeBatch({first, held, readOnly, last}, "2020-1-5 05:0:07", kCurrentYear, progress.Callbacks())
            .failures;

    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, readOnly);
    EXPECT_FALSE(failures[0].reason.empty());
    EXPECT_EQ(TimesOf(readOnly), before);
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"start 4", "advance 1", "advance 2", "advance 3", "advance 4"}));
    const unsigned long long expected = LocalTicks(2020, 1, 5, 5, 0, 7);
    const std::string stamped[] = {first, held, last};
    for (const std::string& path : stamped) {
        EXPECT_EQ(TimesOf(path).lastWrite, expected) << path;
        EXPECT_EQ(TimesOf(path).lastAccess, expected) << path;
    }
    // The read-only file is opened once, for its attributes.
    const std::string opened[] = {first, first, first, held, held, held, readOnly, last, last, last};
    ASSERT_EQ(calls.opens.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const RecordingCalls::Open& open = calls.opens[i];
        EXPECT_EQ(open.path, L"\\\\?\\" + Widen(opened[i]));
        EXPECT_EQ(open.access, static_cast<DWORD>(FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES));
        EXPECT_EQ(open.share, static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE));
        EXPECT_EQ(open.disposition, static_cast<DWORD>(OPEN_EXISTING));
        EXPECT_EQ(open.flags, static_cast<DWORD>(FILE_FLAG_OPEN_REPARSE_POINT));
        EXPECT_FALSE(open.security);
        EXPECT_FALSE(open.templateFile);
    }
    EXPECT_EQ(calls.informationReads, 4);
    // Creation, then last write, then last access; only that slot is given.
    const bool slots[3][3] = {{true, false, false}, {false, false, true}, {false, true, false}};
    ASSERT_EQ(calls.sets.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls.sets[i].creation, slots[i % 3][0]);
        EXPECT_EQ(calls.sets[i].lastAccess, slots[i % 3][1]);
        EXPECT_EQ(calls.sets[i].lastWrite, slots[i % 3][2]);
        EXPECT_EQ(calls.sets[i].ticks, expected);
    }
    EXPECT_EQ(calls.closedHandles, calls.openedHandles);
}

TEST(FileTimeOperationTest, ApplyFileTimeReportsWhyAndClosesOnEveryPath)
{
    TempDir temp;
    std::string path = OldFile(temp, "a.txt");
    const FILETIME time{0x12345678, 0x01D6D000};
    struct Case {
        const char* name;
        std::string path;
        bool failSet;
        bool expected;
        size_t opened;
    };
    const Case cases[] = {
        {"set", path, false, true, 1},
        {"missing", temp.Path() + "\\none.txt", false, false, 0},
        {"SetFileTime fails", path, true, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCalls calls;
        calls.failSetFileTime = c.failSet;
        std::string reason;
        EXPECT_EQ(ApplyFileTime(c.path, time, FileTimeSlot::LastWrite, reason), c.expected);
        EXPECT_EQ(reason.empty(), c.expected) << reason;
        EXPECT_EQ(calls.openedHandles.size(), c.opened);
        EXPECT_EQ(calls.closedHandles, calls.openedHandles);
    }
    EXPECT_EQ(TimesOf(path).lastWrite, Ticks(time));
}

// The typed time is local: each row gives the UTC time stored under
// Asia/Shanghai and under Europe/Berlin, or the refusal, which comes at the
// first file before any is touched. UTC 1601-01-01 00:00 is time 0, taken as
// "leave unchanged", and nothing comes before it. Berlin skips 02:30 on
// 2021-03-28; its repeated 02:30 on 2021-10-31 is the first, in summer time.
// An empty list reads no text.
TEST(FileTimeOperationTest, TheTypedLocalTimeIsStoredInUtcOrRefusedAtTheFirstFile)
{
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    const bool berlin = zone.Bias == -60;
    if (!berlin && zone.Bias != -480) GTEST_SKIP() << "rows for Asia/Shanghai and Europe/Berlin only";
    const std::string invalid = "' is not a valid date and time",
                      before = "' 早于文件时间的起点 1601-01-01 00:00（UTC），不能写入文件",
                      origin = "' 是文件时间的起点，系统把它当作“不更改”，不能写入文件",
                      skipped = "' 在本地时区不存在（夏令时开始时时钟跳过了这一时刻），不能写入文件";
    const struct {
        const char* text;
        std::string shanghai, berlin;
        size_t files;
    } cases[] = {
        {"2020-07-01 12:00:00", "2020-07-01 04:00:00", "2020-07-01 10:00:00", 2},
        {"2020-12-01 12:00:00", "2020-12-01 04:00:00", "2020-12-01 11:00:00", 2},
        {"2021-03-28 02:30:00", "2021-03-27 18:30:00", skipped, 2},
        {"2021-10-31 02:30:00", "2021-10-30 18:30:00", "2021-10-31 00:30:00", 2},
        {"1601-01-01 08:00:01", "1601-01-01 00:00:01", "1601-01-01 07:00:01", 2},
        {"1601-01-01 08:00:00", origin, "1601-01-01 07:00:00", 2},
        {"1601-01-01 01:00:00", before, origin, 2},
        {"1601-01-01 00:00:00", before, before, 2},
        {"0020-12-12 12:12:12", before, before, 2},
        {"2020-13-12 12:12:12", invalid, invalid, 2},
        {"not a date", "", "", 0},
        {"2006-04-01 12:00:00", "2006-04-01 17:00:00", "2006-04-01 17:00:00", 2},
    };
    // The rule of the typed year, not today's: in 2006 New York's summer time began in April.
    const TIME_ZONE_INFORMATION newYork2006{300, {}, {0, 10, 0, 5, 2, 0, 0, 0}, 0, {}, {0, 4, 0, 1, 2, 0, 0, 0}, -60};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string& expected = berlin ? c.berlin : c.shanghai;
        const bool refused = expected.empty() || expected[0] == '\'';
        TempDir temp;
        std::vector<std::string> targets = {OldFile(temp, "a.txt"), OldFile(temp, "b.txt")};
        const Times old = TimesOf(targets[0]);
        targets.resize(c.files);
        RecordingCalls calls;
        calls.rule2006 = &newYork2006;
        ProgressLog progress;

        BatchResult result = RunFileTimeBatch(targets, c.text, kCurrentYear, progress.Callbacks());

        EXPECT_TRUE(result.failures.empty());
        if (!refused) {
            EXPECT_EQ(result.refusal, "");
            // What is asked of the file system: this one keeps nothing before 1901.
            ASSERT_EQ(calls.sets.size(), 6u);
            EXPECT_EQ(UtcText(calls.sets[5].ticks), expected);
            continue;
        }
        EXPECT_EQ(result.refusal, c.files ? "'" + std::string(c.text) + expected : "");
        EXPECT_EQ(progress.calls,
                  (c.files ? std::vector<std::string>{"start 2", "advance 1"} : std::vector<std::string>{"start 0"}));
        EXPECT_TRUE(calls.opens.empty());
        EXPECT_EQ(TimesOf(temp.PathOf("a.txt")), old);
    }
}

// A symbolic link is an entry of its own, as for the renames: the batch and
// its undo set and read the link, never what it leads to, which may lie
// outside the chosen folder and have been saved since.
TEST(FileTimeOperationTest, ALinkTakesTheTimesAndGivesThemBackItself)
{
    TempDir temp;
    const std::string link = OldFile(temp, "link.txt"), target = OldFile(temp, "target.txt");
    const Times linkBefore = TimesOf(link);
    RecordingCalls calls;
    calls.linkTargets[L"\\\\?\\" + Widen(link)] = L"\\\\?\\" + Widen(target);
    BatchRecord record;

    ASSERT_TRUE(
        RunFileTimeBatch({link}, "2020-12-12 12:12:12", kCurrentYear, BatchProgress{}, &record).failures.empty());
    EXPECT_EQ(TimesOf(link).lastWrite, LocalTicks(2020, 12, 12, 12, 12, 12));
    temp.WriteFile("target.txt", "saved since");
    const Times saved = TimesOf(target);
    EXPECT_TRUE(record.Undo(BatchProgress{}).failures.empty());

    EXPECT_EQ(TimesOf(link), linkBefore);
    EXPECT_EQ(TimesOf(target), saved);
    ASSERT_EQ(calls.opens.size(), 4u);
    for (const RecordingCalls::Open& open : calls.opens)
        EXPECT_EQ(open.flags, static_cast<DWORD>(FILE_FLAG_OPEN_REPARSE_POINT));
}

}  // namespace
