#pragma once
// The chart's drawing objects: one solid brush, one pen and eight fonts, each
// owned by a global holder for the whole run. A request replaces the held
// object and returns a pointer to the holder's own member, so the pointer is
// only good until the next valid request to the same holder; the caller never
// deletes it.

#include "chart/ChartTypes.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include <array>

// Pen styles of GetPen (the values of the Win32 PS_ styles).
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_INSIDEFRAME = 6;

// Font weights (100 thin .. 900 black).
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

// The Qt colour of a 0x00BBGGRR colour; the high byte is ignored.
QColor ToQColor(COLORREF colour);
// The 0x00BBGGRR colour of a Qt colour.
COLORREF ToColorRef(const QColor& colour);

class CChartBrush
{
public:
    // A solid black brush.
    CChartBrush();

    // Replaces the brush by a solid one of `colour` when the colour is at most
    // 0x00FFFFFF; a larger value (a bit of the high byte set) keeps the brush.
    // Returns the held brush in both cases.
    QBrush* GetBrush(COLORREF colour);

    // Brushes made so far, the one of the constructor included.
    long CreationCount() const { return m_nCreated; }

private:
    QBrush m_brush;
    long m_nCreated = 0;
};

class CChartPen
{
public:
    // A solid black pen 4 pixels wide.
    CChartPen();

    // A colour of 0 becomes 0x000001 (it still looks black). Then, for a
    // non-zero width, the pen is replaced by one of `style` (PS_...), that
    // width in pixels and that colour; a width of 0 keeps the pen. A pen of
    // one pixel leaves out the end point of a line; wider pens extend half
    // their width past both ends. Returns the held pen in both cases.
    QPen* GetPen(int style, int width, COLORREF colour);

    long CreationCount() const { return m_nCreated; }

private:
    QPen m_pen;
    long m_nCreated = 0;
};

class CChartFonts
{
public:
    // The eight fonts, all "Arial": kind 1 -12 normal, kind 2 -13 bold,
    // kind 3 -9 normal, kind 4 -17 bold, kind 5 -27 bold, kind 7 -60 bold,
    // the custom font (kind 6) -1 normal, kind 8 -1 normal.
    CChartFonts();

    // The font of `kind`. Kind 6 with a non-zero height and weight and a
    // non-empty face first re-creates the custom font from them. Every kind
    // outside 1..8 returns the custom font as it is. A negative height is the
    // character height in pixels; a positive one is taken as the pixel size
    // too. The weight runs from 100 (thin) over 400 (normal) to 900 (black).
    QFont* GetFont(int kind, int height, int weight, QString face);

    // How often the custom font was made, the one of the constructor included.
    long CustomCreationCount() const { return m_nCustomCreated; }

private:
    std::array<QFont, 8> m_fonts;
    long m_nCustomCreated = 0;
};

// Built in this order at start-up and torn down in reverse order at exit.
extern CChartBrush g_chartBrush;
extern CChartFonts g_chartFonts;
extern CChartPen g_chartPen;
