#include "text_fit.h"

namespace orva {
namespace {

// Characters after which a value reads naturally when it goes on on the next line.
bool breaksAfter(QChar c)
{
    static const QString Separators = QStringLiteral(",.-/:@_");
    return c.isSpace() || Separators.contains(c);
}

// The width of `line` without the blanks at its end: they stand at the break and print nothing.
int inkWidth(const ReportCanvas &canvas, const QString &line, FontStyle style)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace())
        --end;
    return canvas.textWidth(line.left(end), style);
}

} // namespace

QStringList WrapText(const ReportCanvas &canvas, const QString &text, int width, FontStyle style)
{
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty()) {
        if (inkWidth(canvas, rest, style) <= width) {
            lines.append(rest);
            break;
        }
        qsizetype fits = 1;
        while (fits < rest.size() && inkWidth(canvas, rest.left(fits + 1), style) <= width)
            ++fits;
        qsizetype cut = fits;
        for (qsizetype i = fits; i > 0; --i) {
            if (breaksAfter(rest[i - 1])) {
                cut = i;
                break;
            }
        }
        lines.append(rest.left(cut));
        rest = rest.mid(cut);
    }
    return lines;
}

} // namespace orva
