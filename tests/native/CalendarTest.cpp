#include "core/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using core::CalendarFields;
using core::CombineDateTime;
using core::EncodeDate;
using core::EncodeTime;
using core::SplitDateTime;

namespace {

struct Fields {
    int year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

void ExpectFields(const CalendarFields& actual, const Fields& expected)
{
    EXPECT_EQ(actual.year, expected.year);
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.dayOfWeek, expected.dayOfWeek);
    EXPECT_EQ(actual.day, expected.day);
    EXPECT_EQ(actual.hour, expected.hour);
    EXPECT_EQ(actual.minute, expected.minute);
    EXPECT_EQ(actual.second, expected.second);
    EXPECT_EQ(actual.milliseconds, expected.milliseconds);
}

constexpr double kMs = 1.0 / 86400000.0;

}  // namespace

TEST(CalendarTest, DayNumbers)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_EQ(EncodeDate(2020, 3, 1) - EncodeDate(2020, 2, 28), 2.0);
    EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1.0);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(CalendarTest, DateValidity)
{
    EXPECT_TRUE(core::IsValidDate(2020, 2, 29));
    EXPECT_FALSE(core::IsValidDate(2021, 2, 29));
    EXPECT_FALSE(core::IsValidDate(1900, 2, 29));
    EXPECT_TRUE(core::IsValidDate(2000, 2, 29));
    EXPECT_FALSE(core::IsValidDate(2020, 4, 31));
    EXPECT_FALSE(core::IsValidDate(2020, 13, 1));
    EXPECT_FALSE(core::IsValidDate(2020, 0, 1));
    EXPECT_FALSE(core::IsValidDate(2020, 1, 0));
    EXPECT_FALSE(core::IsValidDate(0, 1, 1));
    EXPECT_TRUE(core::IsValidDate(9999, 12, 31));
    EXPECT_FALSE(core::IsValidDate(10000, 1, 1));
}

TEST(CalendarTest, SplitsIntoFields)
{
    double value = EncodeDate(2020, 12, 12) + EncodeTime(12, 12, 12, 0);
    ExpectFields(SplitDateTime(value), {2020, 12, 6, 12, 12, 12, 12, 0});
    ExpectFields(SplitDateTime(EncodeDate(1899, 12, 30)), {1899, 12, 6, 30, 0, 0, 0, 0});
    ExpectFields(SplitDateTime(EncodeDate(1601, 1, 1)), {1601, 1, 1, 1, 0, 0, 0, 0});
    ExpectFields(SplitDateTime(EncodeDate(2020, 2, 29) + EncodeTime(23, 59, 59, 999)),
                 {2020, 2, 6, 29, 23, 59, 59, 999});
    ExpectFields(SplitDateTime(EncodeDate(2026, 1, 4)), {2026, 1, 0, 4, 0, 0, 0, 0});
}

TEST(CalendarTest, RoundsToTheNearestMillisecond)
{
    double day = EncodeDate(2020, 12, 12);
    ExpectFields(SplitDateTime(day + EncodeTime(10, 0, 0, 0) + 0.4 * kMs), {2020, 12, 6, 12, 10, 0, 0, 0});
    ExpectFields(SplitDateTime(day + EncodeTime(10, 0, 0, 0) + 0.6 * kMs), {2020, 12, 6, 12, 10, 0, 0, 1});
    ExpectFields(SplitDateTime(day + EncodeTime(10, 0, 59, 999) + 0.7 * kMs), {2020, 12, 6, 12, 10, 1, 0, 0});
}

TEST(CalendarTest, RoundingUpToMidnightCarriesIntoTheNextDay)
{
    ExpectFields(SplitDateTime(EncodeDate(2020, 12, 31) + 1 - 0.3 * kMs), {2021, 1, 5, 1, 0, 0, 0, 0});
    ExpectFields(SplitDateTime(EncodeDate(2020, 2, 28) + 1 - 0.3 * kMs), {2020, 2, 6, 29, 0, 0, 0, 0});
}

TEST(CalendarTest, DaysBefore1899CountTheTimeForward)
{
    double value = CombineDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
    EXPECT_DOUBLE_EQ(value, -1.25);
    ExpectFields(SplitDateTime(value), {1899, 12, 5, 29, 6, 0, 0, 0});
    // 20 March of the year 20 was a Friday in the proleptic Gregorian calendar.
    ExpectFields(SplitDateTime(CombineDateTime(EncodeDate(20, 3, 20), EncodeTime(12, 0, 0, 0))),
                 {20, 3, 5, 20, 12, 0, 0, 0});
}

TEST(CalendarTest, ValuesOutsideTheCalendarGiveZeroFields)
{
    for (double value :
         {EncodeDate(1, 1, 1) - 1, EncodeDate(9999, 12, 31) + 1, std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        ExpectFields(SplitDateTime(value), {0, 0, 0, 0, 0, 0, 0, 0});
    }
    // Rounding past the last day leaves the calendar as well.
    ExpectFields(SplitDateTime(EncodeDate(9999, 12, 31) + 1 - 0.3 * kMs), {0, 0, 0, 0, 0, 0, 0, 0});
}
