#include "app/BatchProgress.h"
#include "app/FileTimeCalls.h"
#include "app/FileTimeOperation.h"
#include "core/Calendar.h"
#include "toolkit/Object.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"

#include "BatchTestHelpers.h"
#include "StandInCalls.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr int kCurrentYear = 2026;

// The typed wall-clock time as the file time itself: no local-time shift.
unsigned long long Expected(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME fields = {year, month, 0, day, hour, minute, second, 0};
    FILETIME time = {};
    EXPECT_TRUE(SystemTimeToFileTime(&fields, &time));
    return Ticks(time);
}

// Passes every call on to the platform and records what was asked.
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

private:
    static HANDLE WINAPI RecordOpen(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                    DWORD disposition, DWORD flags, HANDLE templateFile)
    {
        current->opens.push_back(
            {name, access, share, disposition, flags, security != nullptr, templateFile != nullptr});
        HANDLE handle = CreateFileW(name, access, share, security, disposition, flags, templateFile);
        if (handle != INVALID_HANDLE_VALUE) current->openedHandles.push_back(handle);
        return handle;
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
    const StandInCalls<FileTimeCalls> table_{{RecordOpen, SystemTimeToFileTime, RecordSetTime, RecordClose}};
};

RecordingCalls* RecordingCalls::current = nullptr;

// Each file is opened three times through its long form, which reaches it
// at any depth, and gets the typed time as the file time itself in one slot
// a call. A read-only file is listed and keeps its times while the batch goes
// on; another program's open handle, sharing reading and writing, blocks nothing.
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
    const unsigned long long expected = Expected(2020, 1, 5, 5, 0, 7);
    const std::string stamped[] = {first, held, last};  // the read-only file is never opened
    for (const std::string& path : stamped) {
        EXPECT_EQ(TimesOf(path).lastWrite, expected) << path;
        EXPECT_EQ(TimesOf(path).lastAccess, expected) << path;
    }
    ASSERT_EQ(calls.opens.size(), 9u);
    ASSERT_EQ(calls.sets.size(), 9u);
    // Creation, then last write, then last access; only that slot is given.
    const bool slots[3][3] = {{true, false, false}, {false, false, true}, {false, true, false}};
    for (size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const RecordingCalls::Open& open = calls.opens[i];
        EXPECT_EQ(open.path, L"\\\\?\\" + Widen(stamped[i / 3]));
        EXPECT_EQ(open.access, static_cast<DWORD>(FILE_WRITE_ATTRIBUTES));
        EXPECT_EQ(open.share, static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE));
        EXPECT_EQ(open.disposition, static_cast<DWORD>(OPEN_EXISTING));
        EXPECT_EQ(open.flags, 0u);
        EXPECT_FALSE(open.security);
        EXPECT_FALSE(open.templateFile);
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
    const double value = core::CombineDateTime(core::EncodeDate(2020, 12, 12), core::EncodeTime(12, 12, 12, 0));
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
        EXPECT_EQ(ApplyFileTime(c.path, value, FileTimeSlot::LastWrite, reason), c.expected);
        EXPECT_EQ(reason.empty(), c.expected) << reason;
        EXPECT_EQ(calls.openedHandles.size(), c.opened);
        EXPECT_EQ(calls.closedHandles, calls.openedHandles);
    }
    EXPECT_EQ(TimesOf(path).lastWrite, Expected(2020, 12, 12, 12, 12, 12));
}

// Time 0 would be taken as "leave unchanged", and a year before 1601 has no
// file time: refused like an unreadable text. An empty list reads no text.
TEST(FileTimeOperationTest, UnreadableOrUnwritableTextIsRefusedAtTheFirstFileBeforeTouchingIt)
{
    const struct {
        const char* text;
        const char* message;
        size_t files;
    } cases[] = {
        {"2020-13-12 12:12:12", "'2020-13-12 12:12:12' is not a valid date and time", 2},
        {"1601-01-01 00:00:00", "'1601-01-01 00:00:00' 是文件时间的起点，系统把它当作“不更改”，不能写入文件", 2},
        {"0020-12-12 12:12:12", "'0020-12-12 12:12:12' 早于文件时间的起点 1601-01-01，不能写入文件", 2},
        {"not a date", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TempDir temp;
        std::vector<std::string> targets = {OldFile(temp, "a.txt"), OldFile(temp, "b.txt")};
        const Times before = TimesOf(targets[0]);
        targets.resize(c.files);
        RecordingCalls calls;
        ProgressLog progress;

        BatchResult result = RunFileTimeBatch(targets, c.text, kCurrentYear, progress.Callbacks());

        EXPECT_EQ(result.refusal, c.message);
        EXPECT_TRUE(result.failures.empty());
        EXPECT_EQ(progress.calls,
                  (c.files ? std::vector<std::string>{"start 2", "advance 1"} : std::vector<std::string>{"start 0"}));
        EXPECT_TRUE(calls.opens.empty());
        EXPECT_EQ(TimesOf(temp.PathOf("a.txt")), before);
    }
}

}  // namespace
