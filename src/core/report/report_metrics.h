#pragma once

#include "device_model/device.h"
#include "report_canvas.h"

namespace orva {

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// The grid of the record, measured in the report font: L the line height (the height of "Рр"), K the
// character width (the advance of "0", unrounded, so that column n stands where the font puts character
// n), H half a line.
struct ReportMetrics
{
    int L = 0;
    double K = 0;
    int H = 0;

    // `columns` character widths, rounded (columns may be fractional: 1.5 is one and a half).
    int cols(double columns) const { return RoundHalfEven(columns * K); }
    // The room a text keeps from a line beside it: more than half a thick pen and a glyph's overhang.
    int gap() const { return cols(1.0 / 6); }
};

ReportMetrics MeasureReport(const ReportCanvas &canvas);

// What every block returns: the room it took from its top-left corner.
struct BlockSize
{
    int width = 0;
    int height = 0;
};

// What the blocks draw with and from.
struct ReportContext
{
    ReportCanvas &canvas;
    const T_Command_DEVICE &model;
    ReportMetrics m;
};

// Frames, row lines and separators: a solid pen two pixels wide.
inline constexpr int FramePen = 2;

} // namespace orva
