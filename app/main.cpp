// crepulo: the desktop program. Shows the main dialog until it is closed.

#include "app/TwilightApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CTwilightApp app;
    app.InitInstance();
    return 0;
}
