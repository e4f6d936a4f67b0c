#include "app/TwilightDlg.h"

#include "app/AboutDlg.h"
#include "app/DialogFont.h"
#include "app/DialogUnits.h"
#include "chart/ChartResources.h"
#include "locations/Locations.h"
#include "schedule/Export.h"
#include "schedule/RowRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

namespace {

// The chart area's frame: an etched rectangle with its title on the top edge,
// like a Windows group box. The inside is left unpainted, so the chart that the
// dialog paints beneath it shows through.
class ChartFrameBox : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const int edgeY = metrics.height() / 2;
        const QRect outer = rect().adjusted(0, edgeY, -1, -1);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(outer.adjusted(1, 1, 0, 0));
        const QString text = title();
        if (text.isEmpty())
            return;
        const QRect titleRect(dlu::ToPixelsX(4), 0, metrics.horizontalAdvance(text) + 4, metrics.height());
        painter.fillRect(titleRect, palette().color(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(titleRect, Qt::AlignCenter, text);
    }
};

// Centres the text of every column, as the table's columns are declared.
class CentredItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
    }
};

// Ends a heading that is wider than its column in "...", as a Windows list
// view does. (Fusion's header drops the header's own elide mode.)
class ElidingHeaderStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_HeaderLabel) {
            if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option)) {
                QStyleOptionHeader elided(*header);
                const int margin = pixelMetric(PM_HeaderMargin, option, widget);
                elided.text = header->fontMetrics.elidedText(header->text, Qt::ElideRight,
                                                             header->rect.width() - 2 * margin);
                QProxyStyle::drawControl(element, &elided, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

const char* const kMonthNames[12] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                     "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;
constexpr int kStartPlacePosition = 46;  // "PLZ=46"

// Closed height of the drop-down lists: that of the edit fields beside them.
constexpr int kComboHeightUnits = 14;

std::string Utf8Of(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

int WholeNumberOf(const QLineEdit* edit)
{
    return LeadingInteger(Utf8Of(edit));
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Places a control at its template rectangle (dialog units).
template <class Widget>
Widget* Place(Widget* widget, const char* name, int x, int y, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(dlu::ToPixels(x, y, width, height));
    return widget;
}

// A static text, a check box or a radio button at its template rectangle,
// widened to its text where the dialog font is wider than the template's.
template <class Widget>
Widget* PlaceText(Widget* widget, const char* name, int x, int y, int width, int height)
{
    Place(widget, name, x, y, width, height);
    const int needed = widget->sizeHint().width();
    if (needed > widget->width())
        widget->resize(needed, widget->height());
    return widget;
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, const char* name, int x, int y, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return PlaceText(label, name, x, y, width, height);
}

// A drop-down list: the template height includes the opened list, so the
// closed box gets the edit height and the list shows as many entries as fit.
QComboBox* PlaceCombo(QWidget* parent, const char* name, int x, int y, int width, int droppedHeight)
{
    auto* combo = new QComboBox(parent);
    Place(combo, name, x, y, width, kComboHeightUnits);
    const int listPixels = dlu::ToPixelsY(droppedHeight) - combo->height();
    const int entryPixels = std::max(1, combo->fontMetrics().height() + 2);
    combo->setMaxVisibleItems(std::max(5, listPixels / entryPixels));
    return combo;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width, int height)
{
    auto* edit = new QLineEdit(parent);
    return Place(edit, name, x, y, width, height);
}

QPushButton* PlaceButton(QWidget* parent, const QString& text, const char* name, int x, int y, int width, int height)
{
    auto* button = new QPushButton(text, parent);
    // Enter presses no button of this dialog.
    button->setAutoDefault(false);
    button->setDefault(false);
    return Place(button, name, x, y, width, height);
}

void Label(QLabel* label, QWidget* input, const QString& accessibleName)
{
    if (label)
        label->setBuddy(input);
    input->setAccessibleName(accessibleName);
}

} // namespace

CTwilightDlg::CTwilightDlg(Prompts* prompts, UtcDateSource today, QWidget* parent)
    : QDialog(parent)
    , m_prompts(prompts)
    , m_today(today ? std::move(today) : UtcDateSource(CurrentUtcDate))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Crepulo"));
    setFont(DialogFont());
    setFixedSize(dlu::ToPixelsX(715), dlu::ToPixelsY(258));

    m_hIconSmall = QPixmap(QStringLiteral(":/crepulo/icons/crepulo-16.png"));
    m_hIconLarge = QPixmap(QStringLiteral(":/crepulo/icons/crepulo-32.png"));

    CreateControls();
    ConnectControls();
    WatchKeysAndFocus(this);
    OnInitDialog();
}

CTwilightDlg::~CTwilightDlg()
{
    // The controls outlive this part of the object (the widget base deletes
    // them); the table's last signals must no longer reach the handlers.
    m_bClosing = true;
    m_listTable->model()->disconnect(this);
    m_listTable->selectionModel()->disconnect(this);
}

void CTwilightDlg::CreateControls()
{
    // Template order, which is also the tab order.
    m_comboCountry = PlaceCombo(this, "m_comboCountry", 17, 218, 72, 98);
    m_comboCity = PlaceCombo(this, "m_comboCity", 17, 237, 72, 88);
    m_editLongitude = PlaceEdit(this, "m_editLongitude", 166, 218, 40, 14);
    m_editLatitude = PlaceEdit(this, "m_editLatitude", 252, 218, 40, 14);
    m_checkSummerTime = PlaceText(new QCheckBox(QStringLiteral("Sommer-Winterzeit"), this), "m_checkSummerTime",
                                  142, 238, 77, 10);
    m_editTimeZone = PlaceEdit(this, "m_editTimeZone", 283, 237, 16, 14);
    m_checkGrid = PlaceText(new QCheckBox(QStringLiteral("Gitter"), this), "m_checkGrid", 331, 220, 34, 10);
    m_radioYear = PlaceText(new QRadioButton(QStringLiteral("Jahr"), this), "m_radioYear", 333, 19, 30, 10);
    m_radioMonth = PlaceText(new QRadioButton(QStringLiteral("Monat"), this), "m_radioMonth", 333, 35, 36, 10);
    m_radioDay = PlaceText(new QRadioButton(QStringLiteral("Tag"), this), "m_radioDay", 333, 50, 28, 10);
    m_comboYear = PlaceCombo(this, "m_comboYear", 376, 18, 60, 87);
    m_comboMonth = PlaceCombo(this, "m_comboMonth", 376, 34, 60, 75);
    m_comboDay = PlaceCombo(this, "m_comboDay", 376, 49, 60, 74);
    m_checkEvening = PlaceText(new QCheckBox(QStringLiteral("Abend Dämmerung"), this), "m_checkEvening",
                               330, 80, 77, 10);
    m_editEveningOffset = PlaceEdit(this, "m_editEveningOffset", 369, 91, 16, 14);
    m_editEveningHour = PlaceEdit(this, "m_editEveningHour", 381, 109, 16, 14);
    PlaceLabel(this, QStringLiteral(":"), "m_labelEveningColon", 401, 112, 8, 8);
    m_buttonRefresh = PlaceButton(this, QStringLiteral("Aktualisieren"), "m_buttonRefresh", 446, 236, 50, 14);
    m_listTable = Place(new QTreeWidget(this), "m_listTable", 446, 18, 262, 210);
    m_buttonExit = PlaceButton(this, QStringLiteral("Beenden"), "m_buttonExit", 656, 237, 50, 14);
    m_chartFrame = Place(new ChartFrameBox(QStringLiteral("Grafische Darstellung"), this), "m_chartFrame",
                         7, 7, 319, 202);
    QLabel* country = PlaceLabel(this, QStringLiteral("Land"), "m_labelCountry", 94, 220, 16, 8);
    QLabel* city = PlaceLabel(this, QStringLiteral("PLZ / Stadt"), "m_labelCity", 94, 239, 36, 8);
    QLabel* longitude = PlaceLabel(this, QStringLiteral("Länge:"), "m_labelLongitude", 142, 221, 23, 8);
    QLabel* timeZone = PlaceLabel(this, QStringLiteral("Zeitzone [WEZ]:"), "m_labelTimeZone", 227, 239, 53, 8);
    QLabel* latitude = PlaceLabel(this, QStringLiteral("Breite:"), "m_labelLatitude", 227, 221, 22, 8);
    QLabel* table = PlaceLabel(this, QStringLiteral("Tabellarische Darstellung"), "m_labelTable", 447, 7, 80, 8);
    PlaceLabel(this, QStringLiteral("Stunden"), "m_labelHours", 301, 239, 28, 8);
    QLabel* eveningOffset = PlaceLabel(this, QStringLiteral("Offset:"), "m_labelEveningOffset", 342, 94, 24, 8);
    PlaceLabel(this, QStringLiteral("min"), "m_labelEveningMinutes", 390, 94, 12, 8);
    QLabel* notAfter = PlaceLabel(this, QStringLiteral("Nicht nach:"), "m_labelNotAfter", 342, 112, 37, 8);
    m_editEveningMinute = PlaceEdit(this, "m_editEveningMinute", 407, 109, 16, 14);
    PlaceLabel(this, QStringLiteral("Uhr"), "m_labelEveningClock", 428, 112, 12, 8);
    m_buttonSave = PlaceButton(this, QStringLiteral("Tabelle speichern"), "m_buttonSave", 513, 237, 69, 14);
    m_buttonInfo = PlaceButton(this, QStringLiteral("Info..."), "m_buttonInfo", 599, 237, 40, 14);
    m_checkMorning = PlaceText(new QCheckBox(QStringLiteral("Morgen Dämmerung"), this), "m_checkMorning",
                               330, 134, 77, 10);
    m_editMorningOffset = PlaceEdit(this, "m_editMorningOffset", 369, 144, 16, 14);
    m_editMorningHour = PlaceEdit(this, "m_editMorningHour", 377, 162, 16, 14);
    PlaceLabel(this, QStringLiteral(":"), "m_labelMorningColon", 397, 165, 8, 8);
    PlaceLabel(this, QStringLiteral("min"), "m_labelMorningMinutes", 389, 147, 12, 8);
    QLabel* morningOffset = PlaceLabel(this, QStringLiteral("Offset:"), "m_labelMorningOffset", 341, 147, 24, 8);
    QLabel* notBefore = PlaceLabel(this, QStringLiteral("Nicht vor:"), "m_labelNotBefore", 341, 165, 32, 8);
    m_editMorningMinute = PlaceEdit(this, "m_editMorningMinute", 403, 162, 16, 14);
    PlaceLabel(this, QStringLiteral("Uhr"), "m_labelMorningClock", 423, 165, 12, 8);

    // The three period buttons switch among themselves; like the template's
    // radio group they are not tab stops.
    m_periodGroup = new QButtonGroup(this);
    for (QRadioButton* radio : {m_radioYear, m_radioMonth, m_radioDay}) {
        m_periodGroup->addButton(radio);
        radio->setFocusPolicy(Qt::ClickFocus);
    }

    // What a screen reader or an automation client reads for each input.
    Label(country, m_comboCountry, QStringLiteral("Land"));
    Label(city, m_comboCity, QStringLiteral("PLZ / Stadt"));
    Label(longitude, m_editLongitude, QStringLiteral("Länge:"));
    Label(latitude, m_editLatitude, QStringLiteral("Breite:"));
    Label(timeZone, m_editTimeZone, QStringLiteral("Zeitzone [WEZ]:"));
    Label(nullptr, m_comboYear, QStringLiteral("Jahr"));
    Label(nullptr, m_comboMonth, QStringLiteral("Monat"));
    Label(nullptr, m_comboDay, QStringLiteral("Tag"));
    Label(eveningOffset, m_editEveningOffset, QStringLiteral("Abend Dämmerung: Offset (min)"));
    Label(notAfter, m_editEveningHour, QStringLiteral("Nicht nach: Stunde"));
    Label(nullptr, m_editEveningMinute, QStringLiteral("Nicht nach: Minute"));
    Label(morningOffset, m_editMorningOffset, QStringLiteral("Morgen Dämmerung: Offset (min)"));
    Label(notBefore, m_editMorningHour, QStringLiteral("Nicht vor: Stunde"));
    Label(nullptr, m_editMorningMinute, QStringLiteral("Nicht vor: Minute"));
    Label(table, m_listTable, QStringLiteral("Tabellarische Darstellung"));

    // The table: a report view, several rows selectable, whole rows highlighted.
    m_listTable->setRootIsDecorated(false);
    m_listTable->setItemsExpandable(false);
    m_listTable->setIndentation(0);
    m_listTable->setUniformRowHeights(true);
    m_listTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listTable->setSortingEnabled(false);
    m_listTable->header()->setStretchLastSection(false);
    m_listTable->header()->setSectionsMovable(false);
    m_listTable->setItemDelegate(new CentredItemDelegate(m_listTable));
}

void CTwilightDlg::ConnectControls()
{
    // Lists: only a selection made by the user counts, as with the Windows
    // list notification; selections set by the program send nothing.
    connect(m_comboCountry, &QComboBox::activated, this, [this] { OnSelChangeCountry(); });
    connect(m_comboCity, &QComboBox::activated, this, [this] { OnSelChangeCity(); });
    connect(m_comboYear, &QComboBox::activated, this, [this] { OnSelChangeYearOrMonth(); });
    connect(m_comboMonth, &QComboBox::activated, this, [this] { OnSelChangeYearOrMonth(); });
    connect(m_comboDay, &QComboBox::activated, this, [this] { OnDayOrSummerTimeChanged(); });

    connect(m_checkSummerTime, &QCheckBox::clicked, this, [this] { OnDayOrSummerTimeChanged(); });
    connect(m_checkMorning, &QCheckBox::clicked, this, [this] { OnTwilightCheck(); });
    connect(m_checkEvening, &QCheckBox::clicked, this, [this] { OnTwilightCheck(); });
    connect(m_checkGrid, &QCheckBox::clicked, this, [this] { OnGridCheck(); });
    for (QRadioButton* radio : {m_radioYear, m_radioMonth, m_radioDay})
        connect(radio, &QRadioButton::clicked, this, [this] { OnPeriodRadio(); });

    connect(m_buttonRefresh, &QPushButton::clicked, this, [this] { OnRefresh(); });
    connect(m_buttonExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_buttonSave, &QPushButton::clicked, this, [this] { OnSaveTable(); });
    connect(m_buttonInfo, &QPushButton::clicked, this, [this] { OnInfoButton(); });

    // Every change of the table's rows or of their selection redraws the chart.
    QAbstractItemModel* model = m_listTable->model();
    const auto changed = [this] { OnListItemChanged(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(model, &QAbstractItemModel::dataChanged, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
    connect(model, &QAbstractItemModel::layoutChanged, this, changed);
    QItemSelectionModel* selection = m_listTable->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, changed);
    connect(selection, &QItemSelectionModel::currentChanged, this, changed);
}

void CTwilightDlg::WatchKeysAndFocus(QWidget* widget)
{
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool CTwilightDlg::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Enter and Escape do nothing anywhere in this window: no button is
        // pressed and the dialog does not close. Boxes opened on top of it are
        // windows of their own and keep both keys.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == this)
                return true;
        }
        break;
    }
    case QEvent::FocusOut: {
        // A context menu takes the focus only for a moment; the field keeps it.
        // A window that is closing (hidden first, then deactivated) checks
        // nothing, so that no message box appears over a closed window.
        if (m_bClosing || isHidden() || static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            break;
        if (watched == m_editLongitude)
            OnKillFocusLongitude();
        else if (watched == m_editLatitude)
            OnKillFocusLatitude();
        else if (watched == m_editTimeZone)
            OnKillFocusTimeZone();
        else if (watched == m_editMorningOffset)
            OnKillFocusMorningOffset();
        else if (watched == m_editEveningOffset)
            OnKillFocusEveningOffset();
        else if (watched == m_editMorningHour)
            OnKillFocusMorningHour();
        else if (watched == m_editMorningMinute)
            OnKillFocusMorningMinute();
        else if (watched == m_editEveningHour)
            OnKillFocusEveningHour();
        else if (watched == m_editEveningMinute)
            OnKillFocusEveningMinute();
        break;
    }
    case QEvent::ChildAdded: {
        // Widgets created later inside a control (such as a list's editor)
        // get the same key filter; pop-ups are windows and are left alone.
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child && !m_bClosing)
            WatchKeysAndFocus(child);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CTwilightDlg::OnInitDialog()
{
    // Linux window managers own the title-bar menu, so the about entry of the
    // system menu has no place there; "Info..." opens the about box.
    QIcon icon;
    icon.addPixmap(m_hIconSmall);
    icon.addPixmap(m_hIconLarge);
    icon.addFile(QStringLiteral(":/crepulo/icons/crepulo-48.png"));
    setWindowIcon(icon);

    const UtcDate today = m_today();

    m_radioYear->setChecked(true);
    m_radioMonth->setChecked(false);
    m_radioDay->setChecked(false);
    m_checkSummerTime->setChecked(true);
    m_checkMorning->setChecked(true);
    m_checkEvening->setChecked(true);

    m_editMorningOffset->setText(QStringLiteral("0"));
    m_editMorningHour->setText(QStringLiteral("00"));
    m_editMorningMinute->setText(QStringLiteral("00"));
    m_editEveningOffset->setText(QStringLiteral("0"));
    m_editEveningHour->setText(QStringLiteral("23"));
    m_editEveningMinute->setText(QStringLiteral("59"));
    m_editLongitude->setText(QStringLiteral("0"));
    m_editLatitude->setText(QStringLiteral("0"));
    m_editTimeZone->setText(QStringLiteral("0"));

    // A year outside the list selects its nearest end; month and day stay.
    QStringList years;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        years.append(QString::number(year));
    m_comboYear->clear();
    m_comboYear->addItems(years);
    m_comboYear->setCurrentIndex(std::clamp(today.year, kFirstYear, kLastYear) - kFirstYear);

    m_comboMonth->clear();
    for (const char* name : kMonthNames)
        m_comboMonth->addItem(QLatin1String(name));
    m_comboMonth->setCurrentIndex(std::clamp(today.month, 1, 12) - 1);

    FillDayList(m_comboYear->currentIndex() + kFirstYear, m_comboMonth->currentIndex() + 1);
    // 29 February of a leap year clamped to a common year shows the 28th.
    m_comboDay->setCurrentIndex(std::clamp(today.day - 1, 0, m_comboDay->count() - 1));

    FillCountryList();

    m_listTable->clear();
    m_listTable->setColumnCount(3);
    m_listTable->setHeaderLabels({QStringLiteral("Datum (Jahr-Monat-Tag)"), QStringLiteral("Mor Dä"),
                                  QStringLiteral("Abd Dä")});
    m_listTable->header()->setDefaultAlignment(Qt::AlignCenter);
    auto* headerStyle = new ElidingHeaderStyle;
    headerStyle->setParent(m_listTable->header());
    m_listTable->header()->setStyle(headerStyle);
    m_listTable->setColumnWidth(0, 100);
    m_listTable->setColumnWidth(1, 120);
    m_listTable->setColumnWidth(2, 120);
    m_listTable->setAllColumnsShowFocus(true);

    m_morningColour = MakeColour(0, 0, 255);
    m_eveningColour = MakeColour(0, 255, 0);
    m_morningSwatch = PixelRect{645, 216, 662, 233};
    m_eveningSwatch = PixelRect{645, 130, 662, 147};

    FillCityList();
    UpdatePeriodControls();
    UpdateTwilightControls();

    m_comboCity->setCurrentIndex(kStartPlacePosition);
    ApplySelectedLocation();

    OnRefresh();

    m_comboCountry->setFocus();
}

void CTwilightDlg::FillCountryList()
{
    m_comboCountry->clear();
    for (int country = 0; country < CountryCount(); ++country)
        m_comboCountry->addItem(QString::fromUtf8(CountryName(country)));
    m_comboCountry->setCurrentIndex(0);
}

void CTwilightDlg::FillCityList()
{
    if (m_comboCountry->count() == 0) {
        m_comboCountry->setEnabled(false);
        m_comboCity->setEnabled(false);
        m_comboCountry->clear();
        m_comboCity->clear();
        return;
    }
    m_comboCity->clear();
    const int country = m_comboCountry->currentIndex();
    if (country < 0)
        return;
    QStringList places;
    for (int row = CountryFirstRow(country); row <= CountryLastRow(country); ++row)
        places.append(QString::fromUtf8(PlaceName(row)));
    m_comboCity->addItems(places);
    m_comboCity->setCurrentIndex(0);
    ApplySelectedLocation();
}

void CTwilightDlg::ApplySelectedLocation()
{
    const int country = m_comboCountry->currentIndex();
    const int position = m_comboCity->currentIndex();
    if (m_comboCity->count() == 0 || country < 0 || position < 0) {
        m_comboCity->setEnabled(false);
        m_editLongitude->setText(QStringLiteral("0"));
        m_editLatitude->setText(QStringLiteral("0"));
        m_editTimeZone->setText(QStringLiteral("0"));
        return;
    }
    const PlaceCoordinates place = PlaceCoordinatesOf(PlaceRow(country, position));
    m_editLongitude->setText(FromUtf8(FormatThreeDecimals(double(place.longitude))));
    m_editLatitude->setText(FromUtf8(FormatThreeDecimals(double(place.latitude))));
    m_editTimeZone->setText(QString::number(place.timeZone));
}

void CTwilightDlg::OnSelChangeCountry()
{
    FillCityList();
    OnRefresh();
}

void CTwilightDlg::OnSelChangeCity()
{
    ApplySelectedLocation();
    OnRefresh();
}

ScheduleInput CTwilightDlg::ReadInputs() const
{
    ScheduleInput input;
    input.longitude = WholeNumberOf(m_editLongitude);
    input.latitude = WholeNumberOf(m_editLatitude);
    input.timeZone = WholeNumberOf(m_editTimeZone);
    input.morningOffsetMinutes = WholeNumberOf(m_editMorningOffset);
    input.notBefore = ClockTime{WholeNumberOf(m_editMorningHour), WholeNumberOf(m_editMorningMinute)};
    input.eveningOffsetMinutes = WholeNumberOf(m_editEveningOffset);
    input.notAfter = ClockTime{WholeNumberOf(m_editEveningHour), WholeNumberOf(m_editEveningMinute)};
    input.summerTime = m_checkSummerTime->isChecked();
    if (m_radioYear->isChecked())
        input.period = Period::Year;
    else if (m_radioMonth->isChecked())
        input.period = Period::Month;
    else if (m_radioDay->isChecked())
        input.period = Period::Day;
    else
        input.period = Period::None;
    input.year = m_comboYear->currentIndex() + kFirstYear;
    input.month = m_comboMonth->currentIndex() + 1;
    input.day = m_comboDay->currentIndex() + 1;
    return input;
}

void CTwilightDlg::FillTable()
{
    const std::vector<ScheduleRow> rows = BuildRows(ReadInputs());
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(rows.size()));
    for (const ScheduleRow& row : rows)
        items.append(new QTreeWidgetItem(QStringList{FromUtf8(row.date), FromUtf8(row.morning), FromUtf8(row.evening)}));
    m_listTable->clear();
    m_listTable->addTopLevelItems(items);
}

void CTwilightDlg::OnRefresh()
{
    FillTable();
    InvalidateChart();
}

std::vector<ScheduleRow> CTwilightDlg::TableRows() const
{
    std::vector<ScheduleRow> rows;
    const int count = m_listTable->topLevelItemCount();
    rows.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = m_listTable->topLevelItem(i);
        rows.push_back({item->text(0).toStdString(), item->text(1).toStdString(), item->text(2).toStdString()});
    }
    return rows;
}

void CTwilightDlg::OnSaveTable()
{
    // "Bruck/mur" would turn the suggestion into a folder and a file name.
    const QString suggested = FromUtf8(SuggestedFileName(m_comboCountry->currentText().toStdString(),
                                                         m_comboCity->currentText().toStdString(),
                                                         m_comboCity->currentIndex()))
                                  .replace(QLatin1Char('/'), QLatin1Char('-'));
    const std::optional<QString> path = m_prompts->AskSaveFileName(suggested);
    if (!path)
        return;
    const std::string pathUtf8 = path->toStdString();
    switch (WriteTableFile(pathUtf8, ExportTableBytes(TableRows()))) {
    case WriteStatus::Written:
        break;
    case WriteStatus::OpenFailed:
        m_prompts->ShowMessage(FromUtf8(OpenFailedMessage(pathUtf8)), QStringLiteral("Fehler..."), MessageKind::Error);
        break;
    case WriteStatus::WriteFailed:
        m_prompts->ShowMessage(FromUtf8(WriteFailedMessage(pathUtf8)), QStringLiteral("Fehler..."), MessageKind::Error);
        break;
    }
}

void CTwilightDlg::FillDayList(int year, int month)
{
    const int days = CTwilightCalc::DaysInMonth(std::uint8_t(month), std::uint32_t(year));
    QStringList entries;
    for (int day = 1; day <= days; ++day)
        entries.append(QString::number(day));
    m_comboDay->clear();
    m_comboDay->addItems(entries);
}

void CTwilightDlg::UpdatePeriodControls()
{
    m_comboYear->setEnabled(false);
    m_comboMonth->setEnabled(false);
    m_comboDay->setEnabled(false);
    if (m_radioYear->isChecked()) {
        m_comboYear->setEnabled(true);
    } else if (m_radioMonth->isChecked()) {
        m_comboYear->setEnabled(true);
        m_comboMonth->setEnabled(true);
    }
    if (m_radioDay->isChecked()) {
        m_comboYear->setEnabled(true);
        m_comboMonth->setEnabled(true);
        m_comboDay->setEnabled(true);
    }
}

void CTwilightDlg::UpdateTwilightControls()
{
    const bool morning = m_checkMorning->isChecked();
    m_editMorningOffset->setEnabled(morning);
    m_editMorningHour->setEnabled(morning);
    m_editMorningMinute->setEnabled(morning);
    const bool evening = m_checkEvening->isChecked();
    m_editEveningOffset->setEnabled(evening);
    m_editEveningHour->setEnabled(evening);
    m_editEveningMinute->setEnabled(evening);
}

void CTwilightDlg::OnSelChangeYearOrMonth()
{
    FillDayList(m_comboYear->currentIndex() + kFirstYear, m_comboMonth->currentIndex() + 1);
    m_comboDay->setCurrentIndex(0);
    OnRefresh();
}

void CTwilightDlg::OnDayOrSummerTimeChanged()
{
    OnRefresh();
}

void CTwilightDlg::OnPeriodRadio()
{
    UpdatePeriodControls();
    OnRefresh();
}

void CTwilightDlg::OnTwilightCheck()
{
    UpdateTwilightControls();
    InvalidateChart();
}

void CTwilightDlg::OnGridCheck()
{
    InvalidateChart();
}

void CTwilightDlg::CheckInputField(QLineEdit* edit, InputField field)
{
    const FieldCheck check = CheckField(field, Utf8Of(edit));
    // The field is written back once the message has been closed.
    if (check.refused)
        m_prompts->ShowMessage(FromUtf8(RangeMessage(RangeOf(field))), QStringLiteral("Information..."),
                               MessageKind::Information);
    edit->setText(FromUtf8(check.text));
}

void CTwilightDlg::OnKillFocusLongitude()
{
    CheckInputField(m_editLongitude, InputField::Longitude);
}

void CTwilightDlg::OnKillFocusLatitude()
{
    CheckInputField(m_editLatitude, InputField::Latitude);
}

void CTwilightDlg::OnKillFocusTimeZone()
{
    CheckInputField(m_editTimeZone, InputField::TimeZone);
}

void CTwilightDlg::OnKillFocusMorningOffset()
{
    CheckInputField(m_editMorningOffset, InputField::MorningOffset);
}

void CTwilightDlg::OnKillFocusEveningOffset()
{
    CheckInputField(m_editEveningOffset, InputField::EveningOffset);
}

void CTwilightDlg::OnKillFocusMorningHour()
{
    CheckInputField(m_editMorningHour, InputField::MorningHour);
}

void CTwilightDlg::OnKillFocusMorningMinute()
{
    CheckInputField(m_editMorningMinute, InputField::MorningMinute);
}

void CTwilightDlg::OnKillFocusEveningHour()
{
    CheckInputField(m_editEveningHour, InputField::EveningHour);
}

void CTwilightDlg::OnKillFocusEveningMinute()
{
    CheckInputField(m_editEveningMinute, InputField::EveningMinute);
}

void CTwilightDlg::OnInfoButton()
{
    CAboutDlg about(this);
    about.exec();
}

void CTwilightDlg::OnListItemChanged()
{
    InvalidateChart();
}

QRect CTwilightDlg::ChartFrame() const
{
    return m_chartFrame->geometry();
}

void CTwilightDlg::InvalidateChart()
{
    update(ChartFrame());
}

void CTwilightDlg::paintEvent(QPaintEvent* event)
{
    OnPaint();
    QDialog::paintEvent(event);
}

void CTwilightDlg::OnPaint()
{
    QPainter painter(this);
    // The swatches first, on every paint, whatever part was invalidated.
    PaintSwatch(painter, m_morningSwatch, m_morningColour);
    PaintSwatch(painter, m_eveningSwatch, m_eveningColour);
    PaintChart(painter, ReadChartData());
}

ChartData CTwilightDlg::ReadChartData() const
{
    ChartData data;
    const QRect frame = ChartFrame();
    data.frame = PixelRect{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    data.faceColour = ToColorRef(palette().color(QPalette::Button));
    data.period = m_radioYear->isChecked()    ? ChartPeriod::Year
                  : m_radioMonth->isChecked() ? ChartPeriod::Month
                                              : ChartPeriod::Day;
    data.grid = m_checkGrid->isChecked();
    data.showMorning = m_checkMorning->isChecked();
    data.showEvening = m_checkEvening->isChecked();
    data.morningColour = m_morningColour;
    data.eveningColour = m_eveningColour;

    const int rowCount = m_listTable->topLevelItemCount();
    data.rows.reserve(std::size_t(rowCount));
    for (int row = 0; row < rowCount; ++row) {
        const QTreeWidgetItem* item = m_listTable->topLevelItem(row);
        data.rows.push_back(ChartRowCells{item->text(1).toStdString(), item->text(2).toStdString()});
    }
    for (const QItemSelectionRange& range : m_listTable->selectionModel()->selection()) {
        if (range.parent().isValid())
            continue;
        for (int row = range.top(); row <= range.bottom(); ++row)
            data.selectedRows.push_back(row);
    }
    std::sort(data.selectedRows.begin(), data.selectedRows.end());
    data.selectedRows.erase(std::unique(data.selectedRows.begin(), data.selectedRows.end()), data.selectedRows.end());
    return data;
}

void CTwilightDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(unsigned(event->modifiers().toInt()), event->position().toPoint());
    QDialog::mousePressEvent(event);
}

void CTwilightDlg::OnLButtonDown(unsigned /*flags*/, const QPoint& point)
{
    const std::pair<const PixelRect*, COLORREF*> pairs[] = {
        {&m_morningSwatch, &m_morningColour},
        {&m_eveningSwatch, &m_eveningColour},
    };
    for (const auto& [swatch, colour] : pairs) {
        if (!swatch->Contains(point.x(), point.y()))
            continue;
        *colour = PickColour(*colour);
        update(QRect(swatch->left, swatch->top, swatch->Width(), swatch->Height()));
        InvalidateChart();
    }
}

COLORREF CTwilightDlg::PickColour(COLORREF initial)
{
    if (m_prompts == nullptr)
        return initial;
    const std::optional<QColor> chosen = m_prompts->AskColour(ToQColor(initial));
    if (!chosen || !chosen->isValid())
        return initial;
    return ToColorRef(*chosen);
}
