// The chart in the dialog: the colour swatches and their picker, the chart
// painted from the table (selected rows highlighted), and a chart image of
// crepulo-cli against the dialog's own painting for the same inputs.

#include "AppTestSupport.h"

#include "chart/ChartResources.h"

#include <QCheckBox>
#include <QImage>
#include <QPaintEvent>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <algorithm>
#include <functional>
#include <set>

namespace {

const QRect kMorningSwatch(645, 216, 17, 17);
const QRect kEveningSwatch(645, 130, 17, 17);

// Collects the parts of a widget that have been repainted.
class RepaintLog : public QObject
{
public:
    explicit RepaintLog(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

// What the dialog paints itself, without its controls on top.
QImage OwnPainting(CTwilightDlg& dlg)
{
    QImage image(dlg.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    dlg.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// The x of every pixel of `colour` inside `area`.
std::set<int> ColumnsOf(const QImage& image, const QRect& area, QRgb colour)
{
    std::set<int> columns;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                columns.insert(x);
        }
    }
    return columns;
}

class ChartDialog : public DialogFixture
{
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        ShowActive();
    }
};

// ---------------------------------------------------------------------------
// Swatch clicks

struct SwatchClickCase
{
    const char* name;
    QPoint point;
    int picker;  // 0 none, 1 morning, 2 evening
};

void PrintTo(const SwatchClickCase& c, std::ostream* os)
{
    *os << c.name;
}

class SwatchClick : public ChartDialog, public ::testing::WithParamInterface<SwatchClickCase>
{
};

TEST_P(SwatchClick, OpensThePickerOfTheSwatchUnderThePoint)
{
    const SwatchClickCase& c = GetParam();
    // The click goes where a user's would: to the control under the point, if
    // any, and on to the dialog when that control does not take it.
    prompts.colourAnswer = QColor(255, 0, 0);
    QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, c.point);

    const COLORREF red = MakeColour(255, 0, 0);
    switch (c.picker) {
    case 0:
        EXPECT_TRUE(prompts.colourRequests.empty());
        EXPECT_EQ(dlg->m_morningColour, kMorningStartColour);
        EXPECT_EQ(dlg->m_eveningColour, kEveningStartColour);
        break;
    case 1:
        ASSERT_EQ(prompts.colourRequests.size(), 1u);
        EXPECT_EQ(prompts.colourRequests[0], QColor(0, 0, 255));
        EXPECT_EQ(dlg->m_morningColour, red);
        EXPECT_EQ(dlg->m_eveningColour, kEveningStartColour);
        break;
    case 2:
        ASSERT_EQ(prompts.colourRequests.size(), 1u);
        EXPECT_EQ(prompts.colourRequests[0], QColor(0, 255, 0));
        EXPECT_EQ(dlg->m_eveningColour, red);
        EXPECT_EQ(dlg->m_morningColour, kMorningStartColour);
        break;
    }
}

const SwatchClickCase kSwatchClicks[] = {
    {"MorningTopLeft", {645, 216}, 1},
    {"MorningBottomRightInside", {661, 232}, 1},
    {"MorningRightEdgeOutside", {662, 216}, 0},
    {"MorningBottomEdgeOutside", {645, 233}, 0},
    {"LeftOfMorning", {644, 220}, 0},
    {"AboveMorning", {650, 215}, 0},
    {"Evening", {650, 140}, 2},
    {"EveningBottomRightInside", {661, 146}, 2},
    {"EveningBottomEdgeOutside", {650, 147}, 0},
    {"InsideTheChart", {200, 150}, 0},
    {"BetweenTheSwatches", {650, 180}, 0},
};

INSTANTIATE_TEST_SUITE_P(App, SwatchClick, ::testing::ValuesIn(kSwatchClicks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartDialog, OnlyTheLeftButtonPicks)
{
    QTest::mouseClick(dlg.get(), Qt::RightButton, {}, QPoint(650, 220));
    EXPECT_TRUE(prompts.colourRequests.empty());
}

TEST_F(ChartDialog, CancelKeepsTheColourAndRepaintsSwatchAndChart)
{
    QTest::qWait(50);  // the first paint of the window is over
    RepaintLog log(dlg.get());
    prompts.colourAnswer = std::nullopt;
    QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, QPoint(650, 220));
    ASSERT_EQ(prompts.colourRequests.size(), 1u);
    EXPECT_EQ(dlg->m_morningColour, kMorningStartColour);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.painted.contains(kMorningSwatch); }, 2000));
    EXPECT_TRUE(log.painted.contains(dlg->ChartFrame()));
    const QImage image = OwnPainting(*dlg);
    EXPECT_EQ(image.pixel(650, 220), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(645, 216), qRgb(255, 255, 0));
}

TEST_F(ChartDialog, PickedColourShowsInSwatchFrameAndCurve)
{
    const QRect frame = dlg->ChartFrame();
    QImage before = OwnPainting(*dlg);
    EXPECT_FALSE(ColumnsOf(before, frame, qRgb(0, 0, 255)).empty());

    prompts.colourAnswer = QColor(255, 0, 0);
    QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, QPoint(650, 220));
    const QImage after = OwnPainting(*dlg);
    EXPECT_EQ(after.pixel(650, 220), qRgb(255, 0, 0));
    EXPECT_EQ(after.pixel(645, 216), qRgb(0, 255, 255));  // framed in the inverted colour
    EXPECT_EQ(after.pixel(661, 232), qRgb(0, 255, 255));
    EXPECT_EQ(after.pixel(650, 140), qRgb(0, 255, 0));    // the evening swatch stays
    EXPECT_EQ(after.pixel(645, 130), qRgb(255, 0, 255));
    EXPECT_TRUE(ColumnsOf(after, frame, qRgb(0, 0, 255)).empty());
    EXPECT_FALSE(ColumnsOf(after, frame, qRgb(255, 0, 0)).empty());
    EXPECT_FALSE(ColumnsOf(after, frame, qRgb(0, 255, 0)).empty());
}

TEST_F(ChartDialog, ChoosingBlackGivesABlackSwatchFramedInWhite)
{
    prompts.colourAnswer = QColor(0, 0, 0);
    QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, QPoint(650, 140));
    EXPECT_EQ(dlg->m_eveningColour, 0u);
    const QImage image = OwnPainting(*dlg);
    EXPECT_EQ(image.pixel(650, 140), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(645, 130), qRgb(255, 255, 255));
}

// ---------------------------------------------------------------------------
// The chart from the table

TEST_F(ChartDialog, SelectedRowsAreHighlightedOnBothCurves)
{
    ClickButton(dlg->m_radioMonth);  // June 2009: 30 rows
    ASSERT_EQ(RowCount(), 30);
    const QRect frame = dlg->ChartFrame();
    QImage image = OwnPainting(*dlg);
    EXPECT_TRUE(ColumnsOf(image, frame, qRgb(255, 255, 0)).empty());
    EXPECT_TRUE(ColumnsOf(image, frame, qRgb(255, 0, 255)).empty());

    dlg->m_listTable->topLevelItem(4)->setSelected(true);
    dlg->m_listTable->topLevelItem(20)->setSelected(true);
    image = OwnPainting(*dlg);
    // Row r lies at x = 41 + (440 * r) / 29 in the plot area from 41 to 481:
    // 101 for row 4 and 344 for row 20; each dot covers x - 2 .. x + 1.
    const std::set<int> expected = {99, 100, 101, 102, 342, 343, 344, 345};
    const std::set<int> yellow = ColumnsOf(image, frame, qRgb(255, 255, 0));
    const std::set<int> magenta = ColumnsOf(image, frame, qRgb(255, 0, 255));
    EXPECT_TRUE(std::includes(expected.begin(), expected.end(), yellow.begin(), yellow.end()));
    EXPECT_TRUE(yellow.count(99) && yellow.count(342));
    EXPECT_TRUE(std::includes(expected.begin(), expected.end(), magenta.begin(), magenta.end()));
    EXPECT_TRUE(magenta.count(99) && magenta.count(342));

    dlg->m_listTable->clearSelection();
    image = OwnPainting(*dlg);
    EXPECT_TRUE(ColumnsOf(image, frame, qRgb(255, 255, 0)).empty());
}

TEST_F(ChartDialog, ReadsTheControlsAndTheTableTexts)
{
    ClickButton(dlg->m_radioDay);
    ClickButton(dlg->m_checkGrid);
    ClickButton(dlg->m_checkEvening);
    dlg->m_listTable->topLevelItem(0)->setSelected(true);
    const ChartData data = dlg->ReadChartData();
    EXPECT_EQ(data.frame.left, 11);
    EXPECT_EQ(data.frame.top, 11);
    EXPECT_EQ(data.frame.right, 490);
    EXPECT_EQ(data.frame.bottom, 339);
    EXPECT_EQ(data.period, ChartPeriod::Day);
    EXPECT_TRUE(data.grid);
    EXPECT_TRUE(data.showMorning);
    EXPECT_FALSE(data.showEvening);
    ASSERT_EQ(data.rows.size(), 1u);
    EXPECT_EQ(data.rows[0].morning, "04:34");  // 21 June 2009 at PLZ=46
    EXPECT_EQ(data.rows[0].evening, "22:40");
    EXPECT_EQ(data.selectedRows, std::vector<int>{0});
}

// ---------------------------------------------------------------------------
// The command line's chart image

struct CliImageCase
{
    const char* name;
    std::function<void(CTwilightDlg&)> setUp;
    QStringList args;
};

void PrintTo(const CliImageCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliImage : public ChartDialog, public ::testing::WithParamInterface<CliImageCase>
{
};

TEST_P(CliImage, EqualsTheChartThatTheDialogPaints)
{
    const CliImageCase& c = GetParam();
    if (c.setUp)
        c.setUp(*dlg);
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.png");
    QProcess cli;
    cli.start(QStringLiteral(CREPULO_CLI_PATH), QStringList{"chart"} + c.args + QStringList{"--output", path});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const QImage fromCli = QImage(path).convertToFormat(QImage::Format_RGB32);
    const QImage fromDialog = OwnPainting(*dlg).copy(dlg->ChartFrame());
    ASSERT_EQ(fromCli.size(), fromDialog.size());
    int differing = 0;
    for (int y = 0; y < fromCli.height(); ++y) {
        for (int x = 0; x < fromCli.width(); ++x)
            differing += fromCli.pixel(x, y) != fromDialog.pixel(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}

void ClickOn(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

const CliImageCase kCliImageCases[] = {
    {"StartUpYear", nullptr, {"--year", "2009"}},
    {"MonthWithGridRedMorningsNoEvenings",
     [](CTwilightDlg& d) {
         ClickOn(d.m_radioMonth);
         ClickOn(d.m_checkGrid);
         ClickOn(d.m_checkEvening);
         d.m_morningColour = MakeColour(255, 0, 0);
     },
     {"--year", "2009", "--month", "6", "--grid", "--no-evening", "--morning-colour", "FF0000"}},
    {"DayWithoutSummerTime",
     [](CTwilightDlg& d) {
         ClickOn(d.m_radioDay);
         ClickOn(d.m_checkSummerTime);
     },
     {"--year", "2009", "--month", "6", "--day", "21", "--no-summer-time"}},
};

INSTANTIATE_TEST_SUITE_P(App, CliImage, ::testing::ValuesIn(kCliImageCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
