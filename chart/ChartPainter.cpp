#include "chart/ChartPainter.h"

#include "chart/ChartResources.h"
#include "chart/DrawLabel.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr int kFullScaleMinutes = 1439;  // 23:59 lies on the top edge
constexpr int kJoinLimitPixels = 100;
constexpr COLORREF kLabelBrushColour = 0x456789;  // never shown: labels are transparent

// An axis, tick or grid line from (x1, y1) towards (x2, y2) in the solid black
// one-pixel pen a fresh paint starts with, leaving out the end point as the
// platform's MoveTo/LineTo does. Only horizontal and vertical lines are
// needed; they are filled as one-pixel rectangles, which keeps them on whole pixels in
// every output (an image, the dialog at any scale, an SVG file).
void AxisLine(QPainter& p, int x1, int y1, int x2, int y2)
{
    const QColor black(0, 0, 0);
    if (y1 == y2 && x1 != x2) {
        const int first = x2 > x1 ? x1 : x2 + 1;
        const int last = x2 > x1 ? x2 - 1 : x1;
        p.fillRect(QRect(first, y1, last - first + 1, 1), black);
    } else if (x1 == x2 && y1 != y2) {
        const int first = y2 > y1 ? y1 : y2 + 1;
        const int last = y2 > y1 ? y2 - 1 : y1;
        p.fillRect(QRect(x1, first, 1, last - first + 1), black);
    }
}

// A chart label in the label style: measured at (x, y), moved by `place`
// according to its measured size, then drawn centred in that rectangle.
template <class Place>
void PlaceLabel(QPainter& p, const QString& text, int x, int y, Place place)
{
    PixelRect rect{x, y, 0, 0};
    DrawLabel(&p, text, &rect, g_chartFonts.GetFont(6, -10, FW_NORMAL, QStringLiteral("Helvetica")), 0,
              g_chartBrush.GetBrush(kLabelBrushColour), TRANSPARENT, DT_CALCRECT, 0);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const auto [dx, dy] = place(width, height);
    rect = PixelRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    DrawLabel(&p, text, &rect, g_chartFonts.GetFont(6, -10, FW_NORMAL, QStringLiteral("Helvetica")), 0,
              g_chartBrush.GetBrush(kLabelBrushColour), TRANSPARENT, DT_CENTER | DT_VCENTER, 0);
}

struct Offset
{
    int dx;
    int dy;
};

// Integer geometry of one paint; every division truncates.
struct Geometry
{
    PixelRect plot;
    int width = 0;   // Wp
    int height = 0;  // Hp

    explicit Geometry(const PixelRect& frame)
        : plot{frame.left + 30, frame.top + 25, frame.right - 9, frame.bottom - 35},
          width(plot.right - plot.left),
          height(plot.bottom - plot.top)
    {
    }

    int HourY(int hour) const { return plot.bottom - (height * hour) / 24 - 1; }

    int TimeY(int hour, int minute) const
    {
        const std::int64_t minutes = std::int64_t(hour) * 60 + minute;
        const std::int64_t y = plot.bottom - (minutes * height) / kFullScaleMinutes;
        // Far-off times stay far off without overflowing the coordinates.
        return int(std::clamp<std::int64_t>(y, -(1 << 24), 1 << 24));
    }

    // x of a fraction num/den of the plot width; a zero denominator gives the middle.
    int Fraction(std::int64_t num, std::int64_t den) const
    {
        if (den == 0)
            return plot.left + width / 2;
        return plot.left + int((std::int64_t(width) * num) / den);
    }

    int RowX(ChartPeriod period, int row, int rowCount) const
    {
        if (period == ChartPeriod::Day)
            return Fraction(row + 1, std::int64_t(rowCount) + 1);
        return Fraction(row, std::int64_t(rowCount) - 1);
    }
};

void PaintTitles(QPainter& p, const Geometry& g)
{
    PlaceLabel(p, QStringLiteral("Uhr"), g.plot.left - 25, g.plot.top, [](int, int h) { return Offset{0, -h}; });
    PlaceLabel(p, QStringLiteral("Datum"), g.plot.right, g.plot.bottom + 18,
               [](int w, int) { return Offset{-w, 0}; });
}

void PaintTimeScale(QPainter& p, const Geometry& g, bool grid)
{
    const PixelRect& P = g.plot;
    AxisLine(p, P.left, P.top, P.left, P.bottom);
    for (int hour = 0; hour <= 24; ++hour) {
        const int y = g.HourY(hour);
        AxisLine(p, P.left - 5, y, P.left, y);
        if (hour % 5 != 0)
            continue;
        if (grid)
            AxisLine(p, P.left - 5, y, P.right, y);
        else
            AxisLine(p, P.left - 5, y, P.left - 10, y);
        PlaceLabel(p, QString::number(hour), P.left - 10, y, [](int w, int h) { return Offset{-w, -(h / 2)}; });
    }
}

void PaintDateMark(QPainter& p, const Geometry& g, bool grid, int x, int position)
{
    const PixelRect& P = g.plot;
    if (grid)
        AxisLine(p, x, P.bottom + 5, x, P.top);
    else
        AxisLine(p, x, P.bottom, x, P.bottom + 5);
    const int number = position + 1;
    if (number % 5 != 0)
        return;
    AxisLine(p, x, P.bottom, x, P.bottom + 10);
    PlaceLabel(p, QString::number(number), x, P.bottom + 10, [](int w, int) { return Offset{-(w / 2), 0}; });
}

void PaintDateAxis(QPainter& p, const Geometry& g, const ChartData& data)
{
    const PixelRect& P = g.plot;
    AxisLine(p, P.left, P.bottom - 1, P.right, P.bottom - 1);
    const int rowCount = int(data.rows.size());
    switch (data.period) {
    case ChartPeriod::Year:
        for (int j = 0; j <= 12; ++j)
            PaintDateMark(p, g, data.grid, g.Fraction(j, 12), j);
        break;
    case ChartPeriod::Month:
        for (int j = 0; j < rowCount; ++j)
            PaintDateMark(p, g, data.grid, g.Fraction(j, std::int64_t(rowCount) - 1), j);
        break;
    case ChartPeriod::Day:
        PaintDateMark(p, g, data.grid, g.Fraction(1, 2), 1);
        break;
    }
}

void PaintCurve(QPainter& p, const Geometry& g, const ChartData& data, bool morning)
{
    const COLORREF colour = morning ? data.morningColour : data.eveningColour;
    const QColor dotColour = ToQColor(colour);
    const QColor highlightColour = ToQColor(colour ^ 0xFFFFFF);
    const QPen previousPen = p.pen();
    p.setPen(*g_chartPen.GetPen(PS_SOLID, 2, colour));

    const int rowCount = int(data.rows.size());
    auto target = data.selectedRows.begin();
    const auto lastTarget = data.selectedRows.end();
    bool hasPrevious = false;
    int px = 0;
    int py = 0;
    for (int row = 0; row < rowCount; ++row) {
        while (target != lastTarget && *target < row)
            ++target;
        const bool selected = target != lastTarget && *target == row;

        const std::string& cell = morning ? data.rows[row].morning : data.rows[row].evening;
        int hour = 0;
        int minute = 0;
        if (!ParseClockCell(cell, hour, minute)) {
            hasPrevious = false;
            continue;
        }
        if (hour >= 24) {
            hour = 23;
            minute = 59;
        }
        const int x = g.RowX(data.period, row, rowCount);
        const int y = g.TimeY(hour, minute);
        const PixelRect dot{x - 2, y - 3, x + 2, y + 1};
        const int cx = (dot.left + dot.right) / 2;
        const int cy = (dot.top + dot.bottom) / 2;
        // A much higher or lower neighbour stays unconnected.
        if (hasPrevious && py - cy < kJoinLimitPixels && cy - py < kJoinLimitPixels)
            p.drawLine(px + 3, py, cx - 2, cy);
        hasPrevious = true;
        px = cx - 1;
        py = cy - 1;
        p.fillRect(ToQRect(dot), selected ? highlightColour : dotColour);
    }
    p.setPen(previousPen);
}

// Skips white space as scanf does before a number.
std::string_view::size_type SkipSpace(std::string_view text, std::string_view::size_type i)
{
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    return i;
}

// A signed whole number at `i` as scanf's "%d" reads it; false without a digit.
bool ReadNumber(std::string_view text, std::string_view::size_type& i, int& value)
{
    i = SkipSpace(text, i);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return false;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[i] - '0'), std::int64_t(INT_MAX) + 1);
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    value = int(std::clamp<std::int64_t>(signedValue, INT_MIN, INT_MAX));
    return true;
}

} // namespace

bool ParseClockCell(std::string_view text, int& hour, int& minute)
{
    std::string_view::size_type i = 0;
    int h = 0;
    int m = 0;
    if (!ReadNumber(text, i, h))
        return false;
    if (i >= text.size() || text[i] != ':')
        return false;
    ++i;
    if (!ReadNumber(text, i, m))
        return false;
    hour = h;
    minute = m;
    return true;
}

void PaintChart(QPainter& p, const ChartData& data)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);

    p.fillRect(ToQRect(data.frame), ToQColor(data.faceColour));
    const Geometry g(data.frame);
    PaintTitles(p, g);
    PaintTimeScale(p, g, data.grid);
    PaintDateAxis(p, g, data);
    if (data.showMorning)
        PaintCurve(p, g, data, true);
    if (data.showEvening)
        PaintCurve(p, g, data, false);
    p.restore();
}

void PaintSwatch(QPainter& p, const PixelRect& swatch, COLORREF colour)
{
    p.fillRect(ToQRect(swatch), ToQColor(colour));
    FrameRect(p, swatch, *g_chartBrush.GetBrush(InvertedColour(colour)));
}

ChartPeriod ChartPeriodOf(Period period)
{
    switch (period) {
    case Period::Year:
        return ChartPeriod::Year;
    case Period::Month:
        return ChartPeriod::Month;
    case Period::Day:
    case Period::None:
        break;
    }
    return ChartPeriod::Day;
}

std::vector<ChartRowCells> ChartRowsOf(const std::vector<ScheduleRow>& rows)
{
    std::vector<ChartRowCells> cells;
    cells.reserve(rows.size());
    for (const ScheduleRow& row : rows)
        cells.push_back(ChartRowCells{row.morning, row.evening});
    return cells;
}

COLORREF ButtonFaceColour()
{
    return ToColorRef(QGuiApplication::palette().color(QPalette::Button));
}
