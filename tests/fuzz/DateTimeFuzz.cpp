// A text TryReadDateTime accepts is a valid calendar date and time in whole
// seconds; the value reads back from its own fields, surrounding spaces
// change nothing, and a short year only ever moves with the current year.

#include <string>

#include "FuzzInput.h"
#include "core/Calendar.h"
#include "core/DateTimeText.h"

namespace {

std::string Fields(const core::CalendarFields& f)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%u-%u %u:%u:%u.%03u", f.year, f.month, f.day, f.hour, f.minute, f.second,
                  f.milliseconds);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    // Years a system clock gives.
    const int currentYear = 1601 + static_cast<std::uint16_t>(input.Int16()) % 8399;
    const std::string text = input.Rest();
    const std::string year = std::to_string(currentYear);

    double value = 0;
    const bool accepted = core::TryReadDateTime(text, currentYear, value);
    double spaced = 0;
    const bool spacedAccepted = core::TryReadDateTime("  " + text + " ", currentYear, spaced);
    FUZZ_CHECK(spacedAccepted == accepted, text, year);
    if (!accepted) return 0;
    FUZZ_CHECK(spaced == value, text, year);

    const core::CalendarFields f = core::SplitDateTime(value);
    const std::string fields = Fields(f);
    FUZZ_CHECK(f.year >= 1 && f.year <= 9999 && f.month >= 1 && f.month <= 12 && f.day >= 1 &&
                   f.day <= core::DaysInMonth(f.year, f.month) && f.hour < 24 && f.minute < 60 && f.second < 60 &&
                   f.milliseconds == 0 && f.dayOfWeek < 7,
               text, year, fields);

    // Four digits keep the year as written, whatever the current year.
    char again[64];
    std::snprintf(again, sizeof again, "%04u-%u-%u %u:%u:%u", f.year, f.month, f.day, f.hour, f.minute, f.second);
    double reread = 0;
    FUZZ_CHECK(core::TryReadDateTime(again, 9999 - currentYear + 1601, reread) && reread == value, text, year, again);

    // A year of one or two digits lies in the hundred years from 50 before
    // the current year, and a century later moves it by exactly 100.
    double later = 0;
    if (core::TryReadDateTime(text, currentYear + 100, later)) {
        const core::CalendarFields g = core::SplitDateTime(later);
        FUZZ_CHECK(g.month == f.month && g.day == f.day && g.hour == f.hour && g.minute == f.minute &&
                       g.second == f.second,
                   text, year, fields, Fields(g));
        FUZZ_CHECK(g.year == f.year ||
                       (g.year == f.year + 100 && f.year >= currentYear - 50 && f.year < currentYear + 50),
                   text, year, fields, Fields(g));
    }
    return 0;
}
