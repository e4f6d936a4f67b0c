#include "core/TwilightCalc.h"
#include "tests/core/TestFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct TwilightCase
{
    const char* name;
    int year, month, day, latitude, longitude, timeZone, summer;
    const char* morning;
    const char* evening;
};
void PrintTo(const TwilightCase& c, std::ostream* os) { *os << c.name; }

const TwilightCase kCases[] = {
    {"Midsummer51N", 2009, 6, 21, 51, 6, 1, 1, "04:34", "22:40"},
    {"MidsummerNoSummerTime", 2009, 6, 21, 51, 6, 1, 0, "03:34", "21:40"},
    {"Midwinter51N", 2009, 12, 21, 51, 6, 1, 1, "07:56", "17:10"},
    {"LastOfFebruary", 2009, 2, 28, 51, 6, 1, 1, "06:48", "18:47"},
    {"FirstOfMarch", 2009, 3, 1, 51, 6, 1, 1, "06:46", "18:49"},
    {"MidFebruary", 2009, 2, 15, 51, 6, 1, 1, "07:13", "18:25"},
    {"NewYear2009", 2009, 1, 1, 51, 6, 1, 1, "07:59", "17:18"},
    {"MarchChangeoverIsWinterTime", 2009, 3, 29, 51, 6, 1, 1, "05:43", "19:36"},
    {"DayAfterMarchChangeover", 2009, 3, 30, 51, 6, 1, 1, "06:41", "20:38"},
    {"MarchChangeover2011At52N10E", 2011, 3, 27, 52, 10, 1, 1, "05:32", "19:17"},
    {"OctoberChangeoverIsSummerTime", 2010, 10, 31, 51, 6, 1, 1, "07:51", "18:46"},
    {"LeapDay2012At52N13E", 2012, 2, 29, 52, 13, 1, 0, "06:20", "18:19"},
    {"NewYear2000Greenwich", 2000, 1, 1, 51, 0, 0, 0, "07:23", "16:42"},
    {"EquatorMidsummer", 2009, 6, 21, 0, 0, 0, 0, "05:35", "18:27"},
    {"PolarDayAt65N", 2009, 6, 21, 65, 25, 1, 1, "01:00", "23:59"},
    {"PolarNightAt80N", 2009, 12, 21, 80, 25, 1, 1, "11:17", "11:17"},
    {"PolarNightAt80NGreenwich", 2009, 12, 21, 80, 0, 0, 0, "11:57", "11:57"},
};
class TwilightTable : public ::testing::TestWithParam<TwilightCase> {};

TEST_P(TwilightTable, MatchesToTheMinute)
{
    const TwilightCase& c = GetParam();
    CTwilightCalc calc;  // a local object: one case cannot leak into the next through the global
    calc.m_nLatitude = c.latitude;
    calc.m_nLongitude = c.longitude;
    calc.m_nTimeZone = c.timeZone;
    calc.SetSummerTime(c.summer);
    CalcDate date{};
    date.year = std::uint16_t(c.year);
    date.month = std::uint16_t(c.month);
    date.day = std::uint16_t(c.day);
    calc.ComputeTwilight(date);
    EXPECT_EQ(Hhmm(calc.m_result.morningHour, calc.m_result.morningMinute), c.morning);
    EXPECT_EQ(Hhmm(calc.m_result.eveningHour, calc.m_result.eveningMinute), c.evening);
    EXPECT_EQ(date.dayOfWeek, CTwilightCalc::DayOfWeek(unsigned(c.day), unsigned(c.month), unsigned(c.year)));
}
INSTANTIATE_TEST_SUITE_P(Core, TwilightTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Twilight, GlobalCalculatorStartsWithTheStartUpPlace)
{
    EXPECT_EQ(theTwilightCalc.m_nLongitude, 6);
    EXPECT_EQ(theTwilightCalc.m_nLatitude, 51);
    EXPECT_EQ(theTwilightCalc.m_nTimeZone, 1);
    EXPECT_EQ(theTwilightCalc.m_bSummerTime, 1);
    EXPECT_EQ(Hhmm(theTwilightCalc.m_result.morningHour, theTwilightCalc.m_result.morningMinute), "00:00");
    EXPECT_EQ(Hhmm(theTwilightCalc.m_result.eveningHour, theTwilightCalc.m_result.eveningMinute), "00:00");
}

// Every place, zone and day gives a valid clock time: a minute of 60 must be
// carried, an hour past 23 held at 23:59, a negative time held at 00:00.
TEST(Twilight, EveryResultIsAValidClockTime)
{
    CTwilightCalc calc;
    for (int latitude = -90; latitude <= 90; latitude += 5) {
        for (int longitude = -180; longitude <= 180; longitude += 45) {
            for (int zone = -12; zone <= 12; zone += 6) {
                calc.m_nLatitude = latitude;
                calc.m_nLongitude = longitude;
                calc.m_nTimeZone = zone;
                for (int month = 1; month <= 12; ++month) {
                    for (int day = 1; day <= 28; day += 9) {
                        CalcDate date{};
                        date.year = 2009;
                        date.month = std::uint16_t(month);
                        date.day = std::uint16_t(day);
                        calc.ComputeTwilight(date);
                        const TwilightResult& r = calc.m_result;
                        ASSERT_LE(r.morningHour, 23);
                        ASSERT_LE(r.morningMinute, 59);
                        ASSERT_LE(r.eveningHour, 23);
                        ASSERT_LE(r.eveningMinute, 59);
                    }
                }
            }
        }
    }
}

// Through a year at 51 N the times move by a few minutes a day, except by an
// hour at the two summer-time changes; a wrong day number for January and
// February would show as a jump at 1 March.
TEST(Twilight, ConsecutiveDaysMoveSmoothly)
{
    CTwilightCalc calc;
    calc.m_nLatitude = 51;
    calc.m_nLongitude = 6;
    calc.m_nTimeZone = 1;
    calc.SetSummerTime(0);
    int previousMorning = -1;
    int previousEvening = -1;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= CTwilightCalc::DaysInMonth(std::uint8_t(month), 2012); ++day) {
            CalcDate date{};
            date.year = 2012;
            date.month = std::uint16_t(month);
            date.day = std::uint16_t(day);
            calc.ComputeTwilight(date);
            const int morning = calc.m_result.morningHour * 60 + calc.m_result.morningMinute;
            const int evening = calc.m_result.eveningHour * 60 + calc.m_result.eveningMinute;
            if (previousMorning >= 0) {
                ASSERT_LE(std::abs(morning - previousMorning), 3) << month << '-' << day;
                ASSERT_LE(std::abs(evening - previousEvening), 3) << month << '-' << day;
            }
            previousMorning = morning;
            previousEvening = evening;
        }
    }
}

} // namespace
