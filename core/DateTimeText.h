#pragma once

#include <string>

namespace core {

// Reads "year-month-day hour:minute:second". Spaces may come before every
// number and separator, and after the seconds; any other text is rejected.
// A one- or two-digit year falls in the hundred years that begin 50 years
// before currentYear. On success out is the date-time value (see Calendar.h).
bool TryReadDateTime(const std::string& text, int currentYear, double& out);

// "5" -> "05", "" -> "0"; two or more bytes stay as they are.
std::string PadTimeField(const std::string& field);

std::string ComposeDateTimeText(const std::string& year, const std::string& month, const std::string& day,
                                const std::string& hour, const std::string& minute, const std::string& second);

// "'<text>' is not a valid date and time"
std::string InvalidDateTimeMessage(const std::string& text);

// The refusals of a local time that has no file time: UTC 1601-01-01
// 00:00:00 is file time 0, which the platform takes as "leave this time
// unchanged"; nothing before it exists; nor does a local time the clocks
// skip when summer time begins.
std::string UnwritableFileTimeMessage(const std::string& text);
std::string BeforeFileTimeOriginMessage(const std::string& text);
std::string SkippedLocalTimeMessage(const std::string& text);

}  // namespace core
