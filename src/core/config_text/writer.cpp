#include "writer.h"

namespace orva {
namespace {

constexpr int KeyAliasColumn = 15;
const QString LearnedKeyInFile = QStringLiteral("********");

QString keyLine(const T_Command &key)
{
    QString line =
        CommandRowOf(Cmd::ua).code.toString() + ZeroPad(key.number(), 2, u'0') + u'-' + key.text(1);
    if (line.size() < KeyAliasColumn)
        line.append(QString(KeyAliasColumn - line.size(), u' '));
    line.append(u'.');
    if (!key.text(2).isEmpty())
        line.append(LearnedKeyInFile);
    return line;
}

// The polling period is written only together with a request code.
QString balanceLine(const T_Command &balance)
{
    const qint32 period = balance.text(2).isEmpty() ? 0 : balance.value(1);
    return CommandRowOf(Cmd::cb).code.toString() + QString::number(balance.number()) + u'-' +
           QString::number(period) + u'.' + balance.text(2);
}

} // namespace

void WriteConfiguration(const T_Command_DEVICE &model, QStringList &lines)
{
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const QList<T_Command> &records = model.records(code);
        switch (code) {
        case Cmd::ks: // the previous key first, then the current one
            for (auto it = records.crbegin(); it != records.crend(); ++it)
                lines.append(PadLine(FormatCommandLine(*it)));
            break;
        case Cmd::ua:
            for (const T_Command &key : records)
                lines.append(PadLine(keyLine(key)));
            break;
        case Cmd::cb:
            for (const T_Command &balance : records)
                lines.append(PadLine(balanceLine(balance)));
            break;
        default:
            for (const T_Command &r : records) {
                const QString line = FormatCommandLine(r);
                if (!line.isEmpty())
                    lines.append(PadLine(line));
            }
            break;
        }
    }
}

QString FormatCommandLine(const T_Command &record)
{
    const CommandRow &row = CommandRowOf(record.code());
    QString line = row.code.toString();
    if (row.kind1 == ParamKind::None && row.kind2 == ParamKind::None)
        return line;
    if (row.hasSeveralInstances())
        line += QString::number(record.number());
    line.append(u'-');

    switch (row.kind1) {
    case ParamKind::Integer:
        // A phone entry without its number is written without its mode.
        if (!(row.kind2 == ParamKind::String && record.text(2).isEmpty()))
            line += QString::number(record.value(1));
        break;
    case ParamKind::String:
    case ParamKind::Text:
        line += record.text(1);
        break;
    case ParamKind::List: {
        QStringList items;
        for (int i = 1; i <= T_Command::ItemCount; ++i) {
            if (record.item(i) != 0)
                items.append(QString::number(record.item(i)));
        }
        line += items.join(u',');
        break;
    }
    case ParamKind::None:
        break;
    }

    switch (row.kind2) {
    case ParamKind::Integer:
        if (record.value(2) >= row.min2 && record.value(2) <= row.max2)
            line += u'.' + QString::number(record.value(2));
        break;
    case ParamKind::String:
        line += u'.' + record.text(2);
        break;
    default:
        break;
    }
    return line;
}

QString PadLine(const QString &line)
{
    if (line.size() >= MinimumLineLength)
        return line;
    return line + QString(MinimumLineLength - line.size(), u' ');
}

QString ZeroPad(qint32 value, int width, QChar fill)
{
    const QString digits = QString::number(value);
    if (digits.size() >= width)
        return digits;
    return QString(width - digits.size(), fill) + digits;
}

QString ReplaceChar(const QString &text, QChar from, QChar to)
{
    QString result = text;
    result.replace(from, to);
    return result;
}

} // namespace orva
