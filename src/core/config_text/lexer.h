#pragma once

#include <QString>
#include <QStringView>

#include <cstring>

namespace orva {

enum class LexemeKind : quint8 {
    LineEnd = 0,
    Word = 1,
    Number = 2,
    Point = 3,
    Comma = 4,
    Dash = 5,
    EndOfText = 6,
};

// The lexer mode in which blanks, commas, dashes and digits belong to words. Every other mode value
// behaves alike (the parser passes 0, 2, 3 and 5 as hints of what it expects).
constexpr quint8 StringMode = 1;

// One lexeme. Point, Comma, Dash and EndOfText carry the text and value of the last word or number the
// lexer scanned (or "#10" after a line end): the parser looks command words up through them.
class TLexema
{
public:
    TLexema() = default;
    // Back to kind LineEnd, empty text, value 0.
    void clear()
    {
        m_kind = LexemeKind::LineEnd;
        m_text = QStringView();
        m_value = 0;
    }

    LexemeKind kind() const { return m_kind; }
    void setKind(LexemeKind kind) { m_kind = kind; }
    QStringView text() const { return m_text; }
    // The text is not copied: the characters must stay until the next setText. The lexer's lexemes are
    // slices of the text it holds, which stay until its next SetText.
    void setText(QStringView text) { m_text = text; }
    // Lower-cases the letters A..Z of the text into the lexeme's own storage (nothing when it has none).
    void lowerAsciiLetters();
    qint32 value() const { return m_value; }
    void setValue(qint32 value) { m_value = value; }

private:
    LexemeKind m_kind = LexemeKind::LineEnd;
    QStringView m_text;
    QString m_lowered; // the text once lower-cased, when it had capital letters
    qint32 m_value = 0;
};

// Hands out the characters of a text one at a time and can step back by one.
class TLitPipe
{
public:
    void SetText(const QString &text);
    // The next character, or NUL (without advancing) past the end or without text.
    char16_t NextChar()
    {
        if (m_position == 0 || m_position > m_size)
            return 0;
        return m_chars[m_position++ - 1];
    }
    void Back()
    {
        if (m_position != 0)
            --m_position;
    }
    // Steps over a run of blanks.
    void SkipBlanks()
    {
        if (m_position == 0)
            return;
        // Lines are filled with blanks to 45 characters: four at a time first.
        constexpr quint64 FourBlanks = 0x0020002000200020ULL;
        while (m_position + 3 <= m_size) {
            quint64 four;
            std::memcpy(&four, m_chars + m_position - 1, sizeof four);
            if (four != FourBlanks)
                break;
            m_position += 4;
        }
        while (m_position <= m_size && m_chars[m_position - 1] == u' ')
            ++m_position;
    }
    // Steps up to the next CR, LF, "$" or NUL, which the next NextChar returns.
    void SkipCommentText()
    {
        while (m_position != 0 && m_position <= m_size) {
            const char16_t c = m_chars[m_position - 1];
            if (c == u'\r' || c == u'\n' || c == u'$' || c == 0)
                break;
            ++m_position;
        }
    }
    // The characters from the 1-based position `from` up to, not including, the next character.
    QStringView Taken(qsizetype from) const { return QStringView(m_chars + from - 1, m_position - from); }
    qsizetype Position() const { return m_position; }
    // No character is left to read (a NUL in the text that ended the reading is not its end).
    bool AtEnd() const { return m_position == 0 || m_position > m_size; }

private:
    QString m_text;
    const char16_t *m_chars = nullptr; // m_text's characters
    qsizetype m_size = 0;
    qsizetype m_position = 0; // 1-based index of the next character; 0 means no text
};

// Builds lexemes from the characters of a TLitPipe, with one-lexeme push-back.
class TLexPipe
{
public:
    // Loads a new text. The push-back flag and the current lexeme are kept.
    void SetText(const QString &text);
    void Next(quint8 mode, TLexema &out);
    // The next Next hands out the current lexeme again, whatever mode it is called with.
    void Unget() { m_pushBack = true; }
    // Every character of the text was read: false after an EndOfText met at a NUL before the end.
    bool ReadWholeText() const { return m_chars.AtEnd(); }

private:
    bool isStringMode() const { return m_mode == StringMode; }
    // A scan's characters are the ones taken from the pipe since its starting character, so a lexeme's
    // text is a slice of the loaded text: nothing is assembled character by character.
    void ScanWord(qsizetype start);
    void ScanNumber(qsizetype start);

    // The current lexeme. Its text is a slice of the loaded text or of m_keptText.
    struct Current
    {
        LexemeKind kind = LexemeKind::LineEnd;
        QStringView text;
        qint32 value = 0;
    };

    TLitPipe m_chars;
    Current m_current;
    QString m_keptText; // the current lexeme's text once its own text is replaced by SetText
    bool m_pushBack = false;
    quint8 m_mode = 0;
};

} // namespace orva
