#include "text_fit.h"

namespace orva {
namespace {

constexpr QChar Ellipsis = u'…';

// `kept` characters of `text`: the larger half from its beginning, the rest from its end.
QString keep(const QString &text, qsizetype kept)
{
    const qsizetype head = (kept + 1) / 2;
    return text.left(head) + Ellipsis + text.right(kept - head);
}

} // namespace

QString ElideMiddle(const ReportCanvas &canvas, const QString &text, int width, FontStyle style)
{
    if (canvas.textWidth(text, style) <= width)
        return text;
    if (canvas.textWidth(QString(Ellipsis), style) > width)
        return {};
    // The width grows with the characters kept: the most that fit are found by halving.
    qsizetype fits = 0;
    qsizetype tooMany = text.size();
    while (tooMany - fits > 1) {
        const qsizetype middle = (fits + tooMany) / 2;
        if (canvas.textWidth(keep(text, middle), style) <= width)
            fits = middle;
        else
            tooMany = middle;
    }
    return keep(text, fits);
}

} // namespace orva
