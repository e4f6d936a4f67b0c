#include "schedule/Schedule.h"

#include <gtest/gtest.h>

namespace {

ScheduleInput StartUpInput(Period period, int year, int month = 1, int day = 1)
{
    ScheduleInput input;
    input.period = period;
    input.year = year;
    input.month = month;
    input.day = day;
    return input;
}

const ScheduleRow* FindDate(const std::vector<ScheduleRow>& rows, const std::string& date)
{
    for (const ScheduleRow& row : rows) {
        if (row.date == date)
            return &row;
    }
    return nullptr;
}

TEST(Schedule, YearHasOneRowPerDayInDateOrder)
{
    CTwilightCalc calc;
    const std::vector<ScheduleRow> rows2009 = BuildRows(StartUpInput(Period::Year, 2009), calc);
    ASSERT_EQ(rows2009.size(), 365u);
    EXPECT_EQ(rows2009.front().date, "2009-01-01");
    EXPECT_EQ(rows2009.back().date, "2009-12-31");
    EXPECT_EQ(FindDate(rows2009, "2009-02-29"), nullptr);
    for (std::size_t i = 1; i < rows2009.size(); ++i)
        ASSERT_LT(rows2009[i - 1].date, rows2009[i].date);

    const std::vector<ScheduleRow> rows2012 = BuildRows(StartUpInput(Period::Year, 2012), calc);
    ASSERT_EQ(rows2012.size(), 366u);
    EXPECT_NE(FindDate(rows2012, "2012-02-29"), nullptr);
}

TEST(Schedule, MonthAndDayPeriods)
{
    CTwilightCalc calc;
    const std::vector<ScheduleRow> february1900 = BuildRows(StartUpInput(Period::Month, 1900, 2), calc);
    ASSERT_EQ(february1900.size(), 28u);
    EXPECT_EQ(february1900.back().date, "1900-02-28");

    const std::vector<ScheduleRow> day = BuildRows(StartUpInput(Period::Day, 2009, 6, 21), calc);
    ASSERT_EQ(day.size(), 1u);
    EXPECT_EQ(day[0].date, "2009-06-21");
    EXPECT_EQ(day[0].morning, "04:34");
    EXPECT_EQ(day[0].evening, "22:40");

    EXPECT_TRUE(BuildRows(StartUpInput(Period::None, 2009), calc).empty());
}

TEST(Schedule, RowsCarryTheComputedTimesOfEachDay)
{
    CTwilightCalc calc;
    const std::vector<ScheduleRow> rows = BuildRows(StartUpInput(Period::Year, 2009), calc);
    const std::tuple<const char*, const char*, const char*> expected[] = {
        {"2009-01-01", "07:59", "17:18"}, {"2009-02-28", "06:48", "18:47"}, {"2009-03-01", "06:46", "18:49"},
        {"2009-03-30", "06:41", "20:38"}, {"2009-06-21", "04:34", "22:40"}, {"2009-12-21", "07:56", "17:10"},
    };
    for (const auto& [date, morning, evening] : expected) {
        const ScheduleRow* row = FindDate(rows, date);
        ASSERT_NE(row, nullptr) << date;
        EXPECT_EQ(row->morning, morning) << date;
        EXPECT_EQ(row->evening, evening) << date;
    }
}

TEST(Schedule, OffsetsAndLimitsApplyToEveryRow)
{
    CTwilightCalc calc;
    ScheduleInput input = StartUpInput(Period::Day, 2009, 6, 21);  // computed 04:34 and 22:40
    input.morningOffsetMinutes = -40;
    input.eveningOffsetMinutes = 15;
    EXPECT_EQ(BuildRows(input, calc)[0].morning, "03:54");
    EXPECT_EQ(BuildRows(input, calc)[0].evening, "22:55");

    input.notBefore = {5, 0};
    input.notAfter = {21, 0};
    EXPECT_EQ(BuildRows(input, calc)[0].morning, "05:00");
    EXPECT_EQ(BuildRows(input, calc)[0].evening, "21:00");

    // Empty "Nicht nach" fields read as 00:00 and make the evening 00:00.
    input.notAfter = {0, 0};
    EXPECT_EQ(BuildRows(input, calc)[0].evening, "00:00");
}

TEST(Schedule, StoresThePlaceAndSwitchInTheCalculator)
{
    CTwilightCalc calc;
    ScheduleInput input = StartUpInput(Period::Day, 2009, 6, 21);
    input.longitude = 25;
    input.latitude = 65;
    input.timeZone = 2;
    input.summerTime = false;
    BuildRows(input, calc);
    EXPECT_EQ(calc.m_nLongitude, 25);
    EXPECT_EQ(calc.m_nLatitude, 65);
    EXPECT_EQ(calc.m_nTimeZone, 2);
    EXPECT_EQ(calc.m_bSummerTime, 0);
}

} // namespace
