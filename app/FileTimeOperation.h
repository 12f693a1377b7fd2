// Setting one of a file's three times to a date and time.
#pragma once

#include "app/BatchProgress.h"
#include "app/BatchRecord.h"
#include "app/BatchResult.h"
#include "core/FailureReport.h"

#include <windows.h>

#include <string>
#include <vector>

enum class FileTimeSlot { LastAccess = 0, LastWrite = 1, Creation = 2 };

// True only when the entry was opened and that one time was set; on failure
// reason holds the system's text for the failing call. The entry itself is
// opened, a link and not what it leads to, for its attributes alone, sharing
// everything. With before, its information is read through the same handle
// first, and a read-only entry keeps its time; with after, once the time is
// set (attributes INVALID_FILE_ATTRIBUTES when that read fails).
bool ApplyFileTime(const std::string& path, const FILETIME& time, FileTimeSlot slot, std::string& reason,
                   BY_HANDLE_FILE_INFORMATION* before = nullptr, BY_HANDLE_FILE_INFORMATION* after = nullptr);

bool StampCreationTime(const std::string& path, const FILETIME& time, std::string& reason,
                       BY_HANDLE_FILE_INFORMATION* before = nullptr);
bool StampLastWriteTime(const std::string& path, const FILETIME& time, std::string& reason);
bool StampLastAccessTime(const std::string& path, const FILETIME& time, std::string& reason,
                         BY_HANDLE_FILE_INFORMATION* after = nullptr);

// Sets the creation, last-write and last-access time of every target to the
// local date and time in dateTimeText, converted to UTC by the rule in force
// on that date. The bar advances before each file. A text that cannot be
// written as a file time is refused as the first file comes up, before any
// file is touched: so is a time before 1601-01-01 00:00 UTC, and one the
// clocks skip when summer time begins. A time they repeat is the first of
// the two, still in summer time. A read-only file, or one whose attributes
// cannot be read, keeps its times and is listed; so is a file with a time
// that could not be set, once, with the first reason; the batch goes on.
// With a record, the times each changed file had before are added to it.
BatchResult RunFileTimeBatch(const std::vector<std::string>& targets, const std::string& dateTimeText, int currentYear,
                             const BatchProgress& progress, BatchRecord* record = nullptr);
