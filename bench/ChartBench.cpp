// A full repaint of the chart of a leap year (366 rows, both curves, every
// label) into an image the size of the dialog's chart frame.

#include "chart/ChartPainter.h"
#include "schedule/Schedule.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

ChartData LeapYearChart(bool grid)
{
    ScheduleInput input;
    input.year = 2008;
    input.period = Period::Year;
    CTwilightCalc calc;
    ChartData data;
    data.frame = PixelRect{0, 0, kDialogChartFrame.Width(), kDialogChartFrame.Height()};
    data.period = ChartPeriod::Year;
    data.grid = grid;
    data.rows = ChartRowsOf(BuildRows(input, calc));
    data.selectedRows = {0, 171, 365};
    return data;
}

void BM_RepaintYearChart(benchmark::State& state)
{
    const ChartData data = LeapYearChart(state.range(0) != 0);
    if (data.rows.size() != 366) {
        state.SkipWithError("expected 366 rows");
        return;
    }
    QImage image(data.frame.Width(), data.frame.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChart(painter, data);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintYearChart)->Arg(0)->Arg(1)->ArgName("grid")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
