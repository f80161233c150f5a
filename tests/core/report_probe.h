#pragma once

// What the tests of the printed record share: the grid of the report font, drawing a model on a recording
// canvas, and finding a table, its rows and cells among what was drawn.
#include "recording_canvas.h"

#include "report/configuration_report.h"
#include "report/report_metrics.h"

#include <QString>

#include <algorithm>
#include <limits>

namespace orva::test {

// The grid of Courier New 11 pt on the record's 25-mm inch, as a printer measures it.
constexpr int K = 23;
constexpr int L = 43;
constexpr int H = 22;            // 21.5 rounded to even
constexpr int PageWidth = 2067;  // A4: 210 mm on the record's grid
constexpr int PageHeight = 2923; // A4: 297 mm
inline const QString PrintDate = QStringLiteral("01.02.2024");

inline T_Command_DEVICE defaults()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    return model;
}

inline RecordingCanvas draw(const T_Command_DEVICE &model, ReportExtent *extent = nullptr)
{
    RecordingCanvas canvas(K, L);
    const ReportExtent drawn = DrawConfigurationReport(model, canvas, ReportPage{PageWidth, PrintDate});
    if (extent)
        *extent = drawn;
    return canvas;
}

// Where a table stands: the block's x, the bottom of its header line and its width.
struct Table
{
    int x = 0;
    int headerBottom = 0;
    int width = 0;
};

// The header lines of a table: the header drawn whole, or its first piece where a word of it moved clear
// of a separator.
inline QList<RecordingCanvas::Text> headerLines(const RecordingCanvas &canvas, const QString &header)
{
    QList<RecordingCanvas::Text> found;
    for (const RecordingCanvas::Text &t : canvas.texts) {
        if (!t.text.trimmed().isEmpty() && header.startsWith(t.text) && t.style == FontStyle::Bold)
            found.append(t);
    }
    return found;
}

inline Table locate(const RecordingCanvas &canvas, const QString &header, int headerOffset, int which = 0)
{
    const QList<RecordingCanvas::Text> found = headerLines(canvas, header);
    if (which >= found.size())
        return {};
    const RecordingCanvas::Text &t = found[which];
    return {t.x - headerOffset, t.y, int(header.size()) * K};
}

// The texts of data row `row` of the table, left to right as drawn.
inline QStringList rowTexts(const RecordingCanvas &canvas, const Table &table, int row)
{
    QStringList texts;
    for (const auto &t : canvas.onLine(table.headerBottom + row * L, table.x, table.x + table.width))
        texts.append(t.text);
    return texts;
}

// The whole text of the cell whose first line is `first`, in a table at `tableX`: its lines at the same
// x, joined, down to its row's bottom (the next row line, or the frame's bottom).
inline QString cellText(const RecordingCanvas &canvas, const RecordingCanvas::Text &first, int tableX)
{
    int bottom = std::numeric_limits<int>::max();
    for (const auto &line : canvas.lines) {
        if (line.x1 == tableX && line.y1 == line.y2 && line.y1 >= first.y)
            bottom = std::min(bottom, line.y1);
    }
    for (const auto &r : canvas.rects) {
        if (!r.fill && r.x1 == tableX && r.y2 >= first.y)
            bottom = std::min(bottom, r.y2);
    }
    QString text;
    for (const auto &t : canvas.texts) {
        if (t.x == first.x && t.y >= first.y && t.y <= bottom)
            text += t.text;
    }
    return text;
}

// The rows (from 1) with a silver stripe that spans the table's width.
inline QList<int> stripedRows(const RecordingCanvas &canvas, const Table &table, int rows)
{
    QList<int> striped;
    for (int row = 1; row <= rows; ++row) {
        const int top = table.headerBottom + (row - 1) * L;
        for (const auto &r : canvas.rects) {
            if (r.fill == SilverColor && r.width == 0 && r.x1 == table.x && r.x2 == table.x + table.width &&
                r.y1 == top && r.y2 == top + L) {
                striped.append(row);
            }
        }
    }
    return striped;
}

inline const QString BalanceHeader = QStringLiteral("№ Номер            Контроль баланса        ");
inline const QString LoopsHeader = QStringLiteral("№ Режим                              Псевдоним  ");
inline const QString RelaysHeader = QStringLiteral("№ Режим              Время  ");
inline const QString KeysHeader = QStringLiteral("№ Псевдоним  Код ключа    ");
inline const QString SmsByKeysHeader = QStringLiteral("№ Телефон           Ключи             ");
inline const QString SmsHeader = QStringLiteral("№ Телефон           Набор сообщений   ");
inline const QString ApnHeader =
    QStringLiteral("Параметр   SIM-карта №1:                    SIM-карта №2:                     ");
inline const QString ServersHeader = QStringLiteral("          IP-адрес        порт ");
inline const QString GprsKeyLabel = QStringLiteral("Ключ шифрации :");

} // namespace orva::test
