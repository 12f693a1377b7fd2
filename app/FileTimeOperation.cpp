#include "app/FileTimeOperation.h"

#include "app/FileTimeCalls.h"
#include "core/Calendar.h"
#include "core/DateTimeText.h"
#include "toolkit/Object.h"
#include "toolkit/ScopedHandle.h"
#include "toolkit/SystemErrorText.h"

#include <windows.h>

namespace {

SYSTEMTIME ToSystemTime(const core::CalendarFields& fields)
{
    SYSTEMTIME time;
    time.wYear = fields.year;
    time.wMonth = fields.month;
    time.wDayOfWeek = fields.dayOfWeek;
    time.wDay = fields.day;
    time.wHour = fields.hour;
    time.wMinute = fields.minute;
    time.wSecond = fields.second;
    time.wMilliseconds = fields.milliseconds;
    return time;
}

double ReadDateTime(const std::string& text, int currentYear)
{
    double value = 0;
    if (!core::TryReadDateTime(text, currentYear, value)) throw EConvertError(core::InvalidDateTimeMessage(text));
    // Written, it would leave every time as it was and look like success.
    if (core::IsFileTimeOrigin(value)) throw EConvertError(core::UnwritableFileTimeMessage(text));
    return value;
}

// Creation, last-access and last-write time, read before the batch changes them.
bool ReadFileTimes(const std::string& path, FILETIME (&times)[3])
{
    ScopedHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr),
                      CloseHandle);
    return file.IsOpen() && GetFileTime(file.Get(), &times[0], &times[1], &times[2]);
}

bool Fail(std::string& reason)
{
    reason = SystemErrorText(GetLastError());
    return false;
}

}  // namespace

bool ApplyFileTime(const std::string& path, double value, FileTimeSlot slot, std::string& reason)
{
    const FileTimeCalls& calls = CallTable<FileTimeCalls>::Current();
    ScopedHandle file(calls.createFile(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
                      calls.closeHandle);
    if (!file.IsOpen()) return Fail(reason);

    SYSTEMTIME fields = ToSystemTime(core::SplitDateTime(value));
    FILETIME time;
    if (!calls.systemTimeToFileTime(&fields, &time)) return Fail(reason);

    const FILETIME* creation = slot == FileTimeSlot::Creation ? &time : nullptr;
    const FILETIME* lastAccess = slot == FileTimeSlot::LastAccess ? &time : nullptr;
    const FILETIME* lastWrite = slot == FileTimeSlot::LastWrite ? &time : nullptr;
    if (!calls.setFileTime(file.Get(), creation, lastAccess, lastWrite)) return Fail(reason);
    return true;
}

bool ApplyFileTime(const std::string& path, double value, FileTimeSlot slot)
{
    std::string reason;
    return ApplyFileTime(path, value, slot, reason);
}

bool StampCreationTime(const std::string& path, double value, std::string& reason)
{
    return ApplyFileTime(path, value, FileTimeSlot::Creation, reason);
}

bool StampCreationTime(const std::string& path, double value)
{
    return ApplyFileTime(path, value, FileTimeSlot::Creation);
}

bool StampLastWriteTime(const std::string& path, double value, std::string& reason)
{
    return ApplyFileTime(path, value, FileTimeSlot::LastWrite, reason);
}

bool StampLastWriteTime(const std::string& path, double value)
{
    return ApplyFileTime(path, value, FileTimeSlot::LastWrite);
}

bool StampLastAccessTime(const std::string& path, double value, std::string& reason)
{
    return ApplyFileTime(path, value, FileTimeSlot::LastAccess, reason);
}

bool StampLastAccessTime(const std::string& path, double value)
{
    return ApplyFileTime(path, value, FileTimeSlot::LastAccess);
}

std::vector<core::FileFailure> RunFileTimeBatch(const std::vector<std::string>& targets,
                                                const std::string& dateTimeText, int currentYear,
                                                const BatchProgress& progress, BatchRecord* record)
{
    std::vector<core::FileFailure> failures;
    const int count = static_cast<int>(targets.size());
    Fire(progress.start, count);
    for (int i = 1; i <= count && !progress.Stopped(); ++i) {
        const std::string& path = targets[i - 1];
        Fire(progress.advance, i);
        bool stamped = true;
        std::string firstReason;
        auto note = [&](bool ok, const std::string& reason) {
            if (!ok && stamped) firstReason = reason;
            stamped = stamped && ok;
        };
        std::string reason;
        const double creation = ReadDateTime(dateTimeText, currentYear);
        FILETIME before[3] = {};
        const bool known = record && ReadFileTimes(path, before);
        bool anyStamped = false;
        auto stamp = [&](bool ok) {
            note(ok, reason);
            anyStamped = anyStamped || ok;
        };
        stamp(StampCreationTime(path, creation, reason));
        stamp(StampLastWriteTime(path, ReadDateTime(dateTimeText, currentYear), reason));
        stamp(StampLastAccessTime(path, ReadDateTime(dateTimeText, currentYear), reason));
        if (!stamped) failures.push_back(core::FileFailure{path, firstReason});
        if (known && anyStamped) record->AddTimes(path, before[0], before[1], before[2]);
    }
    return failures;
}
