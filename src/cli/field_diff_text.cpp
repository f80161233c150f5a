#include "field_diff_text.h"

#include "field_commands.h"
#include "terminal_text.h"

namespace orva::cli {
namespace {

QString shownOrEmpty(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("\"\"") : TerminalText(value);
}

} // namespace

QByteArray DifferencesAsText(const QList<FieldDifference> &differences, const QString &prefix)
{
    QString text;
    for (const FieldDifference &d : differences)
        text += prefix + FieldPath(*d.field) + u": " + shownOrEmpty(d.a) + u" → " + shownOrEmpty(d.b) + u'\n';
    return text.toUtf8();
}

} // namespace orva::cli
