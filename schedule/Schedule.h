#pragma once
// The day rows of a year, a month or a day: one computation per day, each time
// shifted, clamped and limited, and turned into the three table texts.

#include "core/TwilightCalc.h"
#include "schedule/RowRules.h"

#include <string>
#include <vector>

enum class Period
{
    None,   // no period chosen: no rows
    Year,
    Month,
    Day,
};

struct ScheduleInput
{
    int longitude = 6;   // whole degrees, east positive
    int latitude = 51;   // whole degrees, north positive
    int timeZone = 1;    // whole hours ahead of UTC
    bool summerTime = true;
    Period period = Period::Year;
    int year = 2009;     // 1900..2099
    int month = 1;       // 1..12, used by Month and Day
    int day = 1;         // used by Day only; not checked against the month
    int morningOffsetMinutes = 0;
    ClockTime notBefore{0, 0};
    int eveningOffsetMinutes = 0;
    ClockTime notAfter{23, 59};
};

struct ScheduleRow
{
    std::string date;     // "2009-06-21"
    std::string morning;  // "04:34"
    std::string evening;  // "22:40"
};

// The rows of the chosen period in date order. Stores the place and the
// summer-time switch in `calc` (as the dialog does with theTwilightCalc) and
// leaves the last day's result in it.
std::vector<ScheduleRow> BuildRows(const ScheduleInput& input, CTwilightCalc& calc = theTwilightCalc);

// The morning and evening cell of one computed day.
ClockTime MorningCell(const TwilightResult& r, const ScheduleInput& input);
ClockTime EveningCell(const TwilightResult& r, const ScheduleInput& input);
