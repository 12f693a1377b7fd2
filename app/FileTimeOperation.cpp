#include "app/FileTimeOperation.h"

#include "app/FileTimeCalls.h"
#include "core/Calendar.h"
#include "core/DateTimeText.h"
#include "platform/LongPath.h"
#include "platform/ScopedHandle.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

namespace {

SYSTEMTIME ToSystemTime(const core::CalendarFields& fields)
{
    return SYSTEMTIME{fields.year, fields.month,  fields.dayOfWeek, fields.day,
                      fields.hour, fields.minute, fields.second,    fields.milliseconds};
}

bool SameWallClock(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute && a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

// The typed local time as a file time; false, with the message the window
// shows, for a text that cannot be written as one.
bool ReadFileTime(const std::string& text, int currentYear, FILETIME& time, std::string& refusal)
{
    double value = 0;
    if (!core::TryReadDateTime(text, currentYear, value)) {
        refusal = core::InvalidDateTimeMessage(text);
        return false;
    }
    const FileTimeCalls& calls = CallTable<FileTimeCalls>::Current();
    const SYSTEMTIME local = ToSystemTime(core::SplitDateTime(value));
    // The rule of the typed year: today's may differ in its offset or its summer time.
    TIME_ZONE_INFORMATION zone;
    const TIME_ZONE_INFORMATION* rule =
        calls.getTimeZoneInformationForYear(local.wYear, nullptr, &zone) ? &zone : nullptr;
    SYSTEMTIME utc, back;
    // No file time exists for it: every file would fail alike.
    if (!calls.tzSpecificLocalTimeToSystemTime(rule, &local, &utc) || !calls.systemTimeToFileTime(&utc, &time)) {
        refusal = core::BeforeFileTimeOriginMessage(text);
        return false;
    }
    // Written, it would leave every time as it was and look like success.
    if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) {
        refusal = core::UnwritableFileTimeMessage(text);
        return false;
    }
    // A time the clocks skip comes back as another: which one was meant is a guess.
    if (!calls.systemTimeToTzSpecificLocalTime(rule, &utc, &back) || !SameWallClock(local, back)) {
        refusal = core::SkippedLocalTimeMessage(text);
        return false;
    }
    return true;
}

bool Fail(std::string& reason, DWORD error = GetLastError())
{
    reason = SystemErrorText(error);
    return false;
}

}  // namespace

bool ApplyFileTime(const std::string& path, const FILETIME& time, FileTimeSlot slot, std::string& reason,
                   BY_HANDLE_FILE_INFORMATION* before, BY_HANDLE_FILE_INFORMATION* after)
{
    const FileTimeCalls& calls = CallTable<FileTimeCalls>::Current();
    ScopedHandle file(calls.OpenEntry(ExactWidePath(path)), calls.closeHandle);
    if (!file.IsOpen()) return Fail(reason);
    if (before) {
        if (!calls.getFileInformationByHandle(file.Get(), before)) {
            before->dwFileAttributes = INVALID_FILE_ATTRIBUTES;
            return Fail(reason);
        }
        // Opened for its attributes alone, a read-only file would take new
        // times; it keeps them, as it did when it was opened for writing.
        if (before->dwFileAttributes & FILE_ATTRIBUTE_READONLY) return Fail(reason, ERROR_ACCESS_DENIED);
    }

    const FILETIME* creation = slot == FileTimeSlot::Creation ? &time : nullptr;
    const FILETIME* lastAccess = slot == FileTimeSlot::LastAccess ? &time : nullptr;
    const FILETIME* lastWrite = slot == FileTimeSlot::LastWrite ? &time : nullptr;
    if (!calls.setFileTime(file.Get(), creation, lastAccess, lastWrite)) return Fail(reason);
    if (after && !calls.getFileInformationByHandle(file.Get(), after))
        after->dwFileAttributes = INVALID_FILE_ATTRIBUTES;
    return true;
}

bool StampCreationTime(const std::string& path, const FILETIME& time, std::string& reason,
                       BY_HANDLE_FILE_INFORMATION* before)
{
    return ApplyFileTime(path, time, FileTimeSlot::Creation, reason, before);
}

bool StampLastWriteTime(const std::string& path, const FILETIME& time, std::string& reason)
{
    return ApplyFileTime(path, time, FileTimeSlot::LastWrite, reason);
}

bool StampLastAccessTime(const std::string& path, const FILETIME& time, std::string& reason,
                         BY_HANDLE_FILE_INFORMATION* after)
{
    return ApplyFileTime(path, time, FileTimeSlot::LastAccess, reason, nullptr, after);
}

BatchResult RunFileTimeBatch(const std::vector<std::string>& targets, const std::string& dateTimeText, int currentYear,
                             const BatchProgress& progress, BatchRecord* record)
{
    BatchResult result;
    const int count = static_cast<int>(targets.size());
    progress.Start(count);
    FILETIME time{};
    for (int i = 1; i <= count && !progress.Stopped(); ++i) {
        const std::string& path = targets[i - 1];
        progress.Advance(i);
        // The text is the same for every file and time: read and converted as the first file comes up.
        if (i == 1 && !ReadFileTime(dateTimeText, currentYear, time, result.refusal)) return result;
        result.tried = static_cast<std::size_t>(i);
        // The times before and the attributes come through the creation time's
        // handle, what the file is afterwards through the last one.
        BY_HANDLE_FILE_INFORMATION before, after;
        before.dwFileAttributes = after.dwFileAttributes = INVALID_FILE_ATTRIBUTES;
        std::string reason, firstReason;
        bool all = StampCreationTime(path, time, firstReason, &before), any = all;
        // Unread or read-only, the file is left as it is.
        if (before.dwFileAttributes == INVALID_FILE_ATTRIBUTES || (before.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) {
            result.failures.push_back(core::FileFailure{path, firstReason});
            continue;
        }
        auto tally = [&](bool stamped) {
            if (!stamped && all) firstReason = reason;
            all = all && stamped;
            any = any || stamped;
        };
        tally(StampLastWriteTime(path, time, reason));
        tally(StampLastAccessTime(path, time, reason, record ? &after : nullptr));
        if (all) ++result.changed;
        if (!all) result.failures.push_back(core::FileFailure{path, firstReason});
        if (record && any) record->AddTimes(path, before, after);
    }
    return result;
}
