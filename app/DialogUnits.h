#pragma once
// Dialog units to pixels for the dialogs' fixed layouts. One dialog unit is a
// quarter of the average character width across and an eighth of the character
// height down of the dialog font; for 8-point text at 96 dpi the font's base
// units are 6 x 13 pixels. Each coordinate is converted on its own and rounded
// half away from zero, as the Windows dialog manager does with MulDiv.

#include <QRect>

namespace dlu {

inline constexpr int kBaseUnitX = 6;   // pixels per 4 dialog units across
inline constexpr int kBaseUnitY = 13;  // pixels per 8 dialog units down

// value * numerator / denominator, rounded half away from zero.
constexpr int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

constexpr int ToPixelsX(int units) { return MulDiv(units, kBaseUnitX, 4); }
constexpr int ToPixelsY(int units) { return MulDiv(units, kBaseUnitY, 8); }

// A template rectangle (x, y, width, height in dialog units) in pixels.
inline QRect ToPixels(int x, int y, int width, int height)
{
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height));
}

} // namespace dlu
