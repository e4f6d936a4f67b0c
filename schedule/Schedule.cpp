#include "schedule/Schedule.h"

ClockTime MorningCell(const TwilightResult& r, const ScheduleInput& input)
{
    const ClockTime shifted = ShiftAndClamp({r.morningHour, r.morningMinute}, input.morningOffsetMinutes);
    return ApplyNotBefore(shifted, input.notBefore);
}

ClockTime EveningCell(const TwilightResult& r, const ScheduleInput& input)
{
    const ClockTime shifted = ShiftAndClamp({r.eveningHour, r.eveningMinute}, input.eveningOffsetMinutes);
    return ApplyNotAfter(shifted, input.notAfter);
}

std::vector<ScheduleRow> BuildRows(const ScheduleInput& input, CTwilightCalc& calc)
{
    calc.m_nLongitude = input.longitude;
    calc.m_nLatitude = input.latitude;
    calc.m_nTimeZone = input.timeZone;
    calc.SetSummerTime(input.summerTime ? 1 : 0);

    std::vector<ScheduleRow> rows;
    CalcDate date{};  // one record for every day of the run; its hour stays 0
    auto emit = [&](int year, int month, int day) {
        date.year = static_cast<std::uint16_t>(year);
        date.month = static_cast<std::uint16_t>(month);
        date.day = static_cast<std::uint16_t>(day);
        calc.ComputeTwilight(date);
        ScheduleRow& row = rows.emplace_back();
        row.date = FormatDate(year, month, day);
        row.morning = FormatTime(MorningCell(calc.m_result, input));
        row.evening = FormatTime(EveningCell(calc.m_result, input));
    };

    switch (input.period) {
    case Period::Year:
        rows.reserve(366);
        for (int month = 1; month <= 12; ++month) {
            const int days = CTwilightCalc::DaysInMonth(std::uint8_t(month), std::uint32_t(input.year));
            for (int day = 1; day <= days; ++day)
                emit(input.year, month, day);
        }
        break;
    case Period::Month: {
        const int days = CTwilightCalc::DaysInMonth(std::uint8_t(input.month), std::uint32_t(input.year));
        rows.reserve(std::size_t(days));
        for (int day = 1; day <= days; ++day)
            emit(input.year, input.month, day);
        break;
    }
    case Period::Day:
        emit(input.year, input.month, input.day);
        break;
    case Period::None:
        break;
    }
    return rows;
}
