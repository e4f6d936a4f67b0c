// The chart painted into an image without antialiasing: pixels are checked at
// coordinates worked out by hand from the chart's integer geometry, and the
// labels through a paint device that records the texts it receives.

#include "PaintRecorder.h"

#include "chart/ChartPainter.h"
#include "chart/ChartResources.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

// The frame sits inside a larger white image, so a frame offset would show.
constexpr PixelRect kFrame{10, 20, 489, 348};
// Its plot area P: left 40, top 45, right 480, bottom 313; Wp 440, Hp 268.
constexpr int kLeft = 40;
constexpr int kTop = 45;
constexpr int kRight = 480;
constexpr int kBottom = 313;
// y of the hour ticks 0..24: P.bottom - (Hp * i) / 24 - 1.
constexpr int kHourY[25] = {312, 301, 290, 279, 268, 257, 245, 234, 223, 212, 201, 190, 178,
                            167, 156, 145, 134, 123, 111, 100, 89,  78,  67,  56,  44};

constexpr COLORREF kFace = MakeColour(200, 210, 220);
const QRgb kFaceRgb = qRgb(200, 210, 220);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kMagenta = qRgb(255, 0, 255);

ChartData MakeData(ChartPeriod period, std::vector<ChartRowCells> rows = {})
{
    ChartData data;
    data.frame = kFrame;
    data.faceColour = kFace;
    data.period = period;
    data.rows = std::move(rows);
    return data;
}

std::vector<ChartRowCells> SameRows(int count, const char* morning, const char* evening)
{
    return std::vector<ChartRowCells>(std::size_t(count), ChartRowCells{morning, evening});
}

QImage Paint(const ChartData& data, QSize size = QSize(500, 360))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, data);
    painter.end();
    return image;
}

std::vector<RecordedText> Labels(const ChartData& data)
{
    RecordingPaintDevice device(500, 360);
    QPainter painter(&device);
    PaintChart(painter, data);
    painter.end();
    return device.Texts();
}

// Recorded positions come from unhinted layout: allow less than a pixel.
::testing::AssertionResult Near(qreal actual, int expected)
{
    if (std::abs(actual - expected) < 1.0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within a pixel of " << expected;
}

std::vector<QString> TextsOf(const std::vector<RecordedText>& labels)
{
    std::vector<QString> texts;
    for (const RecordedText& label : labels)
        texts.push_back(label.text);
    return texts;
}

// The x of every black pixel of row y between x0 and x1 (inclusive).
std::set<int> BlackColumns(const QImage& image, int y, int x0, int x1)
{
    std::set<int> columns;
    for (int x = x0; x <= x1; ++x) {
        if (image.pixel(x, y) == kBlack)
            columns.insert(x);
    }
    return columns;
}

bool AnyPixelIn(const QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

bool AllPixelsIn(const QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (image.pixel(x, y) != colour)
                return false;
        }
    }
    return true;
}

TEST(ChartFrame, FrameIsFilledAndNothingOutsideIsTouched)
{
    const QImage image = Paint(MakeData(ChartPeriod::Year, SameRows(365, "06:00", "18:00")));
    EXPECT_EQ(image.pixel(10, 20), kFaceRgb);
    EXPECT_EQ(image.pixel(488, 347), kFaceRgb);
    EXPECT_EQ(image.pixel(9, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(489, 100), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(100, 348), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(100, 19), qRgb(255, 255, 255));
}

TEST(ChartTimeScale, TicksEveryHourAndLongTicksEveryFiveWithoutGrid)
{
    const QImage image = Paint(MakeData(ChartPeriod::Year));
    for (int hour = 0; hour <= 24; ++hour) {
        SCOPED_TRACE(hour);
        const int y = kHourY[hour];
        EXPECT_EQ(image.pixel(kLeft - 5, y), kBlack);   // short tick from P.left - 5 ...
        EXPECT_EQ(image.pixel(kLeft - 1, y), kBlack);   // ... up to P.left, which it leaves out
        EXPECT_EQ(image.pixel(kLeft - 9, y) == kBlack, hour % 5 == 0);  // long tick to P.left - 10
        EXPECT_NE(image.pixel(kLeft - 10, y), kBlack);  // its end point stays unpainted
        if (hour != 0) {  // hour 0 lies on the horizontal axis
            EXPECT_NE(image.pixel(kLeft + 100, y), kBlack);  // no grid line
        }
    }
    // The vertical axis runs from P.top to just above P.bottom; the 24-hour tick
    // at P.top - 1 stops short of it.
    EXPECT_EQ(image.pixel(kLeft, kTop), kBlack);
    EXPECT_EQ(image.pixel(kLeft, kBottom - 1), kBlack);
    EXPECT_EQ(image.pixel(kLeft, kTop - 1), kFaceRgb);
    // The horizontal axis at P.bottom - 1 ends just before P.right.
    EXPECT_EQ(BlackColumns(image, kBottom - 1, kLeft, kRight + 5).size(), std::size_t(kRight - kLeft));
}

TEST(ChartTimeScale, GridLinesReplaceLongTicks)
{
    ChartData data = MakeData(ChartPeriod::Day);  // its one date mark is at x 260
    data.grid = true;
    const QImage image = Paint(data);
    for (int hour = 0; hour <= 24; ++hour) {
        SCOPED_TRACE(hour);
        const int y = kHourY[hour];
        const bool grid = hour % 5 == 0;  // hour 0 lies on the horizontal axis as well
        EXPECT_EQ(image.pixel(kLeft + 100, y) == kBlack, grid);
        EXPECT_EQ(image.pixel(kRight - 1, y) == kBlack, grid);
        EXPECT_NE(image.pixel(kRight, y), kBlack);
        EXPECT_NE(image.pixel(kLeft - 7, y), kBlack);  // no long tick
        EXPECT_EQ(image.pixel(kLeft - 5, y), kBlack);
    }
}

TEST(ChartTimeScale, NumbersZeroToTwentyRightOfTheirTicks)
{
    const std::vector<RecordedText> labels = Labels(MakeData(ChartPeriod::Day, SameRows(1, "06:00", "18:00")));
    const std::vector<QString> expected = {"Uhr", "Datum", "0", "5", "10", "15", "20"};
    ASSERT_EQ(TextsOf(labels), expected);
    for (std::size_t i = 2; i < labels.size(); ++i) {
        const RecordedText& label = labels[i];
        SCOPED_TRACE(label.text.toStdString());
        EXPECT_EQ(label.font.family(), "Helvetica");
        EXPECT_EQ(label.font.pixelSize(), 10);
        const QFontMetrics metrics(label.font);
        const int hour = label.text.toInt();
        // Right edge on P.left - 10, centred on the tick: top = y - height / 2.
        EXPECT_TRUE(Near(label.baseline.x() + metrics.horizontalAdvance(label.text), kLeft - 10));
        EXPECT_TRUE(Near(label.baseline.y(), kHourY[hour] - metrics.height() / 2 + metrics.ascent()));
    }
}

TEST(ChartTitles, UhrAboveTheAxisAndDatumEndingAtTheRight)
{
    const std::vector<RecordedText> labels = Labels(MakeData(ChartPeriod::Year));
    ASSERT_GE(labels.size(), 2u);
    const QFontMetrics metrics(labels[0].font);
    EXPECT_EQ(labels[0].text, "Uhr");
    EXPECT_TRUE(Near(labels[0].baseline.x(), kLeft - 25));
    EXPECT_TRUE(Near(labels[0].baseline.y(), kTop - metrics.height() + metrics.ascent()));
    EXPECT_EQ(labels[1].text, "Datum");
    EXPECT_TRUE(Near(labels[1].baseline.x() + metrics.horizontalAdvance("Datum"), kRight));
    EXPECT_TRUE(Near(labels[1].baseline.y(), kBottom + 18 + metrics.ascent()));
}

struct DateAxisCase
{
    const char* name;
    ChartPeriod period;
    int rows;
    std::vector<int> marks;          // x of every date mark
    std::vector<int> numberedMarks;  // x of the marks with a number and a long tick
    std::vector<QString> numbers;
};

void PrintTo(const DateAxisCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartDateAxis : public ::testing::TestWithParam<DateAxisCase>
{
};

TEST_P(ChartDateAxis, MarksAndNumbersOfTheMode)
{
    const DateAxisCase& c = GetParam();
    const ChartData data = MakeData(c.period, SameRows(c.rows, "06:00", "18:00"));
    const QImage image = Paint(data);
    // Ticks run from P.bottom 5 pixels down; numbered marks 10 pixels.
    EXPECT_EQ(BlackColumns(image, kBottom + 4, kLeft - 5, 499), std::set<int>(c.marks.begin(), c.marks.end()));
    const std::set<int> numbered(c.numberedMarks.begin(), c.numberedMarks.end());
    EXPECT_EQ(BlackColumns(image, kBottom + 5, kLeft - 5, 499), numbered);
    EXPECT_EQ(BlackColumns(image, kBottom + 9, kLeft - 5, 499), numbered);

    std::vector<RecordedText> labels = Labels(data);
    ASSERT_GE(labels.size(), 7u);
    labels.erase(labels.begin(), labels.begin() + 7);  // the titles and the hours
    EXPECT_EQ(TextsOf(labels), c.numbers);
    for (std::size_t i = 0; i < labels.size() && i < c.numberedMarks.size(); ++i) {
        const QFontMetrics metrics(labels[i].font);
        const int width = metrics.horizontalAdvance(labels[i].text);
        EXPECT_TRUE(Near(labels[i].baseline.x(), c.numberedMarks[i] - width / 2) << labels[i].text.toStdString());
        EXPECT_TRUE(Near(labels[i].baseline.y(), kBottom + 10 + metrics.ascent()));
    }

    // With the grid, each mark is a line from 5 pixels below the axis up to
    // just below P.top.
    ChartData gridData = data;
    gridData.grid = true;
    const QImage grid = Paint(gridData);
    for (int x : c.marks) {
        SCOPED_TRACE(x);
        EXPECT_EQ(grid.pixel(x, kBottom + 4), kBlack);
        EXPECT_EQ(grid.pixel(x, kBottom + 5), kBlack);
        EXPECT_EQ(grid.pixel(x, kTop + 1), kBlack);
        if (x != kLeft) {
            EXPECT_EQ(grid.pixel(x, kTop), kFaceRgb);
        }
    }
}

const DateAxisCase kDateAxisCases[] = {
    {"Year365", ChartPeriod::Year, 365,
     {40, 76, 113, 150, 186, 223, 260, 296, 333, 370, 406, 443, 480}, {186, 370}, {"5", "10"}},
    {"YearEmpty", ChartPeriod::Year, 0,
     {40, 76, 113, 150, 186, 223, 260, 296, 333, 370, 406, 443, 480}, {186, 370}, {"5", "10"}},
    {"Month31", ChartPeriod::Month, 31,
     {40,  54,  69,  84,  98,  113, 128, 142, 157, 172, 186, 201, 216, 230, 245, 260,
      274, 289, 304, 318, 333, 348, 362, 377, 392, 406, 421, 436, 450, 465, 480},
     {98, 172, 245, 318, 392, 465}, {"5", "10", "15", "20", "25", "30"}},
    {"Month28", ChartPeriod::Month, 28,
     {40,  56,  72,  88,  105, 121, 137, 154, 170, 186, 202, 219, 235, 251,
      268, 284, 300, 317, 333, 349, 365, 382, 398, 414, 431, 447, 463, 480},
     {105, 186, 268, 349, 431}, {"5", "10", "15", "20", "25"}},
    {"MonthEmpty", ChartPeriod::Month, 0, {}, {}, {}},
    {"MonthSingleRowInTheMiddle", ChartPeriod::Month, 1, {260}, {}, {}},
    {"Day", ChartPeriod::Day, 1, {260}, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartDateAxis, ::testing::ValuesIn(kDateAxisCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DotCase
{
    const char* name;
    const char* cell;
    int y;  // the dot's Y: its pixels are rows Y - 3 .. Y
};

void PrintTo(const DotCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartDot : public ::testing::TestWithParam<DotCase>
{
};

TEST_P(ChartDot, FourByFourPixelsAtTheTime)
{
    const DotCase& c = GetParam();
    ChartData data = MakeData(ChartPeriod::Day, {{c.cell, "bad"}});
    const QImage image = Paint(data);
    const int x = 260;  // the single row of a day lies in the middle
    EXPECT_TRUE(AllPixelsIn(image, x - 2, c.y - 3, x + 1, c.y, kBlue));
    EXPECT_FALSE(AnyPixelIn(image, x - 3, c.y - 4, x - 3, c.y + 1, kBlue));
    EXPECT_FALSE(AnyPixelIn(image, x + 2, c.y - 4, x + 2, c.y + 1, kBlue));
    EXPECT_FALSE(AnyPixelIn(image, x - 3, c.y - 4, x + 2, c.y - 4, kBlue));
    EXPECT_FALSE(AnyPixelIn(image, x - 3, c.y + 1, x + 2, c.y + 1, kBlue));
}

const DotCase kDotCases[] = {
    {"MidnightOnBottomEdge", "00:00", kBottom},
    {"LastMinuteOnTopEdge", "23:59", kTop},
    {"Hour24AsLastMinute", "24:00", kTop},
    {"Hour25AsLastMinute", "25:10", kTop},
    {"Noon", "12:00", 179},
    {"QuarterPastSix", "06:15", 244},
    {"SpacesAndTrailingText", " 6: 15 Uhr", 244},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartDot, ::testing::ValuesIn(kDotCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A frame whose plot area is 1439 pixels high: one pixel per minute, Y =
// 1464 - minutes. Day mode with two rows puts the dots at x 83 and 137.
constexpr PixelRect kTallFrame{0, 0, 200, 1499};

bool JoinedAtMidpoint(const QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    const int mx = (x0 + x1) / 2;
    const int my = (y0 + y1) / 2;
    return AnyPixelIn(image, mx - 1, my - 1, mx + 1, my + 1, colour);
}

struct JoinCase
{
    const char* name;
    const char* second;  // the first dot is at 10:00
    bool joined;
};

void PrintTo(const JoinCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartJoin : public ::testing::TestWithParam<JoinCase>
{
};

TEST_P(ChartJoin, NeighboursCloserThanTheLimitAreJoined)
{
    const JoinCase& c = GetParam();
    ChartData data = MakeData(ChartPeriod::Day, {{"10:00", "x"}, {c.second, "x"}});
    data.frame = kTallFrame;
    const QImage image = Paint(data, QSize(200, 1499));
    int hour = 0;
    int minute = 0;
    ASSERT_TRUE(ParseClockCell(c.second, hour, minute));
    // The line runs from (previous centre x + 2, previous centre y - 1) to
    // (centre x - 2, centre y); centres lie one pixel above each dot's Y.
    const int y0 = 1464 - 600 - 1 - 1;
    const int y1 = 1464 - (hour * 60 + minute) - 1;
    EXPECT_EQ(JoinedAtMidpoint(image, 83 + 2, y0, 137 - 2, y1, kBlue), c.joined);
}

const JoinCase kJoinCases[] = {
    {"Below98Joined", "08:22", true},   // 98 pixels further down
    {"Below99Apart", "08:21", false},
    {"Above100Joined", "11:40", true},  // 100 pixels further up
    {"Above101Apart", "11:41", false},
    {"SameTimeJoined", "10:00", true},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartJoin, ::testing::ValuesIn(kJoinCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartCurve, UnreadableCellLeavesAGapAndNoDot)
{
    // Day mode with three rows: x 70, 110 and 150 in a 200-pixel-wide frame.
    for (const char* bad : {"", "--:--", "10", "10 :05", ":05", "10:", "10:x", "ab10:05"}) {
        SCOPED_TRACE(bad);
        ChartData data = MakeData(ChartPeriod::Day, {{"10:00", ""}, {bad, ""}, {"10:10", ""}});
        data.frame = kTallFrame;
        data.showEvening = false;
        const QImage image = Paint(data, QSize(200, 1499));
        EXPECT_TRUE(AnyPixelIn(image, 68, 861, 71, 864, kBlue));
        EXPECT_FALSE(AnyPixelIn(image, 105, 840, 115, 870, kBlue));  // no dot, no line
        EXPECT_TRUE(AnyPixelIn(image, 148, 851, 151, 854, kBlue));
        EXPECT_FALSE(AnyPixelIn(image, 125, 840, 135, 870, kBlue));
    }
    ChartData data = MakeData(ChartPeriod::Day, {{"10:00", ""}, {"10:05", ""}, {"10:10", ""}});
    data.frame = kTallFrame;
    const QImage image = Paint(data, QSize(200, 1499));
    EXPECT_TRUE(AnyPixelIn(image, 108, 856, 111, 859, kBlue));
    EXPECT_TRUE(AnyPixelIn(image, 125, 840, 135, 870, kBlue));
}

struct HighlightCase
{
    const char* name;
    ChartPeriod period;
    int rows;
    std::vector<int> selected;
    std::vector<int> x;  // x of the selected rows
    int unselectedX;     // x of an unselected row, or -1
};

void PrintTo(const HighlightCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartHighlight : public ::testing::TestWithParam<HighlightCase>
{
};

TEST_P(ChartHighlight, SelectedDotsInTheInvertedColour)
{
    const HighlightCase& c = GetParam();
    ChartData data = MakeData(c.period, SameRows(c.rows, "06:00", "18:00"));  // Y 246 and 112
    data.selectedRows = c.selected;
    const QImage image = Paint(data);
    for (std::size_t i = 0; i < c.selected.size(); ++i) {
        SCOPED_TRACE(c.selected[i]);
        const int x = c.x[i];
        // Year dots overlap their neighbours; the selected one shows at least in part.
        EXPECT_TRUE(AnyPixelIn(image, x - 2, 243, x + 1, 246, kYellow));
        EXPECT_TRUE(AnyPixelIn(image, x - 2, 109, x + 1, 112, kMagenta));
    }
    // The last row has no right neighbour to cover it.
    const int last = c.x.back();
    if (c.selected.back() == c.rows - 1) {
        EXPECT_TRUE(AllPixelsIn(image, last - 2, 243, last + 1, 246, kYellow));
        EXPECT_TRUE(AllPixelsIn(image, last - 2, 109, last + 1, 112, kMagenta));
    }
    if (c.unselectedX >= 0) {
        EXPECT_TRUE(AllPixelsIn(image, c.unselectedX - 2, 243, c.unselectedX - 1, 246, kBlue));
        EXPECT_TRUE(AllPixelsIn(image, c.unselectedX - 2, 109, c.unselectedX - 1, 112, kGreen));
    }
}

const HighlightCase kHighlightCases[] = {
    {"Year", ChartPeriod::Year, 366, {0, 100, 365}, {40, 160, 480}, 281},  // row 200
    {"Month", ChartPeriod::Month, 31, {0, 4, 5, 30}, {40, 98, 113, 480}, 186},  // row 10
    {"Day", ChartPeriod::Day, 1, {0}, {260}, -1},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartHighlight, ::testing::ValuesIn(kHighlightCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartCurve, EveryRowHasItsDotInMonthMode)
{
    std::vector<ChartRowCells> rows = SameRows(31, "06:00", "18:00");
    const int month31[] = {40,  54,  69,  84,  98,  113, 128, 142, 157, 172, 186, 201, 216, 230, 245, 260,
                           274, 289, 304, 318, 333, 348, 362, 377, 392, 406, 421, 436, 450, 465, 480};
    const QImage image = Paint(MakeData(ChartPeriod::Month, rows));
    for (int x : month31) {
        EXPECT_TRUE(AllPixelsIn(image, x - 2, 243, x + 1, 246, kBlue)) << x;
        EXPECT_TRUE(AllPixelsIn(image, x - 2, 109, x + 1, 112, kGreen)) << x;
    }
}

TEST(ChartCurve, YearRunsFromTheLeftToTheRightEdge)
{
    const QImage image = Paint(MakeData(ChartPeriod::Year, SameRows(365, "06:00", "18:00")));
    EXPECT_EQ(image.pixel(kLeft - 2, 245), kBlue);  // 1 January
    EXPECT_NE(image.pixel(kLeft - 3, 245), kBlue);
    EXPECT_EQ(image.pixel(kRight + 1, 245), kBlue);  // 31 December
    EXPECT_NE(image.pixel(kRight + 2, 245), kBlue);
}

TEST(ChartCurve, SingleRowOfAYearSitsInTheMiddle)
{
    const QImage image = Paint(MakeData(ChartPeriod::Year, SameRows(1, "06:00", "18:00")));
    EXPECT_TRUE(AllPixelsIn(image, 258, 243, 261, 246, kBlue));
    EXPECT_TRUE(AllPixelsIn(image, 258, 109, 261, 112, kGreen));
}

TEST(ChartCurve, BlackCurveHasRedOneLinesAndWhiteHighlights)
{
    ChartData data = MakeData(ChartPeriod::Month, SameRows(31, "06:00", "18:00"));
    data.morningColour = 0;
    data.showEvening = false;
    data.selectedRows = {30};
    const QImage image = Paint(data);
    // Dot of day 2 at x 54; its right column meets the round end of the next line.
    EXPECT_TRUE(AllPixelsIn(image, 52, 243, 54, 246, kBlack));
    EXPECT_TRUE(AnyPixelIn(image, 60, 244, 64, 245, qRgb(1, 0, 0)));  // joining line
    EXPECT_TRUE(AllPixelsIn(image, 478, 243, 481, 246, qRgb(255, 255, 255)));
}

TEST(ChartCurve, UncheckedCurvesAreNotDrawnButTheAxesAre)
{
    ChartData data = MakeData(ChartPeriod::Month, SameRows(31, "06:00", "18:00"));
    data.showMorning = false;
    data.showEvening = false;
    const QImage image = Paint(data);
    EXPECT_FALSE(AnyPixelIn(image, 0, 0, 499, 359, kBlue));
    EXPECT_FALSE(AnyPixelIn(image, 0, 0, 499, 359, kGreen));
    EXPECT_EQ(image.pixel(kLeft, 200), kBlack);
    EXPECT_EQ(image.pixel(200, kBottom - 1), kBlack);

    data.showEvening = true;
    const QImage evening = Paint(data);
    EXPECT_FALSE(AnyPixelIn(evening, 0, 0, 499, 359, kBlue));
    EXPECT_TRUE(AllPixelsIn(evening, 96, 109, 99, 112, kGreen));
}

TEST(ChartSwatch, FilledAndFramedInTheInvertedColour)
{
    struct Case
    {
        COLORREF colour;
        QRgb fill;
        QRgb frame;
    };
    for (const Case& c : {Case{kMorningStartColour, kBlue, kYellow}, Case{kEveningStartColour, kGreen, kMagenta},
                          Case{0, kBlack, qRgb(255, 255, 255)}}) {
        QImage image(700, 260, QImage::Format_RGB32);
        image.fill(qRgb(128, 128, 128));
        QPainter painter(&image);
        PaintSwatch(painter, PixelRect{645, 216, 662, 233}, c.colour);
        painter.end();
        // Frame on the rectangle's outermost pixels: left/top inside, right/bottom outside.
        for (auto [x, y] : {std::pair{645, 216}, {661, 216}, {645, 232}, {661, 232}, {653, 216}, {645, 224}})
            EXPECT_EQ(image.pixel(x, y), c.frame) << x << "," << y;
        EXPECT_TRUE(AllPixelsIn(image, 646, 217, 660, 231, c.fill));
        EXPECT_EQ(image.pixel(662, 216), qRgb(128, 128, 128));
        EXPECT_EQ(image.pixel(645, 233), qRgb(128, 128, 128));
        EXPECT_EQ(image.pixel(644, 215), qRgb(128, 128, 128));
    }
}

struct RepaintCase
{
    const char* name;
    ChartPeriod period;
    int rows;
    int labels;  // each label asks for the font and the brush twice
};

void PrintTo(const RepaintCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartRepaint : public ::testing::TestWithParam<RepaintCase>
{
};

TEST_P(ChartRepaint, EveryPaintRenewsTheObjectsAndHoldsNoMore)
{
    const RepaintCase& c = GetParam();
    ChartData data = MakeData(c.period, SameRows(c.rows, "06:00", "18:00"));
    data.selectedRows = {0};
    const QImage first = Paint(data);
    QFont* const font = g_chartFonts.GetFont(0, 0, 0, QString());
    QBrush* const brush = g_chartBrush.GetBrush(0x01000000);
    QPen* const pen = g_chartPen.GetPen(PS_SOLID, 0, 0);
    const long fonts = g_chartFonts.CustomCreationCount();
    const long brushes = g_chartBrush.CreationCount();
    const long pens = g_chartPen.CreationCount();

    constexpr int kPaints = 50;
    QImage image(500, 360, QImage::Format_RGB32);
    for (int i = 0; i < kPaints; ++i) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintChart(painter, data);
    }
    EXPECT_EQ(image, first);
    EXPECT_EQ(g_chartFonts.CustomCreationCount() - fonts, long(kPaints) * 2 * c.labels);
    EXPECT_EQ(g_chartBrush.CreationCount() - brushes, long(kPaints) * 2 * c.labels);
    EXPECT_EQ(g_chartPen.CreationCount() - pens, long(kPaints) * 2);
    // Still the same single objects, now holding what the last paint asked for.
    EXPECT_EQ(g_chartFonts.GetFont(0, 0, 0, QString()), font);
    EXPECT_EQ(font->pixelSize(), 10);
    EXPECT_EQ(g_chartBrush.GetBrush(0x01000000), brush);
    EXPECT_EQ(brush->color(), QColor(0x89, 0x67, 0x45));
    EXPECT_EQ(g_chartPen.GetPen(PS_SOLID, 0, 0), pen);
    EXPECT_EQ(pen->color(), QColor(0, 255, 0));
}

const RepaintCase kRepaintCases[] = {
    {"Year", ChartPeriod::Year, 366, 9},
    {"Month31", ChartPeriod::Month, 31, 13},
    {"Month28", ChartPeriod::Month, 28, 12},
    {"Day", ChartPeriod::Day, 1, 7},
};

INSTANTIATE_TEST_SUITE_P(Chart, ChartRepaint, ::testing::ValuesIn(kRepaintCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartPaint, PainterStateIsKept)
{
    QImage image(500, 360, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(QColor(1, 2, 3), 3);
    painter.setPen(pen);
    painter.setFont(QFont("Arial", 20));
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintChart(painter, MakeData(ChartPeriod::Year, SameRows(365, "06:00", "18:00")));
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.font().pointSize(), 20);
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
}

struct ParseCase
{
    const char* name;
    const char* text;
    bool ok;
    int hour;
    int minute;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClockCell : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ClockCell, ReadsLikeScanfHourColonMinute)
{
    const ParseCase& c = GetParam();
    int hour = -99;
    int minute = -99;
    EXPECT_EQ(ParseClockCell(c.text, hour, minute), c.ok);
    if (c.ok) {
        EXPECT_EQ(hour, c.hour);
        EXPECT_EQ(minute, c.minute);
    }
}

const ParseCase kParseCases[] = {
    {"TableText", "06:15", true, 6, 15},
    {"LeadingSpaces", " \t 7:05", true, 7, 5},
    {"SpaceAfterColon", "7: 05", true, 7, 5},
    {"TrailingTextIgnored", "23:59 Uhr", true, 23, 59},
    {"Signs", "-1:+30", true, -1, 30},
    {"NegativeMinute", "+3:-4", true, 3, -4},
    {"LargeMinute", "12:99", true, 12, 99},
    {"HugeHourHeld", "99999999999:00", true, 2147483647, 0},
    {"Empty", "", false, 0, 0},
    {"NoColon", "0615", false, 0, 0},
    {"SpaceBeforeColon", "7 :05", false, 0, 0},
    {"NoMinute", "7:", false, 0, 0},
    {"SignWithoutDigits", "7:+", false, 0, 0},
    {"NoHour", ":30", false, 0, 0},
    {"Dashes", "--:--", false, 0, 0},
    {"DotInsteadOfColon", "7.30", false, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Chart, ClockCell, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
