#pragma once

#include <cstdint>

namespace core {

// Date-time values are days since 1899-12-30 with the time of day as the
// fraction. Before that day the value is negative and the fraction still
// counts forward: 1899-12-29 06:00 is -1.25.

struct CalendarFields {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;  // 0 = Sunday
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

bool IsLeapYear(int year);
// 0 for a month outside 1-12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int milliseconds);

// Callers pass a valid date / time.
double EncodeDate(int year, int month, int day);
double EncodeTime(int hour, int minute, int second, int milliseconds);
// Joins a date and a time of day by the sign convention above.
double CombineDateTime(double date, double time);

// The time of day is rounded to the nearest millisecond; rounding up to
// 24:00:00.000 gives 00:00:00.000 of the next day. A value outside years
// 1-9999 (or not a number) gives all fields 0, which no file time accepts.
CalendarFields SplitDateTime(double value);

}  // namespace core
