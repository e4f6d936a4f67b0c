#include "app/DialogFont.h"

#include <QStringList>

QFont DialogFont()
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
