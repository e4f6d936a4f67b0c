#pragma once

#include <QFont>

// The font of the dialogs: 8-point dialog text at 96 dpi, 11 pixels high. The
// Windows dialog faces come first; elsewhere the Arial-metric sans-serif
// (Liberation Sans), whose widths match the ones the fixed layouts were made
// for, and failing that the system's sans-serif.
QFont DialogFont();
