#include "table_block.h"

namespace orva {

TableExtent DrawTableBlock(const ReportContext &c, int x, int y, const TableBlock &table)
{
    ReportCanvas &canvas = c.canvas;
    const int L = c.m.L;
    const int width = canvas.textWidth(table.header, FontStyle::Bold);

    int lineBottom = y + L;
    if (!table.title.isEmpty()) {
        canvas.drawText(x, lineBottom, table.title, TextAlign::Left, FontStyle::Bold);
        lineBottom += L;
    }
    const int headerBottom = lineBottom;
    const int frameTop = headerBottom - L;
    canvas.drawText(x + table.headerOffset, headerBottom, table.header, TextAlign::Left, FontStyle::Bold);
    const int lastRowBottom = headerBottom + table.rows * L;

    for (int row = 1; row <= table.rows; row += 2) {
        const int top = headerBottom + (row - 1) * L;
        canvas.drawRectangle(x, top, x + width, top + L, SilverColor, PenStyle::Solid, 0);
    }

    for (int row = 1; row <= table.rows; ++row) {
        const int top = headerBottom + (row - 1) * L;
        const int bottom = top + L;
        canvas.drawLine(x, top, x + width - table.rowLineShorten, top, PenStyle::Solid, FramePen);
        if (!table.cells)
            continue;
        for (const TableCell &cell : table.cells(row)) {
            if (!cell.text.isEmpty())
                canvas.drawText(x + cell.offset, bottom, cell.text, TextAlign::Left, cell.style);
        }
    }
    if (table.lineUnderLastRow) {
        canvas.drawLine(x, lastRowBottom, x + width - table.rowLineShorten, lastRowBottom, PenStyle::Solid,
                        FramePen);
    }

    for (int offset : table.separators) {
        canvas.drawLine(x + offset, frameTop, x + offset, lastRowBottom - table.separatorGap, PenStyle::Solid,
                        FramePen);
    }
    canvas.drawRectangle(x, frameTop, x + width, lastRowBottom, std::nullopt, PenStyle::Solid, FramePen);

    return TableExtent{BlockSize{width, lastRowBottom - y}, lastRowBottom};
}

} // namespace orva
