#include "writer.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace orva {
namespace {

constexpr int KeyAliasColumn = 15;
constexpr QStringView LearnedKeyInFile = u"********";

// Assembles one line on the stack; the finished line is one string of exactly its length.
class LineBuilder
{
public:
    void add(QStringView text) { m_chars.append(text.utf16(), text.size()); }
    void add(char16_t c) { m_chars.append(c); }
    // The decimal text of a value.
    void addNumber(qint64 value)
    {
        char16_t digits[24];
        char16_t *const end = digits + std::size(digits);
        char16_t *p = end;
        const bool negative = value < 0;
        quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
        do {
            *--p = char16_t(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative)
            *--p = u'-';
        m_chars.append(p, end - p);
    }
    // Blanks up to the length; nothing if the line is that long already.
    void padTo(qsizetype length)
    {
        const qsizetype from = m_chars.size();
        if (from >= length)
            return;
        m_chars.resize(length);
        std::fill(m_chars.begin() + from, m_chars.end(), u' ');
    }
    bool isEmpty() const { return m_chars.isEmpty(); }
    QString line() const
    {
        return QString(reinterpret_cast<const QChar *>(m_chars.constData()), m_chars.size());
    }

private:
    QVarLengthArray<char16_t, 2 * MinimumLineLength> m_chars;
};

void buildKeyLine(LineBuilder &line, const T_Command &key)
{
    line.add(CommandRowOf(Cmd::ua).code);
    if (key.number() >= 0 && key.number() < 10) // two digits, as ZeroPad(number, 2, '0')
        line.add(u'0');
    line.addNumber(key.number());
    line.add(u'-');
    line.add(key.text(1));
    line.padTo(KeyAliasColumn);
    line.add(u'.');
    if (!key.text(2).isEmpty())
        line.add(LearnedKeyInFile);
}

// The polling period is written only together with a request code.
void buildBalanceLine(LineBuilder &line, const T_Command &balance)
{
    line.add(CommandRowOf(Cmd::cb).code);
    line.addNumber(balance.number());
    line.add(u'-');
    line.addNumber(balance.text(2).isEmpty() ? 0 : balance.value(1));
    line.add(u'.');
    line.add(balance.text(2));
}

void buildCommandLine(LineBuilder &line, const T_Command &record)
{
    const CommandRow &row = CommandRowOf(record.code());
    line.add(row.code);
    if (row.kind1 == ParamKind::None && row.kind2 == ParamKind::None)
        return;
    if (row.hasSeveralInstances())
        line.addNumber(record.number());
    line.add(u'-');

    switch (row.kind1) {
    case ParamKind::Integer:
        // A phone entry without its number is written without its mode.
        if (!(row.kind2 == ParamKind::String && record.text(2).isEmpty()))
            line.addNumber(record.value(1));
        break;
    case ParamKind::String:
    case ParamKind::Text:
        line.add(record.text(1));
        break;
    case ParamKind::List: {
        bool first = true;
        for (int i = 1; i <= T_Command::ItemCount; ++i) {
            if (record.item(i) == 0)
                continue;
            if (!first)
                line.add(u',');
            line.addNumber(record.item(i));
            first = false;
        }
        break;
    }
    case ParamKind::None:
        break;
    }

    switch (row.kind2) {
    case ParamKind::Integer:
        if (record.value(2) >= row.min2 && record.value(2) <= row.max2) {
            line.add(u'.');
            line.addNumber(record.value(2));
        }
        break;
    case ParamKind::String:
        line.add(u'.');
        line.add(record.text(2));
        break;
    default:
        break;
    }
}

// Builds the line of a record with `build`, fills it and appends it to the list.
template <typename Build> void appendLine(QStringList &lines, const T_Command &record, Build build)
{
    LineBuilder line;
    build(line, record);
    if (line.isEmpty())
        return;
    line.padTo(MinimumLineLength);
    lines.append(line.line());
}

} // namespace

void WriteConfiguration(const T_Command_DEVICE &model, QStringList &lines)
{
    qsizetype count = 0;
    for (quint8 code = 1; code <= CommandRowCount; ++code)
        count += model.records(code).size();
    lines.reserve(lines.size() + count);
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const QList<T_Command> &records = model.records(code);
        switch (code) {
        case Cmd::ks: // the previous key first, then the current one
            for (auto it = records.crbegin(); it != records.crend(); ++it)
                appendLine(lines, *it, buildCommandLine);
            break;
        case Cmd::ua:
            for (const T_Command &key : records)
                appendLine(lines, key, buildKeyLine);
            break;
        case Cmd::cb:
            for (const T_Command &balance : records)
                appendLine(lines, balance, buildBalanceLine);
            break;
        default:
            for (const T_Command &r : records)
                appendLine(lines, r, buildCommandLine);
            break;
        }
    }
}

QString FormatCommandLine(const T_Command &record)
{
    LineBuilder line;
    buildCommandLine(line, record);
    return line.line();
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
