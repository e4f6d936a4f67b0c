// The dialog's year refresh on Qt's offscreen platform: the 366 rows of a leap
// year built and put into the table widget, and the same followed by the
// repaint the user sees.

#include "app/Prompts.h"
#include "app/TwilightDlg.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

class SilentPrompts : public Prompts
{
public:
    void ShowMessage(const QString&, const QString&, MessageKind) override {}
    std::optional<QString> AskSaveFileName(const QString&) override { return std::nullopt; }
    std::optional<QColor> AskColour(const QColor&) override { return std::nullopt; }
};

class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

UtcDate LeapYear()
{
    return {2012, 6, 21};
}

// Shows the dialog and lets it finish its first layout and paint, so that a
// benchmark measures only its own work.
void ShowAndSettle(CTwilightDlg& dlg, benchmark::State& state)
{
    dlg.show();
    if (!QTest::qWaitForWindowExposed(&dlg))
        state.SkipWithError("window not exposed");
    QApplication::processEvents();
}

void BM_FillTableLeapYear(benchmark::State& state)
{
    SilentPrompts prompts;
    CTwilightDlg dlg(&prompts, LeapYear);
    ShowAndSettle(dlg, state);
    for (auto _ : state) {
        dlg.FillTable();
        benchmark::DoNotOptimize(dlg.m_listTable->topLevelItemCount());
    }
    if (dlg.m_listTable->topLevelItemCount() != 366)
        state.SkipWithError("not 366 rows");
}
BENCHMARK(BM_FillTableLeapYear)->Unit(benchmark::kMicrosecond);

void BM_RefreshAndRepaintLeapYear(benchmark::State& state)
{
    SilentPrompts prompts;
    CTwilightDlg dlg(&prompts, LeapYear);
    ShowAndSettle(dlg, state);
    PaintCounter tablePaints;
    dlg.m_listTable->viewport()->installEventFilter(&tablePaints);
    for (auto _ : state) {
        dlg.OnRefresh();
        // The table lays out its new rows from a zero timer; then everything
        // the refresh made dirty (rows, scroll bar, chart area) is painted at
        // once, as the next frame would.
        QApplication::processEvents();
        dlg.repaint(dlg.ChartFrame());
    }
    // One paint of the table per refresh: nothing is painted twice.
    state.counters["table_paints"] = benchmark::Counter(tablePaints.count, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RefreshAndRepaintLeapYear)->Unit(benchmark::kMicrosecond);

void BM_RepaintWholeWindow(benchmark::State& state)
{
    SilentPrompts prompts;
    CTwilightDlg dlg(&prompts, LeapYear);
    ShowAndSettle(dlg, state);
    for (auto _ : state)
        dlg.repaint();
}
BENCHMARK(BM_RepaintWholeWindow)->Unit(benchmark::kMicrosecond);

void BM_DialogStartUp(benchmark::State& state)
{
    SilentPrompts prompts;
    for (auto _ : state) {
        CTwilightDlg dlg(&prompts, LeapYear);
        benchmark::DoNotOptimize(dlg.m_listTable->topLevelItemCount());
    }
}
BENCHMARK(BM_DialogStartUp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
