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

// A cell's text at its offset, moved left as far as its column needs, or, when it is wider than its
// column, shortened in its middle to the room right of its offset: no cell crosses a line or reaches
// into the next cell.
void drawCell(const ReportContext &c, int x, int bottom, const TableCell &cell, const QList<int> &lines)
{
    const Column column = columnAt(lines, cell.offset, c.m.gap());
    QString text = cell.text;
    const int width = c.canvas.textWidth(text, cell.style);
    int start = std::clamp(cell.offset, column.left, column.right);
    if (width <= column.right - column.left)
        start = std::min(start, column.right - width);
    else
        text = ElideMiddle(c.canvas, text, column.right - start, cell.style);
    c.canvas.drawText(x + start, bottom, text, TextAlign::Left, cell.style);
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
                drawCell(c, x, bottom, cell, lines);
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
