#include "core/DateTimeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Calendar.h"

using core::ComposeDateTimeText;
using core::PadTimeField;
using core::TryReadDateTime;

namespace {

constexpr int kCurrentYear = 2026;

struct ReadCase {
    std::string text;
    int year, month, day, hour, minute, second;
};

}  // namespace

TEST(DateTimeTextTest, ReadsValidTexts)
{
    const std::vector<ReadCase> cases = {
        {"2020-12-12 12:12:12", 2020, 12, 12, 12, 12, 12},
        {"2020-12-12 05:0:07", 2020, 12, 12, 5, 0, 7},
        {"2020-1-5 12:12:12", 2020, 1, 5, 12, 12, 12},
        {"2020-02-29 00:00:00", 2020, 2, 29, 0, 0, 0},
        {"2000-02-29 23:59:59", 2000, 2, 29, 23, 59, 59},
        {"20-12-12 12:12:12", 2020, 12, 12, 12, 12, 12},
        {"76-1-1 0:0:0", 1976, 1, 1, 0, 0, 0},
        {"75-1-1 0:0:0", 2075, 1, 1, 0, 0, 0},
        {"5-6-7 1:2:3", 2005, 6, 7, 1, 2, 3},
        {"0020-12-12 12:12:12", 20, 12, 12, 12, 12, 12},
        {"020-12-12 12:12:12", 20, 12, 12, 12, 12, 12},
        {"9999-12-31 23:59:59", 9999, 12, 31, 23, 59, 59},
        {"2020-0012-00012 0012:000012:12", 2020, 12, 12, 12, 12, 12},
        {"  2020 -  12 - 12   12 : 12 :  12", 2020, 12, 12, 12, 12, 12},
        {"2020-12-12 12:12:12  ", 2020, 12, 12, 12, 12, 12},
    };
    for (const ReadCase& c : cases) {
        double value = -1;
        ASSERT_TRUE(TryReadDateTime(c.text, kCurrentYear, value)) << c.text;
        core::CalendarFields fields = core::SplitDateTime(value);
        EXPECT_EQ(fields.year, c.year) << c.text;
        EXPECT_EQ(fields.month, c.month) << c.text;
        EXPECT_EQ(fields.day, c.day) << c.text;
        EXPECT_EQ(fields.hour, c.hour) << c.text;
        EXPECT_EQ(fields.minute, c.minute) << c.text;
        EXPECT_EQ(fields.second, c.second) << c.text;
        EXPECT_EQ(fields.milliseconds, 0) << c.text;
    }
}

TEST(DateTimeTextTest, ValueIsDayCountWithTimeFraction)
{
    double value = 0;
    ASSERT_TRUE(TryReadDateTime("2000-01-01 12:00:00", kCurrentYear, value));
    EXPECT_DOUBLE_EQ(value, 36526.5);
    ASSERT_TRUE(TryReadDateTime("1899-12-29 06:00:00", kCurrentYear, value));
    EXPECT_DOUBLE_EQ(value, -1.25);
}

TEST(DateTimeTextTest, TwoDigitYearsFollowTheCurrentYear)
{
    double value = 0;
    for (int currentYear : {1971, 2026, 2070}) {
        ASSERT_TRUE(TryReadDateTime("20-1-1 0:0:0", currentYear, value));
        EXPECT_EQ(core::SplitDateTime(value).year, 2020) << currentYear;
    }
    ASSERT_TRUE(TryReadDateTime("20-1-1 0:0:0", 2071, value));
    EXPECT_EQ(core::SplitDateTime(value).year, 2120);
    ASSERT_TRUE(TryReadDateTime("20-1-1 0:0:0", 1970, value));
    EXPECT_EQ(core::SplitDateTime(value).year, 1920);
}

TEST(DateTimeTextTest, RejectsInvalidTexts)
{
    const std::vector<std::string> cases = {
        "2020-13-12 12:12:12",
        "2020-0-12 12:12:12",
        "2021-02-29 12:12:12",
        "1900-02-29 12:12:12",
        "2020-04-31 12:12:12",
        "2020-12-0 12:12:12",
        "2020-12-12 24:00:00",
        "2020-12-12 12:60:00",
        "2020-12-12 12:00:60",
        "12345-12-12 12:12:12",
        "2020-12-12345 12:12:12",
        "000-1-1 0:0:0",
        "",
        " ",
        "2020-12-12",
        "2020-12-12 ",
        "2020-12-12 12:12",
        "2020-12-12 12:12:",
        "2020-12-1212:12:12",
        "2020/12/12 12:12:12",
        "-12-12 12:12:12",
        "2020--12 12:12:12",
        "+2020-12-12 12:12:12",
        "2020-12-12 12:12:12x",
        "2020-12-12 12:12:12 PM",
        "AM 2020-12-12 12:12:12",
        "2020-12-12 AM 12:12:12",
        "2020-12-12 12:12:12.5",
        "2020-12-12- 12:12:12",
        "2020-12-12 12:12:12:12",
        "2020-12-12\t12:12:12",
        std::string("2020-12-12 12:12:12\0", 20),
        "２０２０-12-12 12:12:12",
    };
    for (const std::string& text : cases) {
        double value = 42;
        EXPECT_FALSE(TryReadDateTime(text, kCurrentYear, value)) << text;
        EXPECT_EQ(value, 42) << text;
    }
}

TEST(DateTimeTextTest, PadsShortTimeFields)
{
    EXPECT_EQ(PadTimeField("5"), "05");
    EXPECT_EQ(PadTimeField(""), "0");
    EXPECT_EQ(PadTimeField("12"), "12");
    EXPECT_EQ(PadTimeField("123"), "123");
    EXPECT_EQ(PadTimeField(" "), "0 ");
    EXPECT_EQ(PadTimeField("时"), "时");  // two bytes already
}

TEST(DateTimeTextTest, ComposesAndReadsBack)
{
    std::string text = ComposeDateTimeText("2020", "12", "12", PadTimeField("5"), PadTimeField(""), PadTimeField("7"));
    EXPECT_EQ(text, "2020-12-12 05:0:07");
    double value = 0;
    EXPECT_TRUE(TryReadDateTime(text, kCurrentYear, value));
    EXPECT_EQ(ComposeDateTimeText("2020", "13", "12", "12", "12", "12"), "2020-13-12 12:12:12");
}

TEST(DateTimeTextTest, InvalidMessage)
{
    EXPECT_EQ(core::InvalidDateTimeMessage("2020-13-12 12:12:12"),
              "'2020-13-12 12:12:12' is not a valid date and time");
    EXPECT_EQ(core::InvalidDateTimeMessage("%s%d-1-1 0:0:0"), "'%s%d-1-1 0:0:0' is not a valid date and time");
}
