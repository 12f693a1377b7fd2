#include "core/Calendar.h"

#include <cmath>

namespace core {

namespace {

constexpr long long kMsPerDay = 24LL * 60 * 60 * 1000;
// Day number of 1899-12-30 counted from 1970-01-01.
constexpr long long kEpochOffset = -25569;

// Days from 1970-01-01 in the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int milliseconds)
{
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59 && milliseconds >= 0 &&
           milliseconds <= 999;
}

double EncodeDate(int year, int month, int day)
{
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                               kEpochOffset);
}

double EncodeTime(int hour, int minute, int second, int milliseconds)
{
    long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + milliseconds;
    return static_cast<double>(ms) / kMsPerDay;
}

double CombineDateTime(double date, double time)
{
    return date < 0 ? date - time : date + time;
}

CalendarFields SplitDateTime(double value)
{
    CalendarFields fields;
    const double first = EncodeDate(1, 1, 1);
    const double last = EncodeDate(9999, 12, 31) + 1;
    if (!(value > first - 1 && value < last)) return fields;
    double whole = std::trunc(value);
    long long dayNumber = static_cast<long long>(whole);
    long long ms = std::llround(std::fabs(value - whole) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++dayNumber;
    }
    long long year;
    unsigned month, day;
    CivilFromDays(dayNumber + kEpochOffset, year, month, day);
    if (year < 1 || year > 9999) return CalendarFields();
    // 1970-01-01 was a Thursday.
    long long weekday = ((dayNumber + kEpochOffset) % 7 + 7 + 4) % 7;
    fields.year = static_cast<std::uint16_t>(year);
    fields.month = static_cast<std::uint16_t>(month);
    fields.day = static_cast<std::uint16_t>(day);
    fields.dayOfWeek = static_cast<std::uint16_t>(weekday);
    fields.hour = static_cast<std::uint16_t>(ms / 3600000);
    fields.minute = static_cast<std::uint16_t>(ms / 60000 % 60);
    fields.second = static_cast<std::uint16_t>(ms / 1000 % 60);
    fields.milliseconds = static_cast<std::uint16_t>(ms % 1000);
    return fields;
}

}  // namespace core
