#pragma once
// The twilight calculator: calendar rules, the European summer-time rule and
// the civil-twilight times (sun centre 6 degrees below the true horizon) of one
// day at one place, to the minute.

#include <cstdint>

// The date handed to the calculator. Eight unsigned 16-bit fields in the order
// of the Windows SYSTEMTIME record. Callers clear it to zero, then set year,
// month and day (and hour, which the schedule leaves 0).
struct CalcDate
{
    std::uint16_t year = 0;          // full year, 1900..2099 in practice
    std::uint16_t month = 0;         // 1..12
    std::uint16_t dayOfWeek = 0;     // 0 = Sunday .. 6 = Saturday; written by ComputeTwilight
    std::uint16_t day = 0;           // 1..31
    std::uint16_t hour = 0;          // local standard time, read by IsSummerTime only
    std::uint16_t minute = 0;        // not read
    std::uint16_t second = 0;        // not read
    std::uint16_t milliseconds = 0;  // not read
};

// Morning and evening twilight as clock times, 00:00..23:59.
struct TwilightResult
{
    std::uint8_t morningHour = 0;
    std::uint8_t morningMinute = 0;
    std::uint8_t eveningHour = 0;
    std::uint8_t eveningMinute = 0;
};

class CTwilightCalc
{
public:
    // Days of `month` in `year` (Gregorian leap years). Only the low 8 bits of
    // the month count; month 0 gives 30 and months 13..255 give 1.
    static std::uint8_t DaysInMonth(std::uint8_t month, std::uint32_t year);

    // Weekday of a date, 0 = Sunday .. 6 = Saturday. The year must be at least 1.
    static std::uint8_t DayOfWeek(std::uint32_t day, std::uint32_t month, std::uint32_t year);

    // True when the date and hour (local standard time) fall in European summer
    // time: from 02:00 on the last Sunday of March to 02:00 on the last Sunday
    // of October. Needs a correct dayOfWeek. With hour 0 the March changeover
    // Sunday is winter time and the October one summer time.
    static bool IsSummerTime(const CalcDate& date);

    // Nonzero: add one hour on summer-time dates.
    void SetSummerTime(std::int32_t summerTime);

    // Computes the twilight times of the date at the place held in the object
    // and stores them in m_result; writes the weekday into `date`. Never fails:
    // a polar day gives 00:00 (01:00 in summer time) and 23:59, a polar night
    // gives true noon twice.
    void ComputeTwilight(CalcDate& date);

    TwilightResult m_result;
    std::int32_t m_bSummerTime = 1;
    std::int32_t m_nLongitude = 6;   // whole degrees, east positive
    std::int32_t m_nLatitude = 51;   // whole degrees, north positive
    std::int32_t m_nTimeZone = 1;    // whole hours ahead of UTC in standard time

private:
    // Sine and cosine of the latitude last computed with; they change only
    // with the latitude, not from day to day.
    double m_sinLatitude = 0.0;
    double m_cosLatitude = 0.0;
    std::int32_t m_nCachedLatitude = 0;
    bool m_bLatitudeCached = false;
};

// The program's one calculator. Its start values are static data.
extern CTwilightCalc theTwilightCalc;
