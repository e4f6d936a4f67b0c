#include "core/TwilightCalc.h"

#include <cmath>

CTwilightCalc theTwilightCalc;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kInvTwoPi = 0.15915494309189535;
// The quadrant corrections and the hour-angle conversion use this
// seven-decimal value of pi, not pi itself; the minutes depend on it.
constexpr double kPi7 = 3.1415926;

// Cuts toward zero, like std::trunc for every value this computation meets
// (far below 2^63), but without a library call on plain x86-64.
double Trunc(double x)
{
    return double(static_cast<long long>(x));
}

// Angle reduced to [0, 2 pi).
double Reduce(double x)
{
    double r = x - kTwoPi * Trunc(x * kInvTwoPi);
    if (r < 0.0)
        r += kTwoPi;
    return r;
}

double Clamp1(double x)
{
    if (x < -1.0)
        return -1.0;
    if (x > 1.0)
        return 1.0;
    return x;
}

// Splits a clock time in hours into whole hours and rounded minutes. Negative
// times give 0 for both; the minute may come out as 60 (carried later).
void SplitHours(double t, std::uint8_t& hour, std::uint8_t& minute)
{
    const double whole = Trunc(t);
    const double minutes = Trunc((t - whole) * 60.0 + 0.5);
    minute = minutes < 0.0 ? 0 : static_cast<std::uint8_t>(minutes);
    hour = t < 0.0 ? 0 : static_cast<std::uint8_t>(whole);
}

// Carries a minute of 60 into the hour and holds the time at 23:59 at most.
void Normalise(std::uint8_t& hour, std::uint8_t& minute)
{
    if (minute > 59) {
        hour = static_cast<std::uint8_t>(hour + minute / 60);
        minute = static_cast<std::uint8_t>(minute % 60);
    }
    if (hour > 23) {
        hour = 23;
        minute = 59;
    }
}

} // namespace

std::uint8_t CTwilightCalc::DaysInMonth(std::uint8_t month, std::uint32_t year)
{
    if (month == 2) {
        const bool leap = (year % 400 == 0) || (year % 4 == 0 && year % 100 != 0);
        return leap ? 29 : 28;
    }
    if (month > 12)
        return 1;
    if (month < 8)
        return (month % 2 == 1) ? 31 : 30;
    return (month % 2 == 0) ? 31 : 30;
}

std::uint8_t CTwilightCalc::DayOfWeek(std::uint32_t day, std::uint32_t month, std::uint32_t year)
{
    std::uint32_t m = 0;
    std::uint32_t y = 0;
    if (month > 2) {
        m = month - 2;
        y = year;
    } else {
        m = month + 10;
        y = year - 1;
    }
    return static_cast<std::uint8_t>((day + (13 * m - 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7);
}

bool CTwilightCalc::IsSummerTime(const CalcDate& date)
{
    if (date.month < 3 || date.month > 10)
        return false;
    if (date.month >= 4 && date.month <= 9)
        return true;
    const bool march = date.month == 3;
    if (date.day < 25)
        return !march;
    if (date.dayOfWeek != 0) {
        // Day of the month of the Sunday after this day.
        const int nextSunday = int(date.day) - int(date.dayOfWeek) + 7;
        return march ? nextSunday >= 32 : nextSunday < 32;
    }
    // This day is the changeover Sunday; the switch happens at 02:00.
    return march ? date.hour >= 2 : date.hour < 2;
}

void CTwilightCalc::SetSummerTime(std::int32_t summerTime)
{
    m_bSummerTime = summerTime;
}

void CTwilightCalc::ComputeTwilight(CalcDate& date)
{
    date.dayOfWeek = DayOfWeek(date.day, date.month, date.year);

    // Days and Julian centuries from 2000-01-01 12:00 UT to 12:00 UT of the date.
    int y = date.year;
    int mo = date.month;
    if (mo == 1 || mo == 2) {
        y -= 1;
        mo += 12;
    }
    const long g = y / 400 - y / 100 + y / 4;
    const long mjd = 365L * y - 679004L + g + static_cast<long>(30.6001 * (mo + 1)) + date.day;
    const double d = (double(mjd) + 2400000.5) + 0.5 - 2451545.0;
    const double t = d * 2.7378507871321012e-05;

    // Mean right ascension in hours, mean anomaly and ecliptic longitude in radians.
    const double s = ((2.5862e-05 - 1.72e-09 * t) * t + 2400.0513369) * t + 18.71506921;
    const double m = Reduce(kTwoPi * (0.993133 + 99.997361 * t));
    // The bracketed sum is in arcseconds; the factor turns arcseconds into turns.
    const double l = Reduce(kTwoPi * (0.7859453 + m * kInvTwoPi
                                      + (72.0 * std::sin(2.0 * m) + 6893.0 * std::sin(m) + 6191.2 * t)
                                            * 7.716049382716049e-07));
    const double eps = (23.43929111 + (0.001813 * t * t * t - (46.815 * t + 0.00059 * t * t))
                                          * 0.0002777777777777778)
                       * 0.017453292519943295;

    // True right ascension in hours, brought into the quadrant of l.
    double alpha = std::atan(std::tan(l) * std::cos(eps));
    if (alpha < 0.0)
        alpha += kPi7;
    if (l > kPi7)
        alpha += kPi7;
    const double alphaHours = alpha * 3.819718634205488;

    const double decl = std::asin(Clamp1(std::sin(l) * std::sin(eps)));

    // Equation of time in hours.
    const double meanHours = Reduce(s * 0.2617993877991494) * 3.819718634205488;
    double delta = meanHours - alphaHours;
    if (delta < -12.0)
        delta += 24.0;
    if (delta > 12.0)
        delta -= 24.0;
    const double e = delta * 1.0027379;

    // Half the arc between the two moments of -6 degrees altitude, in hours.
    // The latitude stays the same through a whole table: its sine and cosine
    // are kept until it changes.
    if (m_nLatitude != m_nCachedLatitude || !m_bLatitudeCached) {
        const double phi = m_nLatitude * 0.017453292519943295;
        m_sinLatitude = std::sin(phi);
        m_cosLatitude = std::cos(phi);
        m_nCachedLatitude = m_nLatitude;
        m_bLatitudeCached = true;
    }
    const double h0 = -0.10471975511965978;
    const double x = Clamp1((std::sin(h0) - m_sinLatitude * std::sin(decl)) / (m_cosLatitude * std::cos(decl)));
    const double halfArc = std::acos(x) * 3.8197186993628645;

    const double lambda = m_nLongitude * 0.06666666666666667;
    const double zone = m_nTimeZone;
    const double morning = 12.0 - halfArc - e - lambda + zone;
    const double evening = halfArc + 12.0 - e - lambda + zone;

    TwilightResult r;
    SplitHours(morning, r.morningHour, r.morningMinute);
    SplitHours(evening, r.eveningHour, r.eveningMinute);

    if (m_bSummerTime != 0 && IsSummerTime(date)) {
        r.morningHour = static_cast<std::uint8_t>(r.morningHour + 1);
        r.eveningHour = static_cast<std::uint8_t>(r.eveningHour + 1);
    }
    Normalise(r.morningHour, r.morningMinute);
    Normalise(r.eveningHour, r.eveningMinute);
    m_result = r;
}
