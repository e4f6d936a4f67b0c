#include "schedule/RowRules.h"

#include <gtest/gtest.h>

namespace {

struct ShiftCase
{
    const char* name;
    ClockTime computed;
    int offset;
    const char* expected;
};
void PrintTo(const ShiftCase& c, std::ostream* os) { *os << c.name; }

const ShiftCase kShiftCases[] = {
    {"MorningMinus90", {6, 10}, -90, "04:40"},
    {"MorningPlus55", {6, 10}, 55, "07:05"},
    {"MorningMinus370ReachesMidnight", {6, 10}, -370, "00:00"},
    {"MorningMinus400Clamped", {6, 10}, -400, "00:00"},
    {"JustAfterMidnightMinus30", {0, 20}, -30, "00:00"},
    {"EveningPlus45Clamped", {23, 30}, 45, "23:59"},
    {"EveningMinus15", {21, 40}, -15, "21:25"},
    {"EveningPlus20CarriesHour", {21, 40}, 20, "22:00"},
    {"PositiveRemainderCarries", {10, 50}, 75, "12:05"},
    {"NoOffset", {12, 34}, 0, "12:34"},
    {"LastMinuteNoOffset", {23, 59}, 0, "23:59"},
    {"ExactlyMidnightNextDay", {23, 0}, 60, "23:59"},
};
class ShiftTable : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftTable, ShiftsAndHoldsInsideTheDay)
{
    const ShiftCase& c = GetParam();
    EXPECT_EQ(FormatTime(ShiftAndClamp(c.computed, c.offset)), c.expected);
}
INSTANTIATE_TEST_SUITE_P(RowRules, ShiftTable, ::testing::ValuesIn(kShiftCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LimitCase
{
    const char* name;
    bool morning;
    ClockTime time;
    ClockTime limit;
    const char* expected;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

const LimitCase kLimitCases[] = {
    {"NotBeforeRaisesEarlierHour", true, {6, 10}, {6, 30}, "06:30"},
    {"NotBeforeRaisesSameHour", true, {6, 20}, {6, 30}, "06:30"},
    {"NotBeforeKeepsLater", true, {6, 45}, {6, 30}, "06:45"},
    {"NotBeforeRaisesHourBefore", true, {5, 50}, {6, 30}, "06:30"},
    {"NotBeforeMidnightKeepsAll", true, {0, 0}, {0, 0}, "00:00"},
    {"NotAfterLowersLaterHour", false, {22, 40}, {21, 0}, "21:00"},
    {"NotAfterLowersSameHour", false, {21, 10}, {21, 0}, "21:00"},
    {"NotAfterKeepsEarlier", false, {20, 15}, {21, 0}, "20:15"},
    {"NotAfterLastMinuteKeepsAll", false, {23, 59}, {23, 59}, "23:59"},
};
class LimitTable : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitTable, HoldsTheTimeToItsLimit)
{
    const LimitCase& c = GetParam();
    const ClockTime result = c.morning ? ApplyNotBefore(c.time, c.limit) : ApplyNotAfter(c.time, c.limit);
    EXPECT_EQ(FormatTime(result), c.expected);
}
INSTANTIATE_TEST_SUITE_P(RowRules, LimitTable, ::testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowRules, TextsArePaddedLikePrintf)
{
    EXPECT_EQ(FormatDate(2009, 6, 21), "2009-06-21");
    EXPECT_EQ(FormatDate(1900, 1, 1), "1900-01-01");
    EXPECT_EQ(FormatDate(99, 1, 1), "0099-01-01");
    EXPECT_EQ(FormatTime({4, 5}), "04:05");
    EXPECT_EQ(FormatTime({-1, 5}), "-01:05");
    EXPECT_EQ(FormatTime({123, 0}), "123:00");
}

TEST(RowRules, LeadingIntegerReadsLikeAtoi)
{
    const std::pair<const char*, int> cases[] = {
        {"51.500", 51}, {"6.950", 6}, {"-0.750", 0}, {"-10.000", -10}, {"  +5", 5}, {"007", 7},
        {"abc", 0},     {"", 0},      {"12abc", 12}, {"\t-3x", -3},    {"- 3", 0},  {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LeadingInteger(text), value) << '"' << text << '"';
}

} // namespace
