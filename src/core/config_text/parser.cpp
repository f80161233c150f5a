#include "parser.h"

#include "device_model/digit_groups.h"
#include "text_utils.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <vector>

namespace orva {
namespace {

// Mode hints the parser passes for normal reads; the lexer treats them all alike.
constexpr quint8 ExpectCommand = 0;
constexpr quint8 ExpectDash = 2;
constexpr quint8 ExpectNumber = 3;
constexpr quint8 ExpectSeparator = 5;

constexpr QLatin1StringView LearnedKeyMarker("************");
constexpr QLatin1StringView UnknownVersionText("??????");

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The lower-cased codes of the command table (index = row number) and the row of a word, found by the
// word's first two characters: in this table they name at most one code. A pair that several codes
// begin with, or a code shorter than two characters, sends the lookup through every code in table
// order, as the row is defined.
class CodeIndex
{
public:
    CodeIndex()
    {
        for (quint8 code = 1; code <= CommandRowCount; ++code) {
            m_codes[code] = LowerAsciiLetters(CommandRowOf(code).code);
            const QStringView c = m_codes[code];
            if (c.size() < 2 || c[0] >= Ascii || c[1] >= Ascii) {
                m_scanAlways = true;
                continue;
            }
            quint8 &group = m_groupOf[c[0].unicode()];
            if (group == 0) {
                m_rowOf.emplace_back();
                m_rowOf.back().fill(NoRow);
                group = quint8(m_rowOf.size());
            }
            quint8 &row = m_rowOf[group - 1][c[1].unicode()];
            row = row == NoRow ? code : SeveralRows;
        }
    }

    // The row whose code begins the word followed by nothing or a digit, or 0.
    quint8 rowOf(QStringView word) const
    {
        if (m_scanAlways)
            return scan(word);
        if (word.size() < 2 || word[0] >= Ascii || word[1] >= Ascii)
            return NoRow;
        const quint8 group = m_groupOf[word[0].unicode()];
        if (group == 0)
            return NoRow;
        const quint8 row = m_rowOf[group - 1][word[1].unicode()];
        if (row == SeveralRows)
            return scan(word);
        return row != NoRow && matches(word, row) ? row : NoRow;
    }

private:
    static constexpr char16_t Ascii = 128;
    static constexpr quint8 NoRow = 0;
    static constexpr quint8 SeveralRows = 0xFF;

    bool matches(QStringView word, quint8 code) const
    {
        const QStringView c = m_codes[code];
        if (word.size() < c.size() || !std::equal(c.begin(), c.end(), word.begin()))
            return false;
        return word.size() == c.size() || isDigit(word[c.size()]);
    }
    quint8 scan(QStringView word) const
    {
        for (quint8 code = 1; code <= CommandRowCount; ++code) {
            if (matches(word, code))
                return code;
        }
        return NoRow;
    }

    std::array<QString, CommandRowCount + 1> m_codes;
    std::array<quint8, Ascii> m_groupOf{};          // index = first character: 1 + its group, 0 when no code
    std::vector<std::array<quint8, Ascii>> m_rowOf; // [group][second character]: the row, or a mark
    bool m_scanAlways = false;
};

const CodeIndex &codeIndex()
{
    static const CodeIndex index;
    return index;
}

// One parse of one text: the parameter readers share the lexer and the lexeme.
class Parser
{
public:
    Parser(T_Command &scratch, TLexPipe &lexer, T_Command_DEVICE &model)
        : m_scratch(scratch), m_lexer(lexer), m_model(model)
    {}

    void run();

private:
    LexemeKind read(quint8 mode)
    {
        m_lexer.Next(mode, m_lex);
        return m_lex.kind();
    }
    void pushBack() { m_lexer.Unget(); }

    void collectHeader();
    bool readCommand(quint8 row);
    bool expectDash();
    bool parseString();
    bool parseInteger();
    bool parseText();
    bool parseList(const CommandRow &row);
    bool parseInteger2();
    bool parseString2();

    T_Command &m_scratch;
    TLexPipe &m_lexer;
    T_Command_DEVICE &m_model;
    TLexema m_lex;
    QString m_header;
    bool m_headerDone = false;
    LexemeKind m_previousKind = LexemeKind::EndOfText;
};

void Parser::run()
{
    T_Command &version = m_model.record(Cmd::Zentrix);
    version.set(Panel::Version, QString());

    for (;;) {
        read(ExpectCommand);
        if (!m_headerDone)
            collectHeader();
        if (m_lex.kind() == LexemeKind::LineEnd)
            continue;
        if (m_lex.kind() == LexemeKind::EndOfText)
            break;

        const quint8 row = IsCommandWord(m_lex);
        if (row == 0)
            continue;
        m_headerDone = true;
        const qint32 instance = CommandInstance(m_lex, row);
        if (instance < 0)
            continue;

        m_scratch.ResetAs(row, instance);
        if (readCommand(row))
            ApplyCommand(m_scratch, m_model);
    }

    if (m_header.isEmpty())
        m_header = UnknownVersionText;
    if (version.get(Panel::Version).isEmpty())
        version.set(Panel::Version, m_header);
}

// Free text before the first command becomes the version text when the file has no version command.
void Parser::collectHeader()
{
    switch (m_lex.kind()) {
    case LexemeKind::LineEnd:
        if (!m_header.isEmpty())
            m_headerDone = true;
        break;
    case LexemeKind::Point:
        m_header.append(u'.');
        break;
    case LexemeKind::Comma:
        m_header.append(u',');
        break;
    case LexemeKind::Dash:
        m_header.append(u'-');
        break;
    case LexemeKind::EndOfText:
        m_headerDone = true;
        break;
    case LexemeKind::Word:
    case LexemeKind::Number:
        if (m_previousKind == LexemeKind::Word || m_previousKind == LexemeKind::Number)
            m_header.append(u' ');
        if (m_lex.kind() == LexemeKind::Number)
            m_header.append(QString::number(m_lex.value()));
        else if (IsCommandWord(m_lex) != 0)
            m_headerDone = true;
        else
            m_header.append(m_lex.text());
        break;
    }
    m_previousKind = m_lex.kind();
}

bool Parser::readCommand(quint8 code)
{
    const CommandRow &row = CommandRowOf(code);
    bool ok = false;
    switch (row.kind1) {
    case ParamKind::None:
    case ParamKind::String:
        ok = parseString();
        break;
    case ParamKind::Integer:
        ok = parseInteger();
        break;
    case ParamKind::Text:
        ok = parseText();
        break;
    case ParamKind::List:
        ok = parseList(row);
        break;
    }
    if (!ok)
        return false;
    switch (row.kind2) {
    case ParamKind::Integer:
        return parseInteger2();
    case ParamKind::String:
        return parseString2();
    default:
        return true;
    }
}

bool Parser::expectDash()
{
    if (read(ExpectDash) == LexemeKind::Dash)
        return true;
    pushBack();
    return false;
}

bool Parser::parseString()
{
    if (!expectDash())
        return false;
    switch (read(StringMode)) {
    case LexemeKind::LineEnd:
        m_scratch.setText(1, QString());
        return true;
    case LexemeKind::Word:
        m_scratch.setText(1, TrimBlanksAndControls(m_lex.text()));
        return true;
    case LexemeKind::Point:
        pushBack();
        m_scratch.setText(1, QString());
        return true;
    default:
        pushBack();
        return false;
    }
}

bool Parser::parseInteger()
{
    if (!expectDash())
        return false;
    switch (read(ExpectNumber)) {
    case LexemeKind::Number:
        m_scratch.setValue(1, m_lex.value());
        return true;
    case LexemeKind::LineEnd:
        m_scratch.setValue(1, 0);
        return true;
    case LexemeKind::Point:
    case LexemeKind::Comma:
        pushBack();
        m_scratch.setValue(1, 0);
        return true;
    default:
        pushBack();
        return false;
    }
}

// The rest of the line: words joined by one blank, points appended as they are. In string mode a blank
// starts a word of its own (so runs of blanks in a file key are kept); a word that follows a point with
// its own blank gets no second one, so a text read, written and read again stays the same.
bool Parser::parseText()
{
    if (!expectDash())
        return false;
    // Assembled on the stack: the blanks that fill the line arrive as many words of their own.
    QVarLengthArray<char16_t, 128> text;
    for (;;) {
        switch (read(StringMode)) {
        case LexemeKind::Word: {
            const QStringView word = m_lex.text();
            if (!(!text.isEmpty() && text.back() == u'.' && word.startsWith(u' ')))
                text.append(u' ');
            text.append(word.utf16(), word.size());
            break;
        }
        case LexemeKind::Point:
            text.append(u'.');
            break;
        case LexemeKind::LineEnd:
            m_scratch.setText(1, TrimBlanksAndControls(QStringView(text.constData(), text.size())));
            return true;
        default: // EndOfText: the text stays empty
            pushBack();
            return true;
        }
    }
}

bool Parser::parseList(const CommandRow &row)
{
    int position = 1;
    m_scratch.setCount(0);
    if (!expectDash())
        return false;
    while (position >= 1 && position <= T_Command::ItemCount) {
        switch (read(ExpectNumber)) {
        case LexemeKind::Number:
            m_scratch.setItem(position, m_lex.value());
            m_scratch.setCount(quint8(position));
            switch (read(ExpectSeparator)) {
            case LexemeKind::Comma:
                ++position;
                continue;
            case LexemeKind::Point:
                pushBack();
                return true;
            case LexemeKind::LineEnd:
                // A list that also needs a parameter 2 must not end its line here.
                pushBack();
                return row.kind2 == ParamKind::None;
            default:
                pushBack();
                return false;
            }
        case LexemeKind::Comma: // an empty position
            m_scratch.setCount(quint8(position));
            ++position;
            continue;
        case LexemeKind::Point:
            pushBack();
            m_scratch.setCount(quint8(position));
            return true;
        case LexemeKind::LineEnd:
            m_scratch.setCount(quint8(position));
            return true;
        default:
            pushBack();
            return false;
        }
    }
    return true;
}

bool Parser::parseInteger2()
{
    switch (read(ExpectSeparator)) {
    case LexemeKind::LineEnd:
        m_scratch.setValue(2, 0);
        return true;
    case LexemeKind::Point:
        switch (read(ExpectNumber)) {
        case LexemeKind::Number:
            m_scratch.setValue(2, m_lex.value());
            return true;
        case LexemeKind::LineEnd:
            m_scratch.setValue(2, 0);
            return true;
        default:
            pushBack();
            return false;
        }
    default:
        pushBack();
        return false;
    }
}

bool Parser::parseString2()
{
    switch (read(ExpectSeparator)) {
    case LexemeKind::LineEnd:
        m_scratch.setText(2, QString());
        return true;
    case LexemeKind::Point:
        switch (read(StringMode)) {
        case LexemeKind::Word:
            m_scratch.setText(2, TrimBlanksAndControls(m_lex.text()));
            return true;
        case LexemeKind::LineEnd:
            m_scratch.setText(2, QString());
            return true;
        default:
            pushBack();
            return false;
        }
    default:
        pushBack();
        return false;
    }
}

} // namespace

void ParseConfiguration(T_Command &scratch, TLexPipe &lexer, T_Command_DEVICE &model)
{
    Parser(scratch, lexer, model).run();
}

quint8 IsCommandWord(TLexema &lexeme)
{
    lexeme.lowerAsciiLetters();
    return codeIndex().rowOf(lexeme.text());
}

qint32 CommandInstance(const TLexema &lexeme, quint8 code)
{
    const CommandRow &row = CommandRowOf(code);
    if (!row.hasSeveralInstances())
        return 0;
    if (lexeme.text().size() <= row.code.size())
        return -1;
    const QStringView rest = lexeme.text().sliced(row.code.size());
    if (rest.isEmpty())
        return -1;
    qint64 value = 0;
    for (QChar c : rest) {
        if (!isDigit(c))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
        if (value > row.lastInstance) // also keeps huge numbers from overflowing
            return -1;
    }
    return row.hasInstance(value) ? qint32(value) : -1;
}

void ApplyCommand(T_Command &scratch, T_Command_DEVICE &model)
{
    const CommandRow &row = CommandRowOf(scratch.code());
    if (row.kind1 == ParamKind::Integer && row.min1 >= 0 &&
        (scratch.value(1) < row.min1 || scratch.value(1) > row.max1))
        scratch.setValue(1, row.default1);
    if (row.kind2 == ParamKind::Integer && row.min2 >= 0 &&
        (scratch.value(2) < row.min2 || scratch.value(2) > row.max2))
        scratch.setValue(2, row.default2);

    switch (scratch.code()) {
    case Cmd::dn:
        if (scratch.value(1) == 0)
            scratch.setText(2, QString());
        break;
    case Cmd::ua:
        // The key code itself never enters the model, only the fact that the key was learned.
        if (!scratch.text(2).isEmpty())
            scratch.setText(2, LearnedKeyMarker);
        break;
    case Cmd::gs: {
        QString address = scratch.text(1);
        FormatDigitGroups(address, DecimalDigits, u'.', u'0', 3, -12, true);
        scratch.setText(1, address);
        break;
    }
    default:
        break;
    }
    // The scratch record is reset before its next use: its texts can move.
    model.record(scratch.code(), scratch.number()) = std::move(scratch);
}

bool ParseConfigurationText(const QString &text, T_Command_DEVICE &model)
{
    TLexPipe lexer;
    T_Command scratch;
    lexer.SetText(text);
    ParseConfiguration(scratch, lexer, model);
    return lexer.ReadWholeText();
}

} // namespace orva
