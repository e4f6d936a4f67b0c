#include "core/TwilightCalc.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

CalcDate MakeDate(int year, int month, int day, int hour = 0)
{
    CalcDate date{};
    date.year = std::uint16_t(year);
    date.month = std::uint16_t(month);
    date.day = std::uint16_t(day);
    date.hour = std::uint16_t(hour);
    date.dayOfWeek = CTwilightCalc::DayOfWeek(unsigned(day), unsigned(month), unsigned(year));
    return date;
}

struct MonthCase
{
    const char* name;
    unsigned month, year, days;
};
void PrintTo(const MonthCase& c, std::ostream* os) { *os << c.name; }

const MonthCase kMonthCases[] = {
    {"Feb1900NotLeap", 2, 1900, 28}, {"Feb2000Leap", 2, 2000, 29}, {"Feb2004Leap", 2, 2004, 29},
    {"Feb2009", 2, 2009, 28},        {"Feb2100NotLeap", 2, 2100, 28}, {"MonthZero", 0, 2009, 30},
    {"MonthZeroLeapYear", 0, 2012, 30}, {"Month13", 13, 2009, 1}, {"Month255", 255, 2000, 1},
    {"July", 7, 2009, 31},           {"August", 8, 2009, 31},      {"September", 9, 2009, 30},
};
class DaysInMonthTable : public ::testing::TestWithParam<MonthCase> {};

TEST_P(DaysInMonthTable, GivesTheMonthLength)
{
    const MonthCase& c = GetParam();
    EXPECT_EQ(CTwilightCalc::DaysInMonth(std::uint8_t(c.month), c.year), c.days);
}
INSTANTIATE_TEST_SUITE_P(Calendar, DaysInMonthTable, ::testing::ValuesIn(kMonthCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Calendar, DaysInMonthAgreesWithStdChrono)
{
    for (int y = 1900; y <= 2099; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month_day_last last{year{y} / month{m} / std::chrono::last};
            ASSERT_EQ(CTwilightCalc::DaysInMonth(std::uint8_t(m), unsigned(y)), unsigned(last.day())) << y << '-' << m;
        }
    }
}

TEST(Calendar, DayOfWeekExamples)
{
    EXPECT_EQ(CTwilightCalc::DayOfWeek(1, 1, 2009), 4);   // Thursday
    EXPECT_EQ(CTwilightCalc::DayOfWeek(21, 6, 2009), 0);  // Sunday
    EXPECT_EQ(CTwilightCalc::DayOfWeek(1, 3, 2000), 3);   // Wednesday after a century leap day
}

TEST(Calendar, DayOfWeekAgreesWithStdChrono)
{
    for (sys_days d = 1900y / January / 1; d <= 2099y / December / 31; d += days{1}) {
        const year_month_day ymd{d};
        ASSERT_EQ(CTwilightCalc::DayOfWeek(unsigned(ymd.day()), unsigned(ymd.month()), unsigned(int(ymd.year()))),
                  weekday{d}.c_encoding())
            << int(ymd.year()) << '-' << unsigned(ymd.month()) << '-' << unsigned(ymd.day());
    }
}

struct SummerCase
{
    const char* name;
    int year, month, day, hour;
    bool summer;
};
void PrintTo(const SummerCase& c, std::ostream* os) { *os << c.name; }

const SummerCase kSummerCases[] = {
    {"Mar24Tuesday2009", 2009, 3, 24, 0, false},
    {"MarchChangeoverHour0", 2009, 3, 29, 0, false},
    {"MarchChangeoverHour1", 2009, 3, 29, 1, false},
    {"MarchChangeoverHour2", 2009, 3, 29, 2, true},
    {"Mar30After2009", 2009, 3, 30, 0, true},
    {"Oct24Before2009", 2009, 10, 24, 0, true},
    {"OctoberChangeoverHour0", 2009, 10, 25, 0, true},
    {"OctoberChangeoverHour1", 2009, 10, 25, 1, true},
    {"OctoberChangeoverHour2", 2009, 10, 25, 2, false},
    {"Oct26After2009", 2009, 10, 26, 0, false},
    {"SundayOct24Early2010", 2010, 10, 24, 0, true},
    {"OctoberChangeover2010", 2010, 10, 31, 0, true},
    {"MarchChangeover2010", 2010, 3, 28, 0, false},
    {"Mar29After2010", 2010, 3, 29, 0, true},
    {"MarchChangeover2011", 2011, 3, 27, 0, false},
    {"Mar28After2011", 2011, 3, 28, 0, true},
    {"OctoberChangeover2011", 2011, 10, 30, 0, true},
    {"Oct31After2011", 2011, 10, 31, 0, false},
    {"January", 2009, 1, 15, 12, false},
    {"February", 2009, 2, 28, 12, false},
    {"November", 2009, 11, 1, 12, false},
    {"December", 2009, 12, 31, 12, false},
    {"April", 2009, 4, 1, 0, true},
    {"September", 2009, 9, 30, 23, true},
};
class SummerTimeTable : public ::testing::TestWithParam<SummerCase> {};

TEST_P(SummerTimeTable, FollowsTheEuropeanRule)
{
    const SummerCase& c = GetParam();
    EXPECT_EQ(CTwilightCalc::IsSummerTime(MakeDate(c.year, c.month, c.day, c.hour)), c.summer);
}
INSTANTIATE_TEST_SUITE_P(Calendar, SummerTimeTable, ::testing::ValuesIn(kSummerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// At hour 0 a day is summer time when it lies after the last Sunday of March
// and not after the last Sunday of October.
TEST(Calendar, SummerTimeAtMidnightAgreesWithLastSundays)
{
    for (int y = 1900; y <= 2099; ++y) {
        const sys_days marchSunday{year{y} / March / Sunday[last]};
        const sys_days octoberSunday{year{y} / October / Sunday[last]};
        for (sys_days d = year{y} / January / 1; d <= year{y} / December / 31; d += days{1}) {
            const year_month_day ymd{d};
            const bool expected = d > marchSunday && d <= octoberSunday;
            ASSERT_EQ(CTwilightCalc::IsSummerTime(MakeDate(y, int(unsigned(ymd.month())), int(unsigned(ymd.day())))),
                      expected)
                << y << '-' << unsigned(ymd.month()) << '-' << unsigned(ymd.day());
        }
    }
}

} // namespace
