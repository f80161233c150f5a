#include "table_block.h"

#include "text_fit.h"

#include <algorithm>

namespace orva {
namespace {

// The x range a text between two lines of a table may take, from the block's x.
struct Column
{
    int left = 0;
    int right = 0;
};

// The vertical lines of a table, from the block's x and left to right: the frame, the separators, the
// frame.
QList<int> verticalLines(const TableBlock &table, int width)
{
    QList<int> lines{0};
    lines.append(table.separators);
    lines.append(width);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The column that holds `offset`, less a gap from the line on either side.
Column columnAt(const QList<int> &lines, int offset, int gap)
{
    qsizetype right = 1;
    while (right < lines.size() - 1 && lines[right] <= offset)
        ++right;
    return {lines[right - 1] + gap, lines[right] - gap};
}

// A cell's text in its column: at its offset, moved left as far as its column needs; a text wider than
// its column goes on on further lines from its offset, each kept to the room right of it. No cell
// crosses a line or reaches into the next cell, and none loses a character.
struct PlacedCell
{
    int start = 0;
    FontStyle style = FontStyle::Bold;
    QStringList lines;
};

PlacedCell placeCell(const ReportContext &c, const TableCell &cell, const QList<int> &lines)
{
    const Column column = columnAt(lines, cell.offset, c.m.gap());
    const int width = c.canvas.textWidth(cell.text, cell.style);
    int start = std::clamp(cell.offset, column.left, column.right);
    if (width <= column.right - column.left) {
        start = std::min(start, column.right - width);
        return {start, cell.style, {cell.text}};
    }
    return {start, cell.style, WrapText(c.canvas, cell.text, column.right - start, cell.style)};
}

// A data row laid out: its cells and the lines it takes (one, or as many as its longest cell needs).
struct PlacedRow
{
    QList<PlacedCell> cells;
    int lines = 1;
};

QList<PlacedRow> placeRows(const ReportContext &c, const TableBlock &table, const QList<int> &lines)
{
    QList<PlacedRow> rows;
    for (int row = 1; row <= table.rows; ++row) {
        PlacedRow placed;
        if (table.cells) {
            for (const TableCell &cell : table.cells(row)) {
                if (cell.text.isEmpty())
                    continue;
                placed.cells.append(placeCell(c, cell, lines));
                placed.lines = std::max(placed.lines, int(placed.cells.last().lines.size()));
            }
        }
        rows.append(placed);
    }
    return rows;
}

// The header line. Its blanks lay out the columns; a word that a line would cut (or touch) moves right
// until it clears the line, and the rest of the header with it. The header is drawn in one piece when
// no word moves.
void drawHeader(const ReportContext &c, int x, int bottom, const TableBlock &table, const QList<int> &lines)
{
    const QString &header = table.header;
    const int gap = c.m.gap();
    const auto advance = [&c](const QString &text) {
        return RoundHalfEven(c.canvas.textAdvance(text, FontStyle::Bold));
    };
    const auto drawPiece = [&](qsizetype from, qsizetype to, int shift) {
        if (to > from) {
            c.canvas.drawText(x + table.headerOffset + shift + advance(header.left(from)), bottom,
                              header.mid(from, to - from), TextAlign::Left, FontStyle::Bold);
        }
    };

    int shift = 0;
    qsizetype pieceStart = 0;
    int pieceShift = 0;
    for (qsizetype i = 0; i < header.size();) {
        if (header[i].isSpace()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < header.size() && !header[end].isSpace())
            ++end;
        int left = table.headerOffset + shift + advance(header.left(i));
        const int width = advance(header.mid(i, end - i));
        for (int line : lines) {
            if (left < line + gap && left + width > line - gap) {
                shift += line + gap - left;
                left = line + gap;
            }
        }
        if (shift != pieceShift) {
            drawPiece(pieceStart, i, pieceShift);
            pieceStart = i;
            pieceShift = shift;
        }
        i = end;
    }
    drawPiece(pieceStart, header.size(), pieceShift);
}

} // namespace

TableExtent DrawTableBlock(const ReportContext &c, int x, int y, const TableBlock &table)
{
    ReportCanvas &canvas = c.canvas;
    const int L = c.m.L;
    const int width = canvas.textWidth(table.header, FontStyle::Bold);
    const QList<int> lines = verticalLines(table, width);

    int lineBottom = y + L;
    if (!table.title.isEmpty()) {
        canvas.drawText(x, lineBottom, table.title, TextAlign::Left, FontStyle::Bold);
        lineBottom += L;
    }
    const int headerBottom = lineBottom;
    const int frameTop = headerBottom - L;
    drawHeader(c, x, headerBottom, table, lines);
    const QList<PlacedRow> rows = placeRows(c, table, lines);
    QList<int> rowTops{headerBottom};
    for (const PlacedRow &row : rows)
        rowTops.append(rowTops.last() + row.lines * L);
    const int lastRowBottom = rowTops.last();

    for (qsizetype row = 0; row < rows.size(); row += 2) {
        canvas.drawRectangle(x, rowTops[row], x + width, rowTops[row + 1], SilverColor, PenStyle::Solid, 0);
    }

    for (qsizetype row = 0; row < rows.size(); ++row) {
        const int top = rowTops[row];
        canvas.drawLine(x, top, x + width - table.rowLineShorten, top, PenStyle::Solid, FramePen);
        for (const PlacedCell &cell : rows[row].cells) {
            int bottom = top;
            for (const QString &line : cell.lines) {
                bottom += L;
                canvas.drawText(x + cell.start, bottom, line, TextAlign::Left, cell.style);
            }
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
