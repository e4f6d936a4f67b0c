#include "schedule/RowRules.h"

#include <climits>

ClockTime ShiftAndClamp(ClockTime t, int offsetMinutes)
{
    // Truncating division: r carries the sign of the offset.
    const int q = offsetMinutes / 60;
    const int r = offsetMinutes % 60;
    int h = t.hour + q;
    int m = t.minute + r;
    if (m < 0) {
        h -= 1;
        m += 60;
    } else if (m > 59) {
        h += 1;
        m %= 60;
    }
    if (h < 0)
        return {0, 0};
    if (h > 23)
        return {23, 59};
    return {h, m};
}

ClockTime ApplyNotBefore(ClockTime t, ClockTime limit)
{
    if (t.hour < limit.hour)
        return limit;
    if (t.hour == limit.hour && t.minute < limit.minute)
        t.minute = limit.minute;
    return t;
}

ClockTime ApplyNotAfter(ClockTime t, ClockTime limit)
{
    if (t.hour > limit.hour)
        return limit;
    if (t.hour == limit.hour && t.minute > limit.minute)
        t.minute = limit.minute;
    return t;
}

namespace {

// Writes v with at least `digits` digits, a minus sign in front when negative;
// returns the end of what was written. Fits any int in 12 characters.
char* WritePadded(char* out, int v, int digits)
{
    // The cells of every table: two-digit times and four-digit years.
    if (digits == 2 && v >= 0 && v < 100) {
        out[0] = char('0' + v / 10);
        out[1] = char('0' + v % 10);
        return out + 2;
    }
    if (digits == 4 && v >= 0 && v < 10000) {
        out[0] = char('0' + v / 1000);
        out[1] = char('0' + v / 100 % 10);
        out[2] = char('0' + v / 10 % 10);
        out[3] = char('0' + v % 10);
        return out + 4;
    }
    char reversed[12];
    int n = 0;
    long long magnitude = v;
    if (magnitude < 0) {
        *out++ = '-';
        magnitude = -magnitude;
    }
    do {
        reversed[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    for (int i = n; i < digits; ++i)
        *out++ = '0';
    while (n > 0)
        *out++ = reversed[--n];
    return out;
}

} // namespace

std::string FormatDate(int year, int month, int day)
{
    char text[40];
    char* end = WritePadded(text, year, 4);
    *end++ = '-';
    end = WritePadded(end, month, 2);
    *end++ = '-';
    end = WritePadded(end, day, 2);
    return std::string(text, end);
}

std::string FormatTime(ClockTime t)
{
    char text[28];
    char* end = WritePadded(text, t.hour, 2);
    *end++ = ':';
    end = WritePadded(end, t.minute, 2);
    return std::string(text, end);
}

int LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    // The white space that C's isspace accepts in the "C" locale.
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}
