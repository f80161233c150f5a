#include "lexer.h"

#include "text_utils.h"

#include <algorithm>

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

// Characters that end a word or number scan and are consumed with it.
bool isScanTerminator(char16_t c)
{
    return c == u' ' || c == u'$' || c == Cr || c == Lf || c == Nul;
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

void TLexema::lowerAsciiLetters()
{
    // Files are written in lower case: only a text with a capital letter is copied.
    const auto isUpper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (std::none_of(m_text.begin(), m_text.end(), isUpper))
        return;
    m_lowered = LowerAsciiLetters(m_text);
    m_text = m_lowered;
}

void TLitPipe::SetText(const QString &text)
{
    m_text = text;
    m_chars = reinterpret_cast<const char16_t *>(m_text.constData());
    m_size = m_text.size();
    m_position = text.isEmpty() ? 0 : 1;
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

void TLexPipe::Next(quint8 mode, TLexema &out)
{
    m_mode = mode;

    if (!m_pushBack) {
        bool inComment = false;
        bool endOfText = false;
        bool done = false;
        while (!done && !endOfText) {
            const char16_t c = m_chars.NextChar();
            if (inComment) {
                if (c == Lf || c == Cr || c == u'$')
                    inComment = false;
                else if (c == Nul)
                    endOfText = true;
                continue;
            }
            switch (c) {
            case Nul:
                endOfText = true;
                break;
            case Lf:
            case Cr:
                m_current.kind = LexemeKind::LineEnd;
                m_current.text = LineEndText;
                done = true;
                break;
            case u';':
                inComment = true;
                m_chars.SkipCommentText();
                break;
            case u'$':
                break;
            case u' ':
                if (isStringMode()) {
                    ScanWord(m_chars.Position() - 1);
                    done = true;
                } else {
                    m_chars.SkipBlanks();
                }
                break;
            case u',':
            case u'-':
                if (isStringMode())
                    ScanWord(m_chars.Position() - 1);
                else
                    m_current.kind = c == u',' ? LexemeKind::Comma : LexemeKind::Dash;
                done = true;
                break;
            case u'.':
                m_current.kind = LexemeKind::Point;
                done = true;
                break;
            default:
                if (isDigit(c) && !isStringMode())
                    ScanNumber(m_chars.Position() - 1);
                else
                    ScanWord(m_chars.Position() - 1);
                done = true;
                break;
            }
        }
        if (endOfText)
            m_current.kind = LexemeKind::EndOfText;
    }

    out.setKind(m_current.kind);
    out.setText(m_current.text);
    out.setValue(m_current.value);
    m_pushBack = false;
}

// `start` is the position of the word's first character, already taken from the pipe. The word ends
// before the character that ends the scan, whether that one is consumed or put back.
void TLexPipe::ScanWord(qsizetype start)
{
    qsizetype end = 0;
    for (;;) {
        end = m_chars.Position();
        const char16_t c = m_chars.NextChar();
        if (isScanTerminator(c))
            break;
        if (((c == u',' || c == u'-') && !isStringMode()) || c == u'.' || c == u';') {
            m_chars.Back();
            break;
        }
    }
    m_current.kind = LexemeKind::Word;
    m_current.text = m_chars.Taken(start).first(end - start);
}

void TLexPipe::ScanNumber(qsizetype start)
{
    qsizetype end = 0;
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
    m_current.text = m_chars.Taken(start).first(end - start);
    m_current.value = decimalValue(m_current.text);
}

} // namespace orva
