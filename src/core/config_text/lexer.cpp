#include "lexer.h"

namespace orva {
namespace {

constexpr char16_t Nul = 0;
constexpr char16_t Lf = 0x0A;
constexpr char16_t Cr = 0x0D;
const QString LineEndText = QStringLiteral("#10");
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

} // namespace

void TLitPipe::SetText(const QString &text)
{
    m_text = text;
    m_position = text.isEmpty() ? 0 : 1;
}

QChar TLitPipe::NextChar()
{
    if (m_position == 0 || m_position > m_text.size())
        return QChar(Nul);
    return m_text.at(m_position++ - 1);
}

void TLitPipe::Back()
{
    if (m_position != 0)
        --m_position;
}

void TLexPipe::SetText(const QString &text)
{
    m_chars.SetText(text);
}

void TLexPipe::Next(quint8 mode, TLexema &out)
{
    m_mode = mode;
    m_buffer.clear();
    out.clear();

    if (!m_pushBack) {
        bool inComment = false;
        bool endOfText = false;
        bool done = false;
        while (!done && !endOfText) {
            const char16_t c = m_chars.NextChar().unicode();
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
                m_current.setKind(LexemeKind::LineEnd);
                m_current.setText(LineEndText);
                done = true;
                break;
            case u';':
                inComment = true;
                break;
            case u'$':
                break;
            case u' ':
                if (isStringMode()) {
                    m_buffer.append(QChar(c));
                    ScanWord();
                    done = true;
                }
                break;
            case u',':
            case u'-':
                if (isStringMode()) {
                    m_buffer.append(QChar(c));
                    ScanWord();
                } else {
                    m_current.setKind(c == u',' ? LexemeKind::Comma : LexemeKind::Dash);
                }
                done = true;
                break;
            case u'.':
                m_current.setKind(LexemeKind::Point);
                done = true;
                break;
            default:
                m_buffer.append(QChar(c));
                if (isDigit(c) && !isStringMode())
                    ScanNumber();
                else
                    ScanWord();
                done = true;
                break;
            }
        }
        if (endOfText)
            m_current.setKind(LexemeKind::EndOfText);
    }

    out = m_current;
    m_pushBack = false;
}

void TLexPipe::ScanWord()
{
    for (;;) {
        const char16_t c = m_chars.NextChar().unicode();
        if (isScanTerminator(c))
            break;
        if ((c == u',' || c == u'-') && !isStringMode()) {
            m_chars.Back();
            break;
        }
        if (c == u'.' || c == u';') {
            m_chars.Back();
            break;
        }
        m_buffer.append(QChar(c));
    }
    m_current.setKind(LexemeKind::Word);
    m_current.setText(m_buffer);
}

void TLexPipe::ScanNumber()
{
    for (;;) {
        const char16_t c = m_chars.NextChar().unicode();
        if (isScanTerminator(c))
            break;
        if (!isDigit(c)) {
            m_chars.Back();
            break;
        }
        m_buffer.append(QChar(c));
        if (m_buffer.size() > MaxNumberDigits) {
            // Longer digit runs (phone numbers and the like) are words.
            ScanWord();
            return;
        }
    }
    m_current.setKind(LexemeKind::Number);
    m_current.setText(m_buffer);
    m_current.setValue(m_buffer.toInt());
}

} // namespace orva
