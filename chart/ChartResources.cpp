#include "chart/ChartResources.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

QColor ToQColor(COLORREF colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

COLORREF ToColorRef(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return MakeColour(rgb.red(), rgb.green(), rgb.blue());
}

namespace {

constexpr COLORREF kLargestPlainColour = 0x00FFFFFF;

QPen MakePen(int style, int width, COLORREF colour)
{
    Qt::PenStyle penStyle = Qt::NoPen;  // an unknown style makes a pen that draws nothing
    switch (style) {
    case PS_SOLID:
    case PS_INSIDEFRAME:
        penStyle = Qt::SolidLine;
        break;
    case PS_DASH:
        penStyle = Qt::DashLine;
        break;
    case PS_DOT:
        penStyle = Qt::DotLine;
        break;
    case PS_DASHDOT:
        penStyle = Qt::DashDotLine;
        break;
    case PS_DASHDOTDOT:
        penStyle = Qt::DashDotDotLine;
        break;
    default:
        break;
    }
    // Flat ends on one-pixel lines leave the end point unpainted, as line
    // drawing on the platform does. Wider pens reach half their width past
    // both ends: square ends, which at the chart's two pixels cover what a
    // round end would but draw several times faster than Qt's round ends.
    const int pixels = std::max(1, std::abs(width));
    const Qt::PenCapStyle cap = pixels > 1 ? Qt::SquareCap : Qt::FlatCap;
    return QPen(QBrush(ToQColor(colour)), pixels, penStyle, cap, Qt::RoundJoin);
}

// A font of its own: every attribute is set, so that a painter does not fill
// unset ones from the font of the widget it paints on (a style hint taken
// from there would pick another face for "Helvetica").
QFont MakeFont(const QString& face, int height, int weight)
{
    QFont font;
    font.setFamilies(QStringList{face});
    font.setStyleHint(QFont::AnyStyle, QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    font.setPixelSize(std::max(1, std::abs(height)));
    font.setWeight(QFont::Weight(std::clamp(weight == 0 ? FW_NORMAL : weight, 1, 1000)));
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    font.setKerning(true);
    font.setStretch(QFont::Unstretched);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    return font;
}

constexpr int kCustomSlot = 6;

// The slot a font kind returns; every kind outside 1..8 gets the custom font.
int SlotOfKind(int kind)
{
    switch (kind) {
    case 1: return 0;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 5: return 4;
    case 7: return 5;
    case 8: return 7;
    default: return kCustomSlot;
    }
}

} // namespace

CChartBrush::CChartBrush() : m_brush(ToQColor(0), Qt::SolidPattern), m_nCreated(1) {}

QBrush* CChartBrush::GetBrush(COLORREF colour)
{
    if (colour <= kLargestPlainColour) {
        m_brush = QBrush(ToQColor(colour), Qt::SolidPattern);
        ++m_nCreated;
    }
    return &m_brush;
}

CChartPen::CChartPen() : m_pen(MakePen(PS_SOLID, 4, 0)), m_nCreated(1) {}

QPen* CChartPen::GetPen(int style, int width, COLORREF colour)
{
    if (colour == 0)
        colour = 0x000001;
    if (width != 0) {
        m_pen = MakePen(style, width, colour);
        ++m_nCreated;
    }
    return &m_pen;
}

CChartFonts::CChartFonts()
    : m_fonts{MakeFont("Arial", -12, FW_NORMAL), MakeFont("Arial", -13, FW_BOLD),
              MakeFont("Arial", -9, FW_NORMAL),  MakeFont("Arial", -17, FW_BOLD),
              MakeFont("Arial", -27, FW_BOLD),   MakeFont("Arial", -60, FW_BOLD),
              MakeFont("Arial", -1, FW_NORMAL),  MakeFont("Arial", -1, FW_NORMAL)},
      m_nCustomCreated(1)
{
}

QFont* CChartFonts::GetFont(int kind, int height, int weight, QString face)
{
    if (kind == 6 && height != 0 && weight != 0 && !face.isEmpty()) {
        m_fonts[kCustomSlot] = MakeFont(face, height, weight);
        ++m_nCustomCreated;
    }
    return &m_fonts[SlotOfKind(kind)];
}

CChartBrush g_chartBrush;
CChartFonts g_chartFonts;
CChartPen g_chartPen;
