// crepulo: the desktop program. Shows the main dialog until it is closed.

#include "app/TwilightApp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before any window system is needed, so it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("crepulo " CREPULO_VERSION "\n");
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }

    QApplication application(argc, argv);
    CTwilightApp app;
    app.InitInstance();
    return 0;
}
