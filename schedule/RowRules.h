#pragma once
// Rules that turn a computed twilight time into a table cell: the offset shift,
// the 00:00..23:59 clamp, the "Nicht vor" / "Nicht nach" limits and the texts.

#include <string>
#include <string_view>

struct ClockTime
{
    int hour = 0;
    int minute = 0;
};

inline bool operator==(ClockTime a, ClockTime b)
{
    return a.hour == b.hour && a.minute == b.minute;
}

// Shifts t by offsetMinutes and holds the result inside 00:00..23:59: an
// earlier time gives 00:00, a later one 23:59 (never wraps to another day).
ClockTime ShiftAndClamp(ClockTime t, int offsetMinutes);

// The later of t and the "Nicht vor" limit.
ClockTime ApplyNotBefore(ClockTime t, ClockTime limit);

// The earlier of t and the "Nicht nach" limit.
ClockTime ApplyNotAfter(ClockTime t, ClockTime limit);

// "2009-06-21": each part zero-padded to 4, 2 and 2 digits (printf "%4.4d-%2.2d-%2.2d").
std::string FormatDate(int year, int month, int day);

// "04:34" (printf "%2.2d:%2.2d").
std::string FormatTime(ClockTime t);

// The leading whole number of a text as C's atoi reads it: leading white space,
// one optional sign, the digits up to the first other character; 0 when there
// are no digits ("51.500" gives 51, "-0.750" gives 0, "abc" gives 0). Values
// beyond the int range are held at its ends.
int LeadingInteger(std::string_view text);
