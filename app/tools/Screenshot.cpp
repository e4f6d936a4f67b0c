// Takes the screenshot of the main window for the user guide: shows the dialog
// on the current display, waits until it has been painted and saves what the
// window shows; with a second file name also the about box. Run by hand under
// a real display server, e.g.
//   xvfb-run -a -s "-screen 0 1280x800x24" crepulo-screenshot docs/images/hauptfenster.png

#include "app/AboutDlg.h"
#include "app/QtPrompts.h"
#include "app/TwilightDlg.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: crepulo-screenshot WINDOW.png [ABOUT.png]\n");
        return 2;
    }
    QApplication application(argc, argv);
    QtPrompts prompts;
    CTwilightDlg dialog(&prompts);
    dialog.show();
    int status = 1;
    QTimer::singleShot(500, &dialog, [&] {
        status = 0;
        if (!dialog.grab().save(QString::fromLocal8Bit(argv[1]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            status = 1;
        }
        if (argc == 3) {
            CAboutDlg about(&dialog);
            about.show();
            QApplication::processEvents();
            if (!about.grab().save(QString::fromLocal8Bit(argv[2]))) {
                std::fprintf(stderr, "cannot write %s\n", argv[2]);
                status = 1;
            }
        }
        application.quit();
    });
    application.exec();
    return status;
}
