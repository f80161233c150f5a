#include "writer.h"

#include "win1251_codec.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace orva {
namespace {

constexpr int KeyAliasColumn = 15;
constexpr QStringView LearnedKeyInFile = u"********";
// More than a line holds besides its two texts: code, instance, five list items or two numbers, signs,
// the key's padding and marker, CR LF.
constexpr qsizetype LineRoomBesideTexts = 256;

// Writes the decimal digits of a value so that they end just before `end`; returns their start.
template <typename Char> Char *decimalBefore(Char *end, qint64 value)
{
    Char *p = end;
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    do {
        *--p = Char(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *--p = Char(u'-');
    return p;
}

// Assembles one line on the stack; the finished line is one string of exactly its length.
class TextLine
{
public:
    void add(QStringView text) { m_chars.append(text.utf16(), text.size()); }
    void add(char16_t c) { m_chars.append(c); }
    void addNumber(qint64 value)
    {
        char16_t digits[24];
        const char16_t *const end = digits + std::size(digits);
        const char16_t *const begin = decimalBefore(digits + std::size(digits), value);
        m_chars.append(begin, end - begin);
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

// Encodes one line to Windows-1251 as it is assembled, straight into the output bytes, which have room
// for the longest line the record can give. Windows-1251 keeps ASCII as it is: the digits, signs and
// blanks the writer adds itself are their ASCII bytes; only the record's texts need the code page.
class ByteLine
{
public:
    explicit ByteLine(char *to) : m_begin(to), m_end(to) {}

    void add(QStringView text)
    {
        // Codes and most texts are ASCII: copied as they are up to the first other character.
        const char16_t *const chars = text.utf16();
        qsizetype ascii = 0;
        while (ascii < text.size() && chars[ascii] < 0x80) {
            m_end[ascii] = char(chars[ascii]);
            ++ascii;
        }
        if (ascii < text.size())
            m_encodable = EncodeWindows1251Into(text.sliced(ascii), m_end + ascii) && m_encodable;
        m_end += text.size();
    }
    void add(char16_t c) { *m_end++ = char(c); }
    void addNumber(qint64 value)
    {
        if (value >= 0 && value <= 9) { // instance numbers, switches and modes
            *m_end++ = char('0' + value);
            return;
        }
        char digits[24];
        char *const end = digits + std::size(digits);
        for (const char *p = decimalBefore(end, value); p != end; ++p) // a few digits: no call to memcpy
            *m_end++ = *p;
    }
    void padTo(qsizetype length)
    {
        if (size() < length)
            m_end = std::fill_n(m_end, length - size(), ' ');
    }
    bool isEmpty() const { return m_end == m_begin; }
    qsizetype size() const { return m_end - m_begin; }
    // False when a text had a character with no Windows-1251 form.
    bool isEncodable() const { return m_encodable; }

private:
    char *m_begin;
    char *m_end;
    bool m_encodable = true;
};

// The output bytes, grown ahead of the writing so that each line is written with plain stores.
class ByteOutput
{
public:
    explicit ByteOutput(QByteArray &bytes, qsizetype expected) : m_bytes(bytes) { grow(expected); }
    ~ByteOutput() { m_bytes.resize(m_size); }

    // Where the next `count` bytes go.
    char *room(qsizetype count)
    {
        if (m_bytes.size() - m_size < count)
            grow(std::max(m_size + count, 2 * m_bytes.size()));
        return m_data + m_size;
    }
    void advance(qsizetype count) { m_size += count; }

private:
    void grow(qsizetype size)
    {
        m_bytes.resize(size);
        m_data = m_bytes.data();
    }

    QByteArray &m_bytes;
    char *m_data = nullptr; // m_bytes' storage, taken once per growth
    qsizetype m_size = 0;
};

template <typename Line> void buildKeyLine(Line &line, const T_Command &key)
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
template <typename Line> void buildBalanceLine(Line &line, const T_Command &balance)
{
    line.add(CommandRowOf(Cmd::cb).code);
    line.addNumber(balance.number());
    line.add(u'-');
    line.addNumber(balance.text(2).isEmpty() ? 0 : balance.value(1));
    line.add(u'.');
    line.add(balance.text(2));
}

template <typename Line> void buildList(Line &line, const T_Command &record)
{
    bool first = true;
    for (int i = 1; i <= T_Command::ItemCount; ++i) {
        if (record.item(i) == 0)
            continue;
        if (!first)
            line.add(u',');
        line.addNumber(record.item(i));
        first = false;
    }
}

template <typename Line> void buildCommandLine(Line &line, const T_Command &record)
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
    case ParamKind::List:
        buildList(line, record);
        break;
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

// The three forms of a line: the keys and the balance checks have their own.
enum class LineForm : quint8 { Command, Key, Balance };

template <typename Line> void buildLine(Line &line, const T_Command &record, LineForm form)
{
    switch (form) {
    case LineForm::Command:
        buildCommandLine(line, record);
        break;
    case LineForm::Key:
        buildKeyLine(line, record);
        break;
    case LineForm::Balance:
        buildBalanceLine(line, record);
        break;
    }
}

// Calls visit(record, form) for every record, in the order of the file's lines.
template <typename Visit> void forEachLine(const T_Command_DEVICE &model, Visit visit)
{
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const QList<T_Command> &records = model.records(code);
        switch (code) {
        case Cmd::ks: // the previous key first, then the current one
            for (auto it = records.crbegin(); it != records.crend(); ++it)
                visit(*it, LineForm::Command);
            break;
        case Cmd::ua:
            for (const T_Command &key : records)
                visit(key, LineForm::Key);
            break;
        case Cmd::cb:
            for (const T_Command &balance : records)
                visit(balance, LineForm::Balance);
            break;
        default:
            for (const T_Command &r : records)
                visit(r, LineForm::Command);
            break;
        }
    }
}

qsizetype recordCount(const T_Command_DEVICE &model)
{
    qsizetype count = 0;
    for (quint8 code = 1; code <= CommandRowCount; ++code)
        count += model.records(code).size();
    return count;
}

} // namespace

void WriteConfiguration(const T_Command_DEVICE &model, QStringList &lines)
{
    lines.reserve(lines.size() + recordCount(model));
    forEachLine(model, [&lines](const T_Command &record, LineForm form) {
        TextLine line;
        buildLine(line, record, form);
        if (line.isEmpty())
            return;
        line.padTo(MinimumLineLength);
        lines.append(line.line());
    });
}

bool WriteConfigurationBytes(const T_Command_DEVICE &model, QByteArray &bytes)
{
    bool encodable = true;
    // Lines of their minimum length and room for the last one: no growing for the usual file.
    ByteOutput out(bytes, recordCount(model) * (MinimumLineLength + 2) + LineRoomBesideTexts);
    forEachLine(model, [&out, &encodable](const T_Command &record, LineForm form) {
        ByteLine line(out.room(LineRoomBesideTexts + record.text(1).size() + record.text(2).size()));
        buildLine(line, record, form);
        if (line.isEmpty())
            return;
        line.padTo(MinimumLineLength);
        line.add(u'\r');
        line.add(u'\n');
        out.advance(line.size());
        encodable = encodable && line.isEncodable();
    });
    return encodable;
}

QString FormatCommandLine(const T_Command &record)
{
    TextLine line;
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
