#include "digit_groups.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>

namespace orva {
namespace {

// The texts are short (addresses, identifiers, keys): they are assembled on the stack.
using Chars = QVarLengthArray<QChar, 64>;

void appendFill(Chars &to, QChar fill, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        to.append(fill);
}

// A run of allowed characters filled to the group width: the fill after the run for a positive total
// width, before it for a negative one, only the fill for 0.
void appendFilledRun(Chars &to, QStringView run, QChar fill, int groupWidth, int totalWidth)
{
    const qsizetype padding = qMax<qsizetype>(0, groupWidth - run.size());
    if (totalWidth < 0)
        appendFill(to, fill, padding);
    if (totalWidth != 0)
        to.append(run.data(), run.size());
    if (totalWidth >= 0)
        appendFill(to, fill, padding);
}

} // namespace

bool FormatDigitGroups(QString &text, QStringView allowed, QChar separator, QChar fill, int groupWidth,
                       int totalWidth, bool withSeparator)
{
    const auto isAllowed = [allowed](QChar c) {
        return std::find(allowed.begin(), allowed.end(), c) != allowed.end();
    };

    Chars normalised;
    const QStringView source(text);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (isAllowed(source[i]))
            continue;
        appendFilledRun(normalised, source.sliced(runStart, i - runStart), fill, groupWidth, totalWidth);
        normalised.append(source[i]);
        runStart = i + 1;
    }
    if (runStart < source.size())
        appendFilledRun(normalised, source.sliced(runStart), fill, groupWidth, totalWidth);

    Chars digits;
    for (QChar c : normalised) {
        if (isAllowed(c))
            digits.append(c);
    }
    const int width = std::abs(totalWidth);
    if (digits.size() < width) {
        const qsizetype padding = width - digits.size();
        if (totalWidth > 0) {
            appendFill(digits, fill, padding);
        } else {
            digits.insert(digits.begin(), padding, fill);
        }
    }

    Chars result;
    if (!withSeparator) {
        result = digits;
    } else {
        const qsizetype head = qMin<qsizetype>(digits.size(), width);
        for (qsizetype i = 0; i < head; ++i) {
            if (i > 0 && groupWidth > 0 && i % groupWidth == 0)
                result.append(separator);
            result.append(digits[i]);
        }
    }
    const bool changed = !std::equal(result.begin(), result.end(), normalised.begin(), normalised.end());
    text = QString(result.constData(), result.size());
    return changed;
}

} // namespace orva
