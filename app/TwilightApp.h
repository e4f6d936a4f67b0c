#pragma once
// The application object: names the application, shows the main dialog
// modally and ends when it closes. Nothing is read or stored between runs.

class CTwilightApp
{
public:
    // Needs the QApplication of the process. Runs the main dialog until it is
    // closed, then returns false: there is nothing left to run.
    bool InitInstance();
};
