// The nine field checks, run for real: type into a field, leave it with Tab,
// and read what the field holds and which message appeared.

#include "AppTestSupport.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const char kLongitudeMessage[] = "Es dürfen nur Werte zwischen \"-180\" und \"180\" eingegeben werden.";
const char kLatitudeMessage[] = "Es dürfen nur Werte zwischen \"-90\" und \"90\" eingegeben werden.";
const char kTimeZoneMessage[] = "Es dürfen nur Werte zwischen \"-12\" und \"12\" eingegeben werden.";
const char kOffsetMessage[] = "Es dürfen nur Werte zwischen \"-60\" und \"60\" eingegeben werden.";
const char kHourMessage[] = "Es dürfen nur Werte zwischen \"0\" und \"23\" eingegeben werden.";
const char kMinuteMessage[] = "Es dürfen nur Werte zwischen \"0\" und \"59\" eingegeben werden.";

struct FieldCase
{
    const char* name;
    const char* field;     // object name of the edit
    const char* typed;     // nullptr: leave the text as it is
    const char* expected;  // the text after the check
    const char* message;   // nullptr: no message
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class FieldChecks : public DialogFixture, public ::testing::WithParamInterface<FieldCase>
{
};

} // namespace

TEST_P(FieldChecks, LeavingTheFieldChecksAndNormalises)
{
    const FieldCase& c = GetParam();
    ShowActive();
    auto* edit = Find<QLineEdit>(c.field);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    const QString before = edit->text();
    if (c.typed) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(c.typed));
    }
    QString textWhileShowing;
    prompts.onMessage = [&] { textWhileShowing = edit->text(); };
    const std::vector<ScheduleRow> rows = dlg->TableRows();
    TakeRefreshCount();

    QTest::keyClick(edit, Qt::Key_Tab);

    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.expected));
    if (c.message) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(prompts.messages[0].caption, "Information...");
        EXPECT_EQ(prompts.messages[0].kind, MessageKind::Information);
        // The field is written back only after the message has been closed.
        EXPECT_EQ(textWhileShowing, c.typed ? QString::fromUtf8(c.typed) : before);
    } else {
        EXPECT_TRUE(prompts.messages.empty());
    }
    // A check never refreshes the table.
    EXPECT_EQ(TakeRefreshCount(), 0);
    EXPECT_EQ(dlg->TableRows().size(), rows.size());
}

const FieldCase kFieldCases[] = {
    {"LongitudeTooLarge", "m_editLongitude", "200", "0.000", kLongitudeMessage},
    {"LongitudeUpperBound", "m_editLongitude", "180", "180.000", nullptr},
    {"LongitudeBelowLowerBound", "m_editLongitude", "-180.5", "0.000", kLongitudeMessage},
    {"LongitudeTrailingText", "m_editLongitude", "12abc", "12.000", nullptr},
    {"LongitudeNoNumber", "m_editLongitude", "abc", "0.000", nullptr},
    {"LongitudeEmpty", "m_editLongitude", "", "0.000", nullptr},
    {"LongitudeQuarter", "m_editLongitude", "-10.25", "-10.250", nullptr},
    {"LatitudeRounded", "m_editLatitude", "12.3456", "12.346", nullptr},
    {"LatitudeLowerBound", "m_editLatitude", "-90", "-90.000", nullptr},
    {"LatitudeTooLarge", "m_editLatitude", "90.01", "0.000", kLatitudeMessage},
    {"LatitudeCommaStopsTheNumber", "m_editLatitude", "51,5", "51.000", nullptr},
    {"LatitudeUnchanged", "m_editLatitude", nullptr, "51.000", nullptr},
    {"TimeZoneTooLarge", "m_editTimeZone", "13", "0", kTimeZoneMessage},
    {"TimeZoneLowerBound", "m_editTimeZone", "-12", "-12", nullptr},
    {"TimeZoneFraction", "m_editTimeZone", "2.5", "2", nullptr},
    {"EveningOffsetLowerBound", "m_editEveningOffset", "-60", "-60", nullptr},
    {"EveningOffsetUpperBound", "m_editEveningOffset", "60", "60", nullptr},
    {"EveningOffsetTooLarge", "m_editEveningOffset", "61", "0", kOffsetMessage},
    {"MorningOffsetUpperBound", "m_editMorningOffset", "60", "60", nullptr},
    {"MorningOffsetTooSmall", "m_editMorningOffset", "-61", "0", kOffsetMessage},
    {"MorningHourTooLarge", "m_editMorningHour", "24", "0", kHourMessage},
    {"MorningHourStartText", "m_editMorningHour", nullptr, "0", nullptr},
    {"MorningMinuteLeadingZeros", "m_editMorningMinute", "007", "7", nullptr},
    {"MorningMinutePlusSign", "m_editMorningMinute", "+5", "5", nullptr},
    {"EveningHourTooLarge", "m_editEveningHour", "24", "0", kHourMessage},
    {"EveningHourNegative", "m_editEveningHour", "-1", "0", kHourMessage},
    {"EveningMinuteTooLarge", "m_editEveningMinute", "60", "0", kMinuteMessage},
    {"EveningMinuteNoNumber", "m_editEveningMinute", "x", "0", nullptr},
};

INSTANTIATE_TEST_SUITE_P(App, FieldChecks, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

using FieldEffect = DialogFixture;

TEST_F(FieldEffect, ANewLongitudeCountsFromTheNextRefreshInWholeDegrees)
{
    ShowActive();
    const std::vector<ScheduleRow> before = dlg->TableRows();
    dlg->m_editLongitude->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg->m_editLongitude->hasFocus(); }));
    dlg->m_editLongitude->selectAll();
    QTest::keyClicks(dlg->m_editLongitude, QStringLiteral("13.75"));
    QTest::keyClick(dlg->m_editLongitude, Qt::Key_Tab);
    EXPECT_EQ(dlg->m_editLongitude->text(), "13.750");
    ASSERT_EQ(dlg->TableRows().size(), before.size());
    EXPECT_EQ(dlg->TableRows()[171].morning, before[171].morning);

    QTest::mouseClick(dlg->m_buttonRefresh, Qt::LeftButton);

    ScheduleInput expected;  // the start-up inputs of 2009 at PLZ=46 ...
    expected.year = 2009;
    expected.longitude = 13;  // ... with 13.750 counted as 13 degrees
    CTwilightCalc calc;
    const std::vector<ScheduleRow> rows = BuildRows(expected, calc);
    const std::vector<ScheduleRow> shown = dlg->TableRows();
    ASSERT_EQ(shown.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(shown[i].date, rows[i].date);
        ASSERT_EQ(shown[i].morning, rows[i].morning) << rows[i].date;
        ASSERT_EQ(shown[i].evening, rows[i].evening) << rows[i].date;
    }
    // Seven degrees further east the sun rises about half an hour earlier.
    EXPECT_NE(shown[171].morning, before[171].morning);
}

TEST_F(FieldEffect, ClickingAButtonChecksTheFieldFirst)
{
    ShowActive();
    dlg->m_editTimeZone->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg->m_editTimeZone->hasFocus(); }));
    dlg->m_editTimeZone->setText(QStringLiteral("15"));
    QTest::mouseClick(dlg->m_buttonRefresh, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QString::fromUtf8(kTimeZoneMessage));
    EXPECT_EQ(dlg->m_editTimeZone->text(), "0");
}
