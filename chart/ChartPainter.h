#pragma once
// The twilight chart: frame, axis titles, time scale, date axis, grid and the
// morning and evening curves, painted from the table's time texts. The same
// code paints the dialog and the chart images of the command line.

#include "chart/ChartTypes.h"
#include "schedule/Schedule.h"

#include <string>
#include <string_view>
#include <vector>

class QPainter;

// The period of the date axis and of the curve points.
enum class ChartPeriod
{
    Year,   // one row per day of a year; 13 month marks
    Month,  // one row and one mark per day of a month
    Day,    // one row in the middle
};

// The curve colours the program starts with: blue mornings, green evenings.
inline constexpr COLORREF kMorningStartColour = MakeColour(0, 0, 255);
inline constexpr COLORREF kEveningStartColour = MakeColour(0, 255, 0);

// Where the dialog's chart frame (the group box "Grafische Darstellung") lies,
// in client pixels; a chart image has the same size.
inline constexpr PixelRect kDialogChartFrame{11, 11, 490, 339};

// The two time texts of one table row, as the table shows them ("06:15").
struct ChartRowCells
{
    std::string morning;
    std::string evening;
};

// Everything the chart shows, read before painting starts.
struct ChartData
{
    PixelRect frame = kDialogChartFrame;        // F: filled, and the chart drawn inside
    COLORREF faceColour = MakeColour(239, 239, 239);  // fill of F (the buttons' face colour)
    ChartPeriod period = ChartPeriod::Year;
    bool grid = false;          // grid lines instead of long ticks
    bool showMorning = true;    // curve 1
    bool showEvening = true;    // curve 2
    COLORREF morningColour = kMorningStartColour;
    COLORREF eveningColour = kEveningStartColour;
    std::vector<ChartRowCells> rows;  // the table's rows in order
    std::vector<int> selectedRows;    // selected table rows, ascending
};

// Paints the chart for `data` with integer geometry and no antialiasing. The
// plot area is F shrunk by 30 left, 25 top, 9 right and 35 bottom; 0:00 lies on
// its bottom edge and 23:59 on its top edge. A time text that does not read as
// "hour:minute" leaves a gap in its curve; an hour of 24 or more is drawn as
// 23:59. A single row of a year or month table is drawn in the middle. The
// painter's state is the same afterwards.
void PaintChart(QPainter& p, const ChartData& data);

// A colour swatch: the rectangle filled with `colour` and framed one pixel wide
// in the inverted colour.
void PaintSwatch(QPainter& p, const PixelRect& swatch, COLORREF colour);

// Reads "hour:minute" as C's scanf pattern "%d:%d" does: optional white space,
// a signed whole number, a colon right after it, optional white space, a second
// signed whole number; whatever follows is ignored. False when that does not
// give both numbers. Numbers beyond the int range are held at its ends.
bool ParseClockCell(std::string_view text, int& hour, int& minute);

// The chart period of a table period (no period draws like a day).
ChartPeriod ChartPeriodOf(Period period);

// The time texts of computed schedule rows.
std::vector<ChartRowCells> ChartRowsOf(const std::vector<ScheduleRow>& rows);

// The fill colour of the chart frame: the button colour of the application's palette.
COLORREF ButtonFaceColour();
