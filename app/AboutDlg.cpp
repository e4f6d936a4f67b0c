#include "app/AboutDlg.h"

#include "app/DialogFont.h"
#include "app/DialogUnits.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

QLabel* PlaceLabel(QWidget* parent, const QString& text, const char* name, int x, int y, int width, int height,
                   bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setGeometry(dlu::ToPixels(x, y, width, height));
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Info über Crepulo"));
    setFont(DialogFont());
    setFixedSize(dlu::ToPixelsX(250), dlu::ToPixelsY(133));

    m_labelVersion = PlaceLabel(this, QStringLiteral("Crepulo Version 1.0"), "m_labelVersion", 7, 7, 119, 8, false);
    m_buttonOk = new QPushButton(QStringLiteral("OK"), this);
    m_buttonOk->setObjectName(QStringLiteral("m_buttonOk"));
    m_buttonOk->setGeometry(dlu::ToPixels(100, 109, 50, 16));
    m_buttonOk->setDefault(true);
    m_labelPurpose = PlaceLabel(this,
                                QStringLiteral("Dieses Programm dient dazu, die standortabhängigen Dämmerungszeiten der "
                                               "Produktfamilie \"Zendral\" zu berechnen und anzuzeigen."),
                                "m_labelPurpose", 7, 31, 236, 19, true);
    m_labelMethod = PlaceLabel(this,
                               QStringLiteral("Die Berechnung basiert auf der \"Bürgerlichen Dämmerung\". Diese "
                                              "entspricht der Zeit, wenn sich der Sonnenmittelpunkt 6° unter dem "
                                              "wahren Horizont befindet."),
                               "m_labelMethod", 7, 47, 236, 28, true);

    // Where the font wraps a text into more lines than the template allows,
    // the label grows and the one below moves down, so that nothing overlaps.
    int nextTop = 0;
    for (QLabel* label : {m_labelPurpose, m_labelMethod}) {
        QRect area = label->geometry();
        if (area.top() < nextTop)
            area.moveTop(nextTop);
        area.setHeight(std::max(area.height(), label->heightForWidth(area.width())));
        label->setGeometry(area);
        nextTop = area.bottom() + 1;
    }

    connect(m_buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    m_buttonOk->setFocus();
}
