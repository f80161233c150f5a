#include "digit_groups.h"

#include <cstdlib>

namespace orva {
namespace {

QString fillRun(const QString &run, QChar fill, int groupWidth, int totalWidth)
{
    const QString padding(qMax<qsizetype>(0, groupWidth - run.size()), fill);
    if (totalWidth > 0)
        return run + padding;
    if (totalWidth < 0)
        return padding + run;
    return padding;
}

} // namespace

bool FormatDigitGroups(QString &text, QStringView allowed, QChar separator, QChar fill, int groupWidth,
                       int totalWidth, bool withSeparator)
{
    QString normalised;
    QString run;
    for (QChar c : std::as_const(text)) {
        if (allowed.contains(c)) {
            run.append(c);
        } else {
            normalised += fillRun(run, fill, groupWidth, totalWidth);
            normalised.append(c);
            run.clear();
        }
    }
    if (!run.isEmpty())
        normalised += fillRun(run, fill, groupWidth, totalWidth);

    QString digits;
    digits.reserve(normalised.size());
    for (QChar c : std::as_const(normalised)) {
        if (allowed.contains(c))
            digits.append(c);
    }
    const int width = std::abs(totalWidth);
    if (digits.size() < width) {
        const QString padding(width - digits.size(), fill);
        digits = totalWidth > 0 ? digits + padding : padding + digits;
    }

    if (!withSeparator) {
        text = digits;
    } else {
        const QString head = digits.left(width);
        QString grouped;
        grouped.reserve(head.size() + head.size() / qMax(1, groupWidth));
        for (qsizetype i = 0; i < head.size(); ++i) {
            if (i > 0 && groupWidth > 0 && i % groupWidth == 0)
                grouped.append(separator);
            grouped.append(head[i]);
        }
        text = grouped;
    }
    return text != normalised;
}

} // namespace orva
