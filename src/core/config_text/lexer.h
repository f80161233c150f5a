#pragma once

#include <QString>

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
    void clear() { *this = TLexema(); }

    LexemeKind kind() const { return m_kind; }
    void setKind(LexemeKind kind) { m_kind = kind; }
    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    qint32 value() const { return m_value; }
    void setValue(qint32 value) { m_value = value; }

private:
    LexemeKind m_kind = LexemeKind::LineEnd;
    QString m_text;
    qint32 m_value = 0;
};

// Hands out the characters of a text one at a time and can step back by one.
class TLitPipe
{
public:
    void SetText(const QString &text);
    // The next character, or NUL (without advancing) past the end or without text.
    QChar NextChar();
    void Back();

private:
    QString m_text;
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

private:
    bool isStringMode() const { return m_mode == StringMode; }
    void ScanWord();
    void ScanNumber();

    TLitPipe m_chars;
    TLexema m_current;
    bool m_pushBack = false;
    QString m_buffer;
    quint8 m_mode = 0;
};

} // namespace orva
