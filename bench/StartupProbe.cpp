// Start-up of the desktop program as a user gets it, in one process: from the
// start of main() to the first painted frame of the main dialog, and the peak
// memory of the process then and after a few refreshes. Prints one line:
//   startup_ms=... peak_rss_kb=... peak_rss_after_refreshes_kb=...
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "app/QtPrompts.h"
#include "app/TwilightDlg.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {

long PeakRssKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Notes the moment the dialog has painted for the first time.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
    bool painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    const auto start = std::chrono::steady_clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QtPrompts prompts;
    CTwilightDlg dialog(&prompts);
    prompts.SetParentWidget(&dialog);
    FirstPaint watcher;
    dialog.installEventFilter(&watcher);
    dialog.show();
    QTimer::singleShot(10000, &application, [] { QCoreApplication::exit(1); });
    const int status = application.exec();
    const auto painted = std::chrono::steady_clock::now();
    const long peakAtStart = PeakRssKilobytes();
    for (int i = 0; i < 20; ++i) {
        dialog.OnRefresh();
        QApplication::processEvents();
    }
    std::printf("startup_ms=%.1f peak_rss_kb=%ld peak_rss_after_refreshes_kb=%ld%s\n",
                std::chrono::duration<double, std::milli>(painted - start).count(), peakAtStart, PeakRssKilobytes(),
                status == 0 ? "" : " (no paint seen)");
    return status;
}
