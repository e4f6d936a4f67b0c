#pragma once
// The current date in UTC, which the dialog shows at start-up. The dialog takes
// the source as a function so that tests can start it on any date.

#include <chrono>
#include <functional>

struct UtcDate
{
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

using UtcDateSource = std::function<UtcDate()>;

// The calendar date of a point in time, in UTC (not the local time zone).
UtcDate UtcDateOf(std::chrono::system_clock::time_point when);

// Today in UTC, from the system clock.
UtcDate CurrentUtcDate();
