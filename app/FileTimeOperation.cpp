#include "app/FileTimeOperation.h"

#include "app/FileTimeCalls.h"
#include "core/Calendar.h"
#include "core/DateTimeText.h"
#include "platform/LongPath.h"
#include "platform/ScopedHandle.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

namespace {

// Setting times locks nothing: a file another program holds open is stamped too.
constexpr DWORD kFullSharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

SYSTEMTIME ToSystemTime(const core::CalendarFields& fields)
{
    return SYSTEMTIME{fields.year, fields.month,  fields.dayOfWeek, fields.day,
                      fields.hour, fields.minute, fields.second,    fields.milliseconds};
}

// False, with the message the window shows, for a text that cannot be
// written as a file time.
bool ReadDateTime(const std::string& text, int currentYear, double& value, std::string& refusal)
{
    if (!core::TryReadDateTime(text, currentYear, value)) {
        refusal = core::InvalidDateTimeMessage(text);
        return false;
    }
    // Written, it would leave every time as it was and look like success.
    if (core::IsFileTimeOrigin(value)) {
        refusal = core::UnwritableFileTimeMessage(text);
        return false;
    }
    // No file time exists for it: every file would fail alike.
    if (core::IsBeforeFileTimeOrigin(value)) {
        refusal = core::BeforeFileTimeOriginMessage(text);
        return false;
    }
    return true;
}

// Creation, last-access and last-write time, read before the batch changes them.
bool ReadFileTimes(const std::string& path, FILETIME (&times)[3])
{
    ScopedHandle file(CreateFileW(ExactWidePath(path).c_str(), FILE_READ_ATTRIBUTES, kFullSharing, nullptr,
                                  OPEN_EXISTING, 0, nullptr),
                      CloseHandle);
    return file.IsOpen() && GetFileTime(file.Get(), &times[0], &times[1], &times[2]);
}

bool Fail(std::string& reason)
{
    reason = SystemErrorText(GetLastError());
    return false;
}

// Opened for its attributes alone, a read-only file would take new times;
// it keeps them, as it did when it was opened for writing.
bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(ExactWidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

bool ApplyFileTime(const std::string& path, double value, FileTimeSlot slot, std::string& reason)
{
    const FileTimeCalls& calls = CallTable<FileTimeCalls>::Current();
    ScopedHandle file(calls.createFile(ExactWidePath(path).c_str(), FILE_WRITE_ATTRIBUTES, kFullSharing, nullptr,
                                       OPEN_EXISTING, 0, nullptr),
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

bool StampCreationTime(const std::string& path, double value, std::string& reason)
{
    return ApplyFileTime(path, value, FileTimeSlot::Creation, reason);
}

bool StampLastWriteTime(const std::string& path, double value, std::string& reason)
{
    return ApplyFileTime(path, value, FileTimeSlot::LastWrite, reason);
}

bool StampLastAccessTime(const std::string& path, double value, std::string& reason)
{
    return ApplyFileTime(path, value, FileTimeSlot::LastAccess, reason);
}

BatchResult RunFileTimeBatch(const std::vector<std::string>& targets, const std::string& dateTimeText, int currentYear,
                             const BatchProgress& progress, BatchRecord* record)
{
    BatchResult result;
    const int count = static_cast<int>(targets.size());
    progress.Start(count);
    double value = 0;
    for (int i = 1; i <= count && !progress.Stopped(); ++i) {
        const std::string& path = targets[i - 1];
        progress.Advance(i);
        // The text is the same for every file and time: read as the first file comes up.
        if (i == 1 && !ReadDateTime(dateTimeText, currentYear, value, result.refusal)) return result;
        result.tried = static_cast<std::size_t>(i);
        if (IsReadOnly(path)) {
            result.failures.push_back(core::FileFailure{path, SystemErrorText(ERROR_ACCESS_DENIED)});
            continue;
        }
        FILETIME before[3] = {};
        const bool known = record && ReadFileTimes(path, before);
        std::string reason, firstReason;
        bool all = true, any = false;
        for (auto stamp : {StampCreationTime, StampLastWriteTime, StampLastAccessTime}) {
            const bool stamped = stamp(path, value, reason);
            if (!stamped && all) firstReason = reason;
            all = all && stamped;
            any = any || stamped;
        }
        if (all) ++result.changed;
        if (!all) result.failures.push_back(core::FileFailure{path, firstReason});
        if (known && any) record->AddTimes(path, before[0], before[1], before[2]);
    }
    return result;
}
