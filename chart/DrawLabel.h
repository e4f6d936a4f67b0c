#pragma once
// One chart label: measured or drawn into a rectangle with a font, a text
// colour, a background brush and mode, text format flags and options.

#include "chart/ChartTypes.h"

#include <QRect>
#include <QString>

class QBrush;
class QFont;
class QPainter;

// The rectangle as Qt's (x, y, width, height).
QRect ToQRect(const PixelRect& r);

// A one-pixel frame just inside the rectangle, painted with `brush`.
void FrameRect(QPainter& p, const PixelRect& r, const QBrush& brush);

// Background modes (the Win32 values); the guards keep a platform header that
// defines the same names with the same values from clashing.
#ifndef TRANSPARENT
inline constexpr int TRANSPARENT = 1;  // the text cell keeps what lies below
#endif
#ifndef OPAQUE
inline constexpr int OPAQUE = 2;       // the text cell is filled first
#endif

// Text format flags (the Win32 DrawText values).
#ifndef DT_CALCRECT
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;     // with DT_SINGLELINE only
inline constexpr unsigned DT_BOTTOM = 0x0008;      // with DT_SINGLELINE only
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_EXPANDTABS = 0x0040;
inline constexpr unsigned DT_NOCLIP = 0x0100;
inline constexpr unsigned DT_CALCRECT = 0x0400;    // measure only: sets right and bottom
#endif

// Options of DrawLabel.
inline constexpr int kLabelShadow = 1;  // a light grey copy 2 pixels right and down, first
inline constexpr int kLabelFrame = 2;   // a one-pixel frame with the fill brush

// Measures or draws `text` in `rect`.
// - Nothing happens without a painter or a rectangle.
// - The fill brush is `brush`, or without one the brush holder's brush for
//   colour 0x000001; the font is `font`, or without one the custom font as it is.
// - With DT_CALCRECT in `format` nothing is drawn: `rect` keeps left and top and
//   gets right and bottom so that it just holds the text (the widest line and
//   one font height per line). Otherwise the text is drawn into `rect` with the
//   alignment of `format` and clipped to it (unless DT_NOCLIP), in `textColour`.
// - `backgroundMode` OPAQUE (bit 1) fills the rectangle with the fill brush
//   before the text; the mode stays set on the painter afterwards.
// - The painter's font and text colour are restored afterwards.
void DrawLabel(QPainter* dc, QString text, PixelRect* rect, const QFont* font, COLORREF textColour,
               const QBrush* brush, int backgroundMode, unsigned format, int options);
