// Checks that the global server is idle and returns without ever creating an
// application object; the server is destroyed after main() like the other
// globals. Every Qt message goes to stderr, so a socket operation at exit shows.

#include "net/Server.h"

#include <QtGlobal>

#include <cstdio>

int main()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const bool idle = theServer.m_pListener == nullptr && theServer.m_pSocket == nullptr
                      && theServer.m_clients.isEmpty() && theServer.m_pNotifyWnd == nullptr
                      && theServer.m_nPort == 700 && theServer.m_nMode == CMySocket::modePlain
                      && theServer.children().isEmpty();
    return idle ? 0 : 1;
}
