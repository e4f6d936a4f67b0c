// The main dialog as a user meets it: start-up state, layout, what starts a
// refresh, the keyboard rules and the start-up date.

#include "AppTestSupport.h"

#include "app/DialogUnits.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QTimer>

#include <chrono>

namespace {

QStringList Entries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

// Collects the parts of the dialog that have been repainted.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget* widget)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

} // namespace

// ---------------------------------------------------------------------------
// Dialog units

struct UnitCase
{
    int units;
    int pixels;
};

TEST(DialogUnits, RoundHalfAwayFromZeroLikeMulDiv)
{
    // 1.5 pixels across and 1.625 down per unit, each coordinate rounded on its own.
    const UnitCase across[] = {{7, 11}, {319, 479}, {715, 1073}, {4, 6}, {13, 20}, {-1, -2}, {0, 0}};
    for (const UnitCase& c : across)
        EXPECT_EQ(dlu::ToPixelsX(c.units), c.pixels) << c.units;
    const UnitCase down[] = {{7, 11}, {202, 328}, {258, 419}, {4, 7}, {13, 21}, {14, 23}, {-1, -2}, {0, 0}};
    for (const UnitCase& c : down)
        EXPECT_EQ(dlu::ToPixelsY(c.units), c.pixels) << c.units;
}

// ---------------------------------------------------------------------------
// Start-up state

using StartUp = DialogFixture;

TEST_F(StartUp, WindowIsTheFixedSizeTemplate)
{
    EXPECT_EQ(dlg->windowTitle(), "Crepulo");
    EXPECT_EQ(dlg->size(), QSize(1073, 419));
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    const Qt::WindowFlags flags = dlg->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_FALSE(dlg->m_hIconSmall.isNull());
    EXPECT_EQ(dlg->m_hIconLarge.size(), QSize(32, 32));

    EXPECT_EQ(dlg->m_chartFrame->geometry(), QRect(11, 11, 479, 328));
    EXPECT_EQ(dlg->ChartFrame(), QRect(11, 11, 479, 328));
    EXPECT_EQ(dlg->m_chartFrame->title(), "Grafische Darstellung");
    EXPECT_EQ(dlg->m_listTable->geometry(), QRect(669, 29, 393, 341));
    EXPECT_EQ(dlg->m_buttonExit->geometry(), QRect(984, 385, 75, 23));
    EXPECT_EQ(dlg->m_editTimeZone->geometry(), QRect(425, 385, 24, 23));
    // The group box leaves its inside to the chart painted beneath it.
    EXPECT_FALSE(dlg->m_chartFrame->autoFillBackground());
}

TEST_F(StartUp, AllTemplateControlsInTemplateOrder)
{
    const QStringList expected = {
        "m_comboCountry", "m_comboCity", "m_editLongitude", "m_editLatitude", "m_checkSummerTime",
        "m_editTimeZone", "m_checkGrid", "m_radioYear", "m_radioMonth", "m_radioDay", "m_comboYear",
        "m_comboMonth", "m_comboDay", "m_checkEvening", "m_editEveningOffset", "m_editEveningHour",
        "m_labelEveningColon", "m_buttonRefresh", "m_listTable", "m_buttonExit", "m_chartFrame",
        "m_labelCountry", "m_labelCity", "m_labelLongitude", "m_labelTimeZone", "m_labelLatitude",
        "m_labelTable", "m_labelHours", "m_labelEveningOffset", "m_labelEveningMinutes", "m_labelNotAfter",
        "m_editEveningMinute", "m_labelEveningClock", "m_buttonSave", "m_buttonInfo", "m_checkMorning",
        "m_editMorningOffset", "m_editMorningHour", "m_labelMorningColon", "m_labelMorningMinutes",
        "m_labelMorningOffset", "m_labelNotBefore", "m_editMorningMinute", "m_labelMorningClock"};
    QStringList actual;
    for (QObject* child : dlg->children()) {
        if (child->isWidgetType())
            actual.append(child->objectName());
    }
    EXPECT_EQ(actual, expected);

    const std::pair<const char*, const char*> texts[] = {
        {"m_labelCountry", "Land"},         {"m_labelCity", "PLZ / Stadt"},
        {"m_labelLongitude", "Länge:"},     {"m_labelTimeZone", "Zeitzone [WEZ]:"},
        {"m_labelLatitude", "Breite:"},     {"m_labelTable", "Tabellarische Darstellung"},
        {"m_labelHours", "Stunden"},        {"m_labelNotAfter", "Nicht nach:"},
        {"m_labelNotBefore", "Nicht vor:"}, {"m_labelEveningClock", "Uhr"},
    };
    for (const auto& [name, text] : texts) {
        const QLabel* label = Find<QLabel>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(text));
        // The whole text is visible.
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
    }
    EXPECT_EQ(dlg->m_buttonRefresh->text(), "Aktualisieren");
    EXPECT_EQ(dlg->m_buttonSave->text(), "Tabelle speichern");
    EXPECT_EQ(dlg->m_buttonInfo->text(), "Info...");
    EXPECT_EQ(dlg->m_buttonExit->text(), "Beenden");
    EXPECT_EQ(dlg->m_checkMorning->text(), "Morgen Dämmerung");
    EXPECT_EQ(dlg->m_checkEvening->text(), "Abend Dämmerung");
}

TEST_F(StartUp, FieldsListsAndSwitches)
{
    EXPECT_EQ(dlg->m_editLongitude->text(), "6.000");
    EXPECT_EQ(dlg->m_editLatitude->text(), "51.000");
    EXPECT_EQ(dlg->m_editTimeZone->text(), "1");
    EXPECT_EQ(dlg->m_editMorningOffset->text(), "0");
    EXPECT_EQ(dlg->m_editMorningHour->text(), "00");
    EXPECT_EQ(dlg->m_editMorningMinute->text(), "00");
    EXPECT_EQ(dlg->m_editEveningOffset->text(), "0");
    EXPECT_EQ(dlg->m_editEveningHour->text(), "23");
    EXPECT_EQ(dlg->m_editEveningMinute->text(), "59");

    const QStringList years = Entries(dlg->m_comboYear);
    ASSERT_EQ(years.size(), 200);
    EXPECT_EQ(years.first(), "1900");
    EXPECT_EQ(years.last(), "2099");
    EXPECT_EQ(dlg->m_comboYear->currentText(), "2009");
    EXPECT_EQ(Entries(dlg->m_comboMonth), QStringList({"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep",
                                                       "Okt", "Nov", "Dez"}));
    EXPECT_EQ(dlg->m_comboMonth->currentText(), "Jun");
    EXPECT_EQ(dlg->m_comboDay->count(), 30);
    EXPECT_EQ(dlg->m_comboDay->currentText(), "21");

    const QStringList countries = Entries(dlg->m_comboCountry);
    ASSERT_EQ(countries.size(), 22);
    EXPECT_EQ(countries.first(), "Deutschland");
    EXPECT_EQ(countries[15], "Österreich");
    EXPECT_EQ(countries.last(), "Süd-Osteuropa");
    EXPECT_EQ(dlg->m_comboCountry->currentIndex(), 0);
    const QStringList places = Entries(dlg->m_comboCity);
    ASSERT_EQ(places.size(), 100);
    EXPECT_EQ(places.first(), "PLZ=00");
    EXPECT_EQ(places.last(), "PLZ=99");
    EXPECT_EQ(dlg->m_comboCity->currentText(), "PLZ=46");

    EXPECT_TRUE(dlg->m_radioYear->isChecked());
    EXPECT_FALSE(dlg->m_radioMonth->isChecked());
    EXPECT_FALSE(dlg->m_radioDay->isChecked());
    EXPECT_TRUE(dlg->m_checkSummerTime->isChecked());
    EXPECT_TRUE(dlg->m_checkMorning->isChecked());
    EXPECT_TRUE(dlg->m_checkEvening->isChecked());
    EXPECT_FALSE(dlg->m_checkGrid->isChecked());

    EXPECT_TRUE(dlg->m_comboYear->isEnabled());
    EXPECT_FALSE(dlg->m_comboMonth->isEnabled());
    EXPECT_FALSE(dlg->m_comboDay->isEnabled());
    EXPECT_TRUE(dlg->m_comboCountry->isEnabled());
    EXPECT_TRUE(dlg->m_comboCity->isEnabled());
    for (QLineEdit* edit : {dlg->m_editMorningOffset, dlg->m_editMorningHour, dlg->m_editMorningMinute,
                            dlg->m_editEveningOffset, dlg->m_editEveningHour, dlg->m_editEveningMinute})
        EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();

    EXPECT_EQ(dlg->m_morningColour, 0x00FF0000u);
    EXPECT_EQ(dlg->m_eveningColour, 0x0000FF00u);
    EXPECT_EQ(dlg->m_morningSwatch.left, 645);
    EXPECT_EQ(dlg->m_morningSwatch.top, 216);
    EXPECT_EQ(dlg->m_morningSwatch.right, 662);
    EXPECT_EQ(dlg->m_morningSwatch.bottom, 233);
    EXPECT_EQ(dlg->m_eveningSwatch.left, 645);
    EXPECT_EQ(dlg->m_eveningSwatch.top, 130);
    EXPECT_EQ(dlg->m_eveningSwatch.right, 662);
    EXPECT_EQ(dlg->m_eveningSwatch.bottom, 147);
}

TEST_F(StartUp, TableHoldsTheYearForPlz46)
{
    const QTreeWidget* table = dlg->m_listTable;
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->headerItem()->text(0), "Datum (Jahr-Monat-Tag)");
    EXPECT_EQ(table->headerItem()->text(1), "Mor Dä");
    EXPECT_EQ(table->headerItem()->text(2), "Abd Dä");
    EXPECT_EQ(table->columnWidth(0), 100);
    EXPECT_EQ(table->columnWidth(1), 120);
    EXPECT_EQ(table->columnWidth(2), 120);
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(table->rootIsDecorated());

    ASSERT_EQ(RowCount(), 365);
    EXPECT_EQ(Cell(0, 0), "2009-01-01");
    EXPECT_EQ(Cell(364, 0), "2009-12-31");
    // 21 June, day 172 of the year, at 51 N 6 E in summer time.
    EXPECT_EQ(Cell(171, 0), "2009-06-21");
    EXPECT_EQ(Cell(171, 1), "04:34");
    EXPECT_EQ(Cell(171, 2), "22:40");
}

TEST_F(StartUp, FocusStartsOnTheCountryList)
{
    ShowActive();
    EXPECT_EQ(QApplication::focusWidget(), dlg->m_comboCountry);
}

TEST_F(StartUp, EveryInputHasAnAccessibleName)
{
    const std::pair<QWidget*, const char*> named[] = {
        {dlg->m_comboCountry, "Land"},
        {dlg->m_comboCity, "PLZ / Stadt"},
        {dlg->m_comboYear, "Jahr"},
        {dlg->m_editLongitude, "Länge:"},
        {dlg->m_editLatitude, "Breite:"},
        {dlg->m_editTimeZone, "Zeitzone [WEZ]:"},
        {dlg->m_editMorningHour, "Nicht vor: Stunde"},
        {dlg->m_editMorningMinute, "Nicht vor: Minute"},
        {dlg->m_editEveningHour, "Nicht nach: Stunde"},
        {dlg->m_editEveningMinute, "Nicht nach: Minute"},
        {dlg->m_listTable, "Tabellarische Darstellung"},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(name)) << widget->objectName().toStdString();

    // Fields read their name through the accessibility interface; lists and
    // fields with a label in the window are also labelled by it.
    QAccessibleInterface* longitude = QAccessible::queryAccessibleInterface(dlg->m_editLongitude);
    ASSERT_NE(longitude, nullptr);
    EXPECT_EQ(longitude->text(QAccessible::Name), "Länge:");
    for (const auto& [input, labelName] : {std::pair{dlg->m_comboCountry, "m_labelCountry"},
                                           std::pair{dlg->m_comboCity, "m_labelCity"}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(input);
        ASSERT_NE(accessible, nullptr);
        bool labelled = false;
        for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
            labelled = labelled || other->object() == Find<QLabel>(labelName);
        EXPECT_TRUE(labelled) << labelName;
    }

    // No input, list or button goes without a name.
    for (QWidget* widget : dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QGroupBox*>(widget))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString name = button ? button->text() : widget->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << widget->objectName().toStdString();
    }
}

TEST_F(StartUp, TabVisitsTheTemplateTabStopsInOrder)
{
    ShowActive();
    // The radio buttons are no tab stops; month and day lists are disabled.
    const QStringList expected = {
        "m_comboCity", "m_editLongitude", "m_editLatitude", "m_checkSummerTime", "m_editTimeZone", "m_checkGrid",
        "m_comboYear", "m_checkEvening", "m_editEveningOffset", "m_editEveningHour", "m_buttonRefresh",
        "m_listTable", "m_buttonExit", "m_editEveningMinute", "m_buttonSave", "m_buttonInfo", "m_checkMorning",
        "m_editMorningOffset", "m_editMorningHour", "m_editMorningMinute", "m_comboCountry"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(prompts.messages.empty());
}

// ---------------------------------------------------------------------------
// Start-up date: the current date in UTC, through an injected clock

struct ClockCase
{
    const char* name;
    UtcDate today;
    const char* year;  // selected year
    const char* month; // selected month
    const char* day;   // selected day
    int daysInList;
    int rows;
};

void PrintTo(const ClockCase& c, std::ostream* os)
{
    *os << c.name;
}

class StartDate : public DialogFixture, public ::testing::WithParamInterface<ClockCase>
{
protected:
    void SetUp() override { Start(FixedDate(GetParam().today.year, GetParam().today.month, GetParam().today.day)); }
};

TEST_P(StartDate, SelectsTheDateAndFillsItsYear)
{
    const ClockCase& c = GetParam();
    EXPECT_EQ(dlg->m_comboYear->currentText(), c.year);
    EXPECT_EQ(dlg->m_comboMonth->currentText(), c.month);
    EXPECT_EQ(dlg->m_comboDay->count(), c.daysInList);
    EXPECT_EQ(dlg->m_comboDay->currentText(), c.day);
    ASSERT_EQ(RowCount(), c.rows);
    EXPECT_EQ(Cell(0, 0), QString(c.year) + "-01-01");
    EXPECT_EQ(Cell(c.rows - 1, 0), QString(c.year) + "-12-31");
}

const ClockCase kClockCases[] = {
    // Shortly after midnight on 1 January in Germany it is still 31 December in UTC.
    {"NewYearsEveInUtc", {2009, 12, 31}, "2009", "Dez", "31", 31, 365},
    {"LeapDay", {2012, 2, 29}, "2012", "Feb", "29", 29, 366},
    {"FirstYearNoLeapDay", {1900, 2, 28}, "1900", "Feb", "28", 28, 365},
    {"CenturyLeapYear", {2000, 3, 1}, "2000", "Mrz", "1", 31, 366},
    {"LastYear", {2099, 12, 31}, "2099", "Dez", "31", 31, 365},
    // Outside the list: its nearest end, with the month and day of the clock.
    {"BeforeTheList", {1899, 5, 10}, "1900", "Mai", "10", 31, 365},
    {"AfterTheList", {2100, 7, 4}, "2099", "Jul", "4", 31, 365},
    {"LeapDayAfterTheList", {2104, 2, 29}, "2099", "Feb", "28", 28, 365},
};

INSTANTIATE_TEST_SUITE_P(App, StartDate, ::testing::ValuesIn(kClockCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UtcDate, IsTheCalendarDateInUtc)
{
    using namespace std::chrono;
    // 00:30 on 1 January 2010 in Berlin (UTC+1) is 23:30 on 31 December in UTC.
    const sys_time<minutes> berlinNewYear = sys_days{2010y / January / 1} - 1h + 30min;
    const UtcDate eve = UtcDateOf(berlinNewYear);
    EXPECT_EQ(eve.year, 2009);
    EXPECT_EQ(eve.month, 12);
    EXPECT_EQ(eve.day, 31);
    const UtcDate newYear = UtcDateOf(sys_days{2010y / January / 1});
    EXPECT_EQ(newYear.year, 2010);
    EXPECT_EQ(newYear.day, 1);
    // Before 1970 the date must still round down, not toward the epoch.
    const UtcDate before = UtcDateOf(sys_days{1970y / January / 1} - 1s);
    EXPECT_EQ(before.year, 1969);
    EXPECT_EQ(before.month, 12);
    EXPECT_EQ(before.day, 31);
}

TEST(UtcDate, DialogStartsOnTodayInUtcByDefault)
{
    FakePrompts prompts;
    const QDate today = QDateTime::currentDateTimeUtc().date();
    CTwilightDlg dlg(&prompts);
    if (today.year() < 1900 || today.year() > 2099)
        GTEST_SKIP() << "today lies outside the year list";
    EXPECT_EQ(dlg.m_comboYear->currentText(), QString::number(today.year()));
    EXPECT_EQ(dlg.m_comboMonth->currentIndex(), today.month() - 1);
    EXPECT_EQ(dlg.m_comboDay->currentText(), QString::number(today.day()));
    EXPECT_EQ(dlg.m_listTable->topLevelItemCount(), QDate::isLeapYear(today.year()) ? 366 : 365);
}

// ---------------------------------------------------------------------------
// What starts a refresh and what only redraws the chart

struct TriggerCase
{
    const char* name;
    std::function<void(CTwilightDlg&)> prepare;  // not counted
    std::function<void(CTwilightDlg&)> act;
    bool refreshes;
    bool redrawsChart;
    std::function<void(CTwilightDlg&)> verify;
};

void PrintTo(const TriggerCase& c, std::ostream* os)
{
    *os << c.name;
}

class Triggers : public DialogFixture, public ::testing::WithParamInterface<TriggerCase>
{
};

TEST_P(Triggers, RefreshOrRedrawOnly)
{
    const TriggerCase& c = GetParam();
    ShowActive();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    if (c.prepare)
        c.prepare(*dlg);
    QTest::qWait(20);
    TakeRefreshCount();
    PaintRecorder recorder(dlg.get());

    c.act(*dlg);

    EXPECT_EQ(TakeRefreshCount(), c.refreshes ? 1 : 0);
    const QRect frame = dlg->ChartFrame();
    if (c.redrawsChart) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.painted.contains(frame); }, 1000));
    } else {
        QTest::qWait(50);
        EXPECT_FALSE(recorder.painted.intersects(frame));
    }
    if (c.verify)
        c.verify(*dlg);
}

QString FirstDate(const CTwilightDlg& d)
{
    return d.m_listTable->topLevelItem(0)->text(0);
}

int Rows(const CTwilightDlg& d)
{
    return d.m_listTable->topLevelItemCount();
}

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

const TriggerCase kTriggerCases[] = {
    {"CountryList", nullptr, [](CTwilightDlg& d) { QTest::keyClick(d.m_comboCountry, Qt::Key_Down); }, true, true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(d.m_comboCountry->currentText(), "Belgien");
         EXPECT_EQ(d.m_comboCity->count(), 7);
         EXPECT_EQ(d.m_comboCity->currentText(), "Antwerpen");
         EXPECT_EQ(d.m_editLongitude->text(), "4.000");
         EXPECT_EQ(d.m_editLatitude->text(), "51.000");
         EXPECT_EQ(d.m_editTimeZone->text(), "1");
     }},
    {"CityList", nullptr, [](CTwilightDlg& d) { QTest::keyClick(d.m_comboCity, Qt::Key_Up); }, true, true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(d.m_comboCity->currentText(), "PLZ=45");
         EXPECT_EQ(d.m_editLongitude->text(), "7.000");
     }},
    {"YearList", nullptr, [](CTwilightDlg& d) { QTest::keyClick(d.m_comboYear, Qt::Key_Down); }, true, true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(Rows(d), 365);
         EXPECT_EQ(FirstDate(d), "2010-01-01");
         EXPECT_EQ(d.m_comboDay->currentText(), "1");
     }},
    {"MonthList", [](CTwilightDlg& d) { Click(d.m_radioMonth); },
     [](CTwilightDlg& d) { QTest::keyClick(d.m_comboMonth, Qt::Key_Up); }, true, true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(Rows(d), 31);
         EXPECT_EQ(FirstDate(d), "2009-05-01");
         EXPECT_EQ(d.m_comboDay->count(), 31);
         EXPECT_EQ(d.m_comboDay->currentText(), "1");
     }},
    {"DayList", [](CTwilightDlg& d) { Click(d.m_radioDay); },
     [](CTwilightDlg& d) { QTest::keyClick(d.m_comboDay, Qt::Key_Down); }, true, true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(Rows(d), 1);
         EXPECT_EQ(FirstDate(d), "2009-06-22");
     }},
    {"MonthRadio", nullptr, [](CTwilightDlg& d) { Click(d.m_radioMonth); }, true, true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(Rows(d), 30);
         EXPECT_TRUE(d.m_comboYear->isEnabled());
         EXPECT_TRUE(d.m_comboMonth->isEnabled());
         EXPECT_FALSE(d.m_comboDay->isEnabled());
     }},
    {"DayRadio", nullptr, [](CTwilightDlg& d) { Click(d.m_radioDay); }, true, true,
     [](CTwilightDlg& d) {
         ASSERT_EQ(Rows(d), 1);
         EXPECT_EQ(FirstDate(d), "2009-06-21");
         EXPECT_TRUE(d.m_comboYear->isEnabled());
         EXPECT_TRUE(d.m_comboMonth->isEnabled());
         EXPECT_TRUE(d.m_comboDay->isEnabled());
     }},
    {"YearRadio", [](CTwilightDlg& d) { Click(d.m_radioDay); }, [](CTwilightDlg& d) { Click(d.m_radioYear); }, true,
     true,
     [](CTwilightDlg& d) {
         EXPECT_EQ(Rows(d), 365);
         EXPECT_TRUE(d.m_comboYear->isEnabled());
         EXPECT_FALSE(d.m_comboMonth->isEnabled());
         EXPECT_FALSE(d.m_comboDay->isEnabled());
     }},
    {"SummerTimeBox", nullptr, [](CTwilightDlg& d) { Click(d.m_checkSummerTime); }, true, true,
     [](CTwilightDlg& d) {
         // Without the summer hour 21 June reads one hour earlier.
         EXPECT_EQ(d.m_listTable->topLevelItem(171)->text(1), "03:34");
         EXPECT_EQ(d.m_listTable->topLevelItem(171)->text(2), "21:40");
     }},
    {"RefreshButton", nullptr, [](CTwilightDlg& d) { QTest::mouseClick(d.m_buttonRefresh, Qt::LeftButton); }, true,
     true, [](CTwilightDlg& d) { EXPECT_EQ(Rows(d), 365); }},
    {"MorningBox", nullptr, [](CTwilightDlg& d) { Click(d.m_checkMorning); }, false, true,
     [](CTwilightDlg& d) {
         EXPECT_FALSE(d.m_editMorningOffset->isEnabled());
         EXPECT_FALSE(d.m_editMorningHour->isEnabled());
         EXPECT_FALSE(d.m_editMorningMinute->isEnabled());
         EXPECT_TRUE(d.m_editEveningOffset->isEnabled());
     }},
    {"EveningBox", nullptr, [](CTwilightDlg& d) { Click(d.m_checkEvening); }, false, true,
     [](CTwilightDlg& d) {
         EXPECT_FALSE(d.m_editEveningOffset->isEnabled());
         EXPECT_FALSE(d.m_editEveningHour->isEnabled());
         EXPECT_FALSE(d.m_editEveningMinute->isEnabled());
         EXPECT_TRUE(d.m_editMorningOffset->isEnabled());
     }},
    {"GridBox", nullptr, [](CTwilightDlg& d) { Click(d.m_checkGrid); }, false, true,
     [](CTwilightDlg& d) { EXPECT_TRUE(d.m_checkGrid->isChecked()); }},
    {"TableSelection", nullptr,
     [](CTwilightDlg& d) {
         QTreeWidget* table = d.m_listTable;
         const QRect row = table->visualItemRect(table->topLevelItem(3));
         QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row.center());
     },
     false, true,
     [](CTwilightDlg& d) {
         EXPECT_TRUE(d.m_listTable->topLevelItem(3)->isSelected());
         EXPECT_EQ(Rows(d), 365);
     }},
    // A selection set by the program is no choice of the user.
    {"ListChangedByProgram", nullptr, [](CTwilightDlg& d) { d.m_comboYear->setCurrentIndex(0); }, false, false,
     [](CTwilightDlg& d) { EXPECT_EQ(FirstDate(d), "2009-01-01"); }},
};

INSTANTIATE_TEST_SUITE_P(App, Triggers, ::testing::ValuesIn(kTriggerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Enter and Escape

class Keys : public DialogFixture, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(Keys, EnterAndEscapeDoNothing)
{
    ShowActive();
    auto* target = Find<QWidget>(GetParam());
    ASSERT_NE(target, nullptr);
    target->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == target; }));
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->setText(QStringLiteral("200"));  // out of range for every field

    // Any box that opened would be recorded and closed again.
    QStringList opened;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened.append(modal->windowTitle());
            modal->close();
        }
    });
    watcher.start(10);
    TakeRefreshCount();

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(QApplication::focusWidget(), key);
    QTest::qWait(50);

    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_EQ(QApplication::focusWidget(), target);
    EXPECT_EQ(TakeRefreshCount(), 0);
    EXPECT_TRUE(opened.isEmpty()) << opened.join(", ").toStdString();
    // Enter is no field check.
    EXPECT_TRUE(prompts.messages.empty());
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        EXPECT_EQ(edit->text(), "200");
    }
}

INSTANTIATE_TEST_SUITE_P(App, Keys,
                         ::testing::Values("m_comboCountry", "m_editLongitude", "m_editEveningMinute", "m_checkGrid",
                                           "m_buttonRefresh", "m_buttonSave", "m_buttonInfo", "m_buttonExit",
                                           "m_listTable"));

using Closing = DialogFixture;

TEST_F(Closing, BeendenAndTheCloseBoxEndTheDialog)
{
    ShowActive();
    QTest::mouseClick(dlg->m_buttonExit, Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);

    Start(FixedDate(2009, 6, 21));
    ShowActive();
    EXPECT_TRUE(dlg->close());
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(Closing, ABadFieldIsNotCheckedWhileTheDialogCloses)
{
    ShowActive();
    dlg->m_editLongitude->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg->m_editLongitude->hasFocus(); }));
    dlg->m_editLongitude->setText(QStringLiteral("200"));
    dlg->close();
    dlg.reset();
    EXPECT_TRUE(prompts.messages.empty());
}

// ---------------------------------------------------------------------------
// Nothing is remembered from one dialog to the next

namespace {

QStringList Snapshot(const CTwilightDlg& d)
{
    QStringList state;
    for (const QLineEdit* edit : d.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        state << edit->objectName() + '=' + edit->text() + (edit->isEnabled() ? "" : " (disabled)");
    for (const QComboBox* combo : d.findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
        state << combo->objectName() + '=' + combo->currentText() + '/' + QString::number(combo->count())
                     + (combo->isEnabled() ? "" : " (disabled)");
    for (const QAbstractButton* button : d.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        state << button->objectName() + (button->isChecked() ? " checked" : "");
    const int rows = d.m_listTable->topLevelItemCount();
    state << QString::number(rows) << d.m_listTable->topLevelItem(rows / 2)->text(1);
    state << QString::number(d.m_morningColour) << QString::number(d.m_eveningColour);
    return state;
}

} // namespace

using Memory = DialogFixture;

TEST_F(Memory, ASecondDialogStartsAfresh)
{
    const QStringList fresh = Snapshot(*dlg);
    ShowActive();
    ChooseWithKeys(dlg->m_comboCountry, 15);
    ChooseWithKeys(dlg->m_comboCity, 3);
    ClickButton(dlg->m_radioDay);
    ClickButton(dlg->m_checkGrid);
    ClickButton(dlg->m_checkMorning);
    ClickButton(dlg->m_checkSummerTime);
    dlg->m_editEveningOffset->setText(QStringLiteral("-30"));
    dlg->m_morningColour = 0x123456;
    QTest::mouseClick(dlg->m_buttonRefresh, Qt::LeftButton);
    ASSERT_NE(Snapshot(*dlg), fresh);

    Start(FixedDate(2009, 6, 21));
    EXPECT_EQ(Snapshot(*dlg), fresh);
}
