#include "lexer.h"

#include "text_utils.h"

namespace orva {
namespace {

constexpr char16_t Nul = 0;
constexpr char16_t Lf = 0x0A;
constexpr char16_t Cr = 0x0D;
constexpr QStringView LineEndText = u"#10";
constexpr int MaxNumberDigits = 5;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Sets of characters below 64 as the bits of a mask: one test tells whether a character is in a set.
constexpr quint64 bitOf(char16_t c)
{
    return quint64(1) << c;
}

bool isIn(quint64 set, char16_t c)
{
    return c < 64 && ((set >> c) & 1) != 0;
}

// Characters that end a word or number scan and are consumed with it.
constexpr quint64 ScanTerminators = bitOf(u' ') | bitOf(u'$') | bitOf(Cr) | bitOf(Lf) | bitOf(Nul);
// Characters that may end a word: the terminators, and those that end it and are read next (the comma
// and the dash only outside string mode).
constexpr quint64 WordStops = ScanTerminators | bitOf(u',') | bitOf(u'-') | bitOf(u'.') | bitOf(u';');

bool isScanTerminator(char16_t c)
{
    return isIn(ScanTerminators, c);
}

bool isPlainWordCharacter(char16_t c)
{
    return !isIn(WordStops, c);
}

// The decimal value of at most five digits.
qint32 decimalValue(QStringView digits)
{
    qint32 value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

} // namespace

void TLexema::lowerIntoOwnText()
{
    m_lowered = LowerAsciiLetters(m_text);
    m_text = m_lowered;
}

void TLitPipe::SetText(const QString &text)
{
    m_text = text;
    m_begin = reinterpret_cast<const char16_t *>(m_text.constData());
    m_next = m_begin;
    m_end = m_begin + m_text.size();
}

void TLexPipe::SetText(const QString &text)
{
    // The current lexeme outlives the text it was scanned from (a Point after the new text's start
    // still carries the last word): keep its characters before the old text may go.
    if (m_current.text.data() != m_keptText.constData() && m_current.text.data() != LineEndText.data()) {
        m_keptText = m_current.text.toString();
        m_current.text = m_keptText;
    }
    m_chars.SetText(text);
}

// A point, comma, dash or end keeps the text and value of the lexeme before it.
void TLexPipe::Scan()
{
    for (;;) {
        const char16_t c = m_chars.NextChar();
        switch (c) {
        case Nul:
            m_current.kind = LexemeKind::EndOfText;
            return;
        case Lf:
        case Cr:
            m_current.kind = LexemeKind::LineEnd;
            m_current.text = LineEndText;
            return;
        case u';':
            // A comment runs up to the next CR, LF or "$", which it takes along, or to the end.
            m_chars.SkipCommentText();
            if (m_chars.NextChar() == Nul) {
                m_current.kind = LexemeKind::EndOfText;
                return;
            }
            break;
        case u'$':
            break;
        case u' ':
            if (isStringMode()) {
                ScanWord(m_chars.Position() - 1);
                return;
            }
            m_chars.SkipBlanks();
            break;
        case u',':
        case u'-':
            if (isStringMode())
                ScanWord(m_chars.Position() - 1);
            else
                m_current.kind = c == u',' ? LexemeKind::Comma : LexemeKind::Dash;
            return;
        case u'.':
            m_current.kind = LexemeKind::Point;
            return;
        default:
            if (isDigit(c) && !isStringMode())
                ScanNumber(m_chars.Position() - 1);
            else
                ScanWord(m_chars.Position() - 1);
            return;
        }
    }
}

// `start` is the word's first character, already taken from the pipe. The word ends before the
// character that ends the scan, whether that one is consumed or put back.
void TLexPipe::ScanWord(const char16_t *start)
{
    for (;;) {
        m_chars.SkipWhile(isPlainWordCharacter);
        const char16_t *const end = m_chars.Position();
        const char16_t c = m_chars.NextChar();
        if ((c == u',' || c == u'-') && isStringMode())
            continue;
        if (!isScanTerminator(c))
            m_chars.Back();
        m_current.kind = LexemeKind::Word;
        m_current.text = QStringView(start, end);
        return;
    }
}

void TLexPipe::ScanNumber(const char16_t *start)
{
    const char16_t *end = nullptr;
    for (;;) {
        end = m_chars.Position();
        const char16_t c = m_chars.NextChar();
        if (isScanTerminator(c))
            break;
        if (!isDigit(c)) {
            m_chars.Back();
            break;
        }
        if (m_chars.Position() - start > MaxNumberDigits) {
            // Longer digit runs (phone numbers and the like) are words.
            ScanWord(start);
            return;
        }
    }
    m_current.kind = LexemeKind::Number;
    m_current.text = QStringView(start, end);
    m_current.value = decimalValue(m_current.text);
}

} // namespace orva
