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
    void lowerAsciiLetters()
    {
        // Files are written in lower case: only a text with a capital letter is copied.
        for (const QChar c : m_text) {
            if (c >= u'A' && c <= u'Z') {
                lowerIntoOwnText();
                return;
            }
        }
    }
    qint32 value() const { return m_value; }
    void setValue(qint32 value) { m_value = value; }

private:
    void lowerIntoOwnText();

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
    char16_t NextChar() { return m_next < m_end ? *m_next++ : 0; }
    // Steps back over the character NextChar handed out last.
    void Back()
    {
        if (m_next != m_begin)
            --m_next;
    }
    // Steps over a run of blanks.
    void SkipBlanks()
    {
        // Lines are filled with blanks to 45 characters: eight at a time first, then four.
        constexpr quint64 FourBlanks = 0x0020002000200020ULL;
        while (m_end - m_next >= 8) {
            quint64 eight[2];
            std::memcpy(eight, m_next, sizeof eight);
            if (eight[0] != FourBlanks || eight[1] != FourBlanks)
                break;
            m_next += 8;
        }
        if (m_end - m_next >= 4) {
            quint64 four;
            std::memcpy(&four, m_next, sizeof four);
            if (four == FourBlanks)
                m_next += 4;
        }
        while (m_next < m_end && *m_next == u' ')
            ++m_next;
    }
    // Steps over the characters for which isPart is true, up to the first other one.
    template <typename IsPart> void SkipWhile(IsPart isPart)
    {
        while (m_next < m_end && isPart(*m_next))
            ++m_next;
    }
    // Steps up to the next CR, LF, "$" or NUL, which the next NextChar returns.
    void SkipCommentText()
    {
        while (m_next < m_end && *m_next != u'\r' && *m_next != u'\n' && *m_next != u'$' && *m_next != 0)
            ++m_next;
    }
    // Where the next character is: a scan's characters run from its start to here.
    const char16_t *Position() const { return m_next; }
    // No character is left to read (a NUL in the text that ended the reading is not its end).
    bool AtEnd() const { return m_next >= m_end; }

private:
    QString m_text;
    const char16_t *m_begin = nullptr; // m_text's characters
    const char16_t *m_next = nullptr;
    const char16_t *m_end = nullptr;
};

// Builds lexemes from the characters of a TLitPipe, with one-lexeme push-back.
class TLexPipe
{
public:
    // Loads a new text. The push-back flag and the current lexeme are kept.
    void SetText(const QString &text);
    void Next(quint8 mode, TLexema &out)
    {
        m_mode = mode;
        if (!m_pushBack)
            Scan();
        out.setKind(m_current.kind);
        out.setText(m_current.text);
        out.setValue(m_current.value);
        m_pushBack = false;
    }
    // The next Next hands out the current lexeme again, whatever mode it is called with.
    void Unget() { m_pushBack = true; }
    // Every character of the text was read: false after an EndOfText met at a NUL before the end.
    bool ReadWholeText() const { return m_chars.AtEnd(); }

private:
    bool isStringMode() const { return m_mode == StringMode; }
    // Reads the next lexeme into m_current.
    void Scan();
    // A scan's characters are the ones taken from the pipe since its starting character, so a lexeme's
    // text is a slice of the loaded text: nothing is assembled character by character.
    void ScanWord(const char16_t *start);
    void ScanNumber(const char16_t *start);

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
