#pragma once

#include "report_metrics.h"

#include <QList>
#include <QString>

#include <functional>

namespace orva {

// One text of a data row: its offset from the block's x and its style. The text keeps to its column:
// it moves left when it would reach the next line, and goes on on further lines of its row when the
// column is too narrow for it; the row grows to hold it, and the rows below move down.
struct TableCell
{
    int offset = 0;
    QString text;
    FontStyle style = FontStyle::Bold;
};

// A framed table of the record. The column header's text fixes the block's width, so the blanks in the
// header strings lay out the columns.
struct TableBlock
{
    QString title;                 // bold, on the first line; empty for none
    QString header;                // bold, on the line after the title (or the first line)
    int headerOffset = 0;          // the header text's offset from x
    int rows = 0;                  // data rows, numbered from 1
    QList<int> separators;         // offsets of the vertical column separators
    int separatorGap = 1;          // separators stop this many units above the bottom of the last row
    int rowLineShorten = 2;        // row lines run from x to x + width - rowLineShorten
    bool lineUnderLastRow = false; // one more row line at the bottom of the last row
    std::function<QList<TableCell>(int row)> cells;
};

// Where a drawn table ended.
struct TableExtent
{
    BlockSize size; // width of the header; height down to the bottom of the last row
    int lastRowBottom = 0;
};

// Draws title, header, stripes behind the odd rows (as high as their rows), the rows with their top
// lines and cells, the column separators and the frame around header and rows. A header word that a line
// would cut moves right, clear of it, with the rest of the header.
TableExtent DrawTableBlock(const ReportContext &c, int x, int y, const TableBlock &table);

} // namespace orva
