#pragma once
// Small value types shared by the chart and the dialog: colours in the
// 0x00BBGGRR layout the chart's colour rules are written for, and rectangles
// whose right and bottom edges lie outside (left/top inside).

#include <cstdint>

using COLORREF = std::uint32_t;

constexpr COLORREF MakeColour(int red, int green, int blue)
{
    return COLORREF(red & 0xFF) | (COLORREF(green & 0xFF) << 8) | (COLORREF(blue & 0xFF) << 16);
}
constexpr int RedOf(COLORREF c) { return int(c & 0xFF); }
constexpr int GreenOf(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(COLORREF c) { return int((c >> 16) & 0xFF); }
// The colour with red, green and blue inverted: the frame of a swatch and the
// dot of a selected row.
constexpr COLORREF InvertedColour(COLORREF c) { return ~c & 0xFFFFFF; }

// A rectangle in client pixels; right and bottom are one past the last pixel.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // Left and top edges inside, right and bottom edges outside.
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
