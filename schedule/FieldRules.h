#pragma once
// The checks of the nine input fields: range, message and the normalised text
// that is written back ("%.3f" for longitude and latitude, "%d" for the rest).

#include <optional>
#include <string>
#include <string_view>

enum class InputField
{
    Longitude,
    Latitude,
    TimeZone,
    MorningOffset,
    EveningOffset,
    MorningHour,
    MorningMinute,
    EveningHour,
    EveningMinute,
};

struct FieldRange
{
    int lower;     // inclusive
    int upper;     // inclusive
    bool decimal;  // checked as a decimal number and shown with three decimals
};

FieldRange RangeOf(InputField field);

// "Es dürfen nur Werte zwischen \"-180\" und \"180\" eingegeben werden." (UTF-8)
std::string RangeMessage(const FieldRange& range);

struct FieldCheck
{
    std::string text;     // the normalised text to write back
    bool refused = false; // true: out of range, the message is due and the value became 0
};

// Checks a field's text the way the dialog does when the field loses focus.
// Decimal fields read a single-precision number ("12abc" gives 12, "51,5" gives
// 51); integer fields read the leading whole number ("7.9" gives 7). A value
// outside the range is refused and becomes 0. A text with no number becomes 0
// without a message. Decimal text is read with the point as separator whatever
// the process locale.
FieldCheck CheckField(InputField field, std::string_view text);

// The leading single-precision number of a text as "%f" reads it (white space,
// sign, digits, point, exponent, "inf"); nullopt when no number starts the text
// or it is not a number ("nan").
std::optional<float> LeadingFloat(std::string_view text);

// v formatted like printf "%.3f", always with a point.
std::string FormatThreeDecimals(double v);
