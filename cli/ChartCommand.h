#pragma once
// crepulo-cli chart: the dialog's twilight chart for the table options, as a
// PNG or SVG image of the chart frame's size (only built with Qt).

#include "chart/ChartPainter.h"
#include "cli/CliOptions.h"

#include <optional>
#include <string>
#include <vector>

enum class ChartImageFormat
{
    Png,
    Svg,
};

struct ChartRequest
{
    TableRequest table;  // the rows, as `crepulo-cli table` computes them
    bool grid = false;
    bool showMorning = true;
    bool showEvening = true;
    COLORREF morningColour = kMorningStartColour;
    COLORREF eveningColour = kEveningStartColour;
    ChartImageFormat format = ChartImageFormat::Png;  // from the output file's ending
};

// Reads the table options and --grid, --no-morning, --no-evening,
// --morning-colour RRGGBB and --evening-colour RRGGBB (hexadecimal red, green,
// blue, optionally after '#'). --output is required and must end in .png or
// .svg. Returns the first error found (exit code 2).
std::optional<CliError> ParseChartOptions(const std::vector<std::string>& args, ChartRequest& request);

// The image file's bytes for the request. Needs a QGuiApplication.
std::string RenderChartImage(const ChartRequest& request);

// The command: parses, renders and writes the file (a temporary file beside it,
// renamed over it), with German messages on standard error. Exit codes: 0
// written, 1 the file could not be written, 2 bad input (nothing written).
int RunChartCommand(const std::vector<std::string>& args);
