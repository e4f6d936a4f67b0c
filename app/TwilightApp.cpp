#include "app/TwilightApp.h"

#include "app/QtPrompts.h"
#include "app/TwilightDlg.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CTwilightApp::InitInstance()
{
    // The organisation name only; no setting is ever read or written.
    QCoreApplication::setOrganizationName(QStringLiteral("Vom lokalen Anwendungs-Assistenten generierte Anwendungen"));

    // Qt's own boxes (file dialog, colour picker, message-box buttons) in
    // German, where the translations are installed.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);

    QIcon icon;
    for (const char* file : {":/crepulo/icons/crepulo-16.png", ":/crepulo/icons/crepulo-32.png",
                             ":/crepulo/icons/crepulo-48.png"})
        icon.addFile(QLatin1String(file));
    QApplication::setWindowIcon(icon);

    QtPrompts prompts;
    CTwilightDlg dialog(&prompts);
    prompts.SetParentWidget(&dialog);
    dialog.exec();
    return false;
}
