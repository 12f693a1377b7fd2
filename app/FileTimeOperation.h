// Setting one of a file's three times to a date-time value.
#pragma once

#include "app/BatchProgress.h"
#include "app/BatchRecord.h"
#include "app/BatchResult.h"
#include "core/FailureReport.h"

#include <string>
#include <vector>

enum class FileTimeSlot { LastAccess = 0, LastWrite = 1, Creation = 2 };

// True only when the file was opened and that one time was set; on failure
// reason holds the system's text for the failing call. The file is opened
// for its attributes alone, sharing everything. The value is stored as the
// file time itself, without conversion from local time.
bool ApplyFileTime(const std::string& path, double value, FileTimeSlot slot, std::string& reason);

bool StampCreationTime(const std::string& path, double value, std::string& reason);
bool StampLastWriteTime(const std::string& path, double value, std::string& reason);
bool StampLastAccessTime(const std::string& path, double value, std::string& reason);

// Sets the creation, last-write and last-access time of every target to the
// date and time in dateTimeText. The bar advances before each file. A text
// that cannot be written as a file time is refused as the first file comes
// up, before any file is touched (so is a year before 1601). A read-only
// file keeps its times and is listed; so is a file with a time that could
// not be set, once, with the first reason; the batch goes on. With a record,
// the times each changed file had before are added to it.
BatchResult RunFileTimeBatch(const std::vector<std::string>& targets, const std::string& dateTimeText, int currentYear,
                             const BatchProgress& progress, BatchRecord* record = nullptr);
