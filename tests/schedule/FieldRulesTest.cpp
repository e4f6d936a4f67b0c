#include "schedule/FieldRules.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct FieldCase
{
    const char* name;
    InputField field;
    const char* typed;
    const char* shown;
    bool refused;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

const FieldCase kFieldCases[] = {
    {"Longitude200Refused", InputField::Longitude, "200", "0.000", true},
    {"Longitude180Accepted", InputField::Longitude, "180", "180.000", false},
    {"LongitudeMinus180Point5Refused", InputField::Longitude, "-180.5", "0.000", true},
    {"LongitudeTrailingLetters", InputField::Longitude, "12abc", "12.000", false},
    {"LongitudeCommaStopsTheScan", InputField::Longitude, "51,5", "51.000", false},
    {"LongitudeLeadingBlanks", InputField::Longitude, "  -10.25", "-10.250", false},
    {"LongitudeExponent", InputField::Longitude, "1e2", "100.000", false},
    {"LongitudeEmptyBecomesZero", InputField::Longitude, "", "0.000", false},
    {"LongitudeWordBecomesZero", InputField::Longitude, "abc", "0.000", false},
    {"LongitudeNanBecomesZero", InputField::Longitude, "nan", "0.000", false},
    {"LongitudeInfinityRefused", InputField::Longitude, "inf", "0.000", true},
    {"LongitudeHugeRefused", InputField::Longitude, "1e99", "0.000", true},
    {"LatitudeRoundsToThreeDecimals", InputField::Latitude, "12.3456", "12.346", false},
    {"LatitudeMinus90Accepted", InputField::Latitude, "-90", "-90.000", false},
    {"Latitude90Point01Refused", InputField::Latitude, "90.01", "0.000", true},
    {"TimeZone13Refused", InputField::TimeZone, "13", "0", true},
    {"TimeZoneMinus12Accepted", InputField::TimeZone, "-12", "-12", false},
    {"TimeZoneFractionCut", InputField::TimeZone, "2.5", "2", false},
    {"EveningOffsetMinus60", InputField::EveningOffset, "-60", "-60", false},
    {"EveningOffset60", InputField::EveningOffset, "60", "60", false},
    {"EveningOffset61Refused", InputField::EveningOffset, "61", "0", true},
    {"MorningOffset60", InputField::MorningOffset, "60", "60", false},
    {"MorningOffsetMinus61Refused", InputField::MorningOffset, "-61", "0", true},
    {"Hour24Refused", InputField::MorningHour, "24", "0", true},
    {"EveningHour23", InputField::EveningHour, "23", "23", false},
    {"Minute60Refused", InputField::EveningMinute, "60", "0", true},
    {"MinuteLeadingZeros", InputField::MorningMinute, "007", "7", false},
    {"HourDoubleZero", InputField::MorningHour, "00", "0", false},
    {"PlusSign", InputField::TimeZone, "+5", "5", false},
    {"WordBecomesZeroSilently", InputField::MorningMinute, "abc", "0", false},
    {"NegativeMinuteRefused", InputField::MorningMinute, "-1", "0", true},
};
class FieldTable : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTable, NormalisesOrRefuses)
{
    const FieldCase& c = GetParam();
    const FieldCheck check = CheckField(c.field, c.typed);
    EXPECT_EQ(check.text, c.shown);
    EXPECT_EQ(check.refused, c.refused);
}
INSTANTIATE_TEST_SUITE_P(FieldRules, FieldTable, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldRules, MessagesNameTheBounds)
{
    const std::pair<InputField, const char*> cases[] = {
        {InputField::Longitude, "Es dürfen nur Werte zwischen \"-180\" und \"180\" eingegeben werden."},
        {InputField::Latitude, "Es dürfen nur Werte zwischen \"-90\" und \"90\" eingegeben werden."},
        {InputField::TimeZone, "Es dürfen nur Werte zwischen \"-12\" und \"12\" eingegeben werden."},
        {InputField::EveningOffset, "Es dürfen nur Werte zwischen \"-60\" und \"60\" eingegeben werden."},
        {InputField::MorningOffset, "Es dürfen nur Werte zwischen \"-60\" und \"60\" eingegeben werden."},
        {InputField::MorningHour, "Es dürfen nur Werte zwischen \"0\" und \"23\" eingegeben werden."},
        {InputField::EveningHour, "Es dürfen nur Werte zwischen \"0\" und \"23\" eingegeben werden."},
        {InputField::MorningMinute, "Es dürfen nur Werte zwischen \"0\" und \"59\" eingegeben werden."},
        {InputField::EveningMinute, "Es dürfen nur Werte zwischen \"0\" und \"59\" eingegeben werden."},
    };
    for (const auto& [field, message] : cases)
        EXPECT_EQ(RangeMessage(RangeOf(field)), message);
}

// A German process locale uses the comma for decimals; the fields keep the point.
TEST(FieldRules, DecimalFieldsIgnoreTheProcessLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    const FieldCheck check = CheckField(InputField::Latitude, "51.5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(check.text, "51.500");
}

} // namespace
