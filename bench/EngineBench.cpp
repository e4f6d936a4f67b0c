// Speed of the twilight engine: one day's computation, a year's rows with
// their texts, and the floor: just the transcendental calls one day needs.

#include "core/TwilightCalc.h"
#include "schedule/Schedule.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

void BM_ComputeTwilight(benchmark::State& state)
{
    CTwilightCalc calc;
    CalcDate date{};
    date.year = 2012;
    int dayOfYear = 0;
    for (auto _ : state) {
        date.month = std::uint16_t(1 + (dayOfYear / 28) % 12);
        date.day = std::uint16_t(1 + dayOfYear % 28);
        calc.ComputeTwilight(date);
        benchmark::DoNotOptimize(calc.m_result);
        ++dayOfYear;
    }
}
BENCHMARK(BM_ComputeTwilight);

// The arguments the transcendental calls get on each day of 2012 at 51 N, so
// that the floor below runs the same argument ranges as the real computation.
struct DayArguments
{
    double m, l, eps, decl, phi;
};

std::vector<DayArguments> ArgumentsOf2012()
{
    std::vector<DayArguments> days;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= CTwilightCalc::DaysInMonth(std::uint8_t(month), 2012); ++day) {
            const int y = month <= 2 ? 2011 : 2012;
            const int mo = month <= 2 ? month + 12 : month;
            const long mjd = 365L * y - 679004L + (y / 400 - y / 100 + y / 4) + long(30.6001 * (mo + 1)) + day;
            const double t = ((double(mjd) + 2400000.5) + 0.5 - 2451545.0) * 2.7378507871321012e-05;
            const double m = std::fmod(6.283185307179586 * (0.993133 + 99.997361 * t), 6.283185307179586);
            const double l = std::fmod(6.283185307179586 * (0.7859453 + m * 0.15915494309189535), 6.283185307179586);
            const double eps = 0.40909;
            days.push_back({m, l, eps, std::asin(std::sin(l) * std::sin(eps)), 51 * 0.017453292519943295});
        }
    }
    return days;
}

// The floor: only the sin/cos/tan/asin/acos/atan calls of one day's formulas.
// With `fixedLatitude` the latitude's sine and cosine are taken once, as the
// calculator does while the latitude stays; otherwise they are called each day.
void RunTranscendentalFloor(benchmark::State& state, bool fixedLatitude)
{
    const std::vector<DayArguments> days = ArgumentsOf2012();
    const double fixedSin = std::sin(days[0].phi);
    const double fixedCos = std::cos(days[0].phi);
    std::size_t i = 0;
    for (auto _ : state) {
        const DayArguments& a = days[i];
        double sum = std::sin(2.0 * a.m) + std::sin(a.m);
        sum += std::atan(std::tan(a.l) * std::cos(a.eps));
        const double decl = std::asin(std::sin(a.l) * std::sin(a.eps));
        const double h0 = -0.10471975511965978;
        benchmark::DoNotOptimize(h0);
        const double sinPhi = fixedLatitude ? fixedSin : std::sin(a.phi);
        const double cosPhi = fixedLatitude ? fixedCos : std::cos(a.phi);
        sum += std::acos((std::sin(h0) - sinPhi * std::sin(decl)) / (cosPhi * std::cos(decl)));
        benchmark::DoNotOptimize(sum);
        i = (i + 1) % days.size();
    }
}

void BM_TranscendentalFloor(benchmark::State& state)
{
    RunTranscendentalFloor(state, false);
}
BENCHMARK(BM_TranscendentalFloor);

void BM_TranscendentalFloorFixedLatitude(benchmark::State& state)
{
    RunTranscendentalFloor(state, true);
}
BENCHMARK(BM_TranscendentalFloorFixedLatitude);

void BM_YearRowsWithTexts(benchmark::State& state)
{
    ScheduleInput input;
    input.period = Period::Year;
    input.year = 2012;  // 366 rows
    CTwilightCalc calc;
    for (auto _ : state) {
        std::vector<ScheduleRow> rows = BuildRows(input, calc);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * 366);
}
BENCHMARK(BM_YearRowsWithTexts)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
