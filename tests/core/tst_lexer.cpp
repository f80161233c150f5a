#include "config_text/lexer.h"

#include <QTest>

using namespace orva;

namespace {

// A lexeme stream written compactly: "W:xo" word, "N:90/00090" number with value and text, "P" point,
// "C" comma, "D" dash, "L" line end, "E" end of text.
QString describe(const TLexema &lex)
{
    switch (lex.kind()) {
    case LexemeKind::Word: // blanks inside a word are shown as "_"
        return u"W:" + lex.text().toString().replace(u' ', u'_');
    case LexemeKind::Number:
        return u"N:" + QString::number(lex.value()) + u'/' + lex.text();
    case LexemeKind::Point:
        return QStringLiteral("P");
    case LexemeKind::Comma:
        return QStringLiteral("C");
    case LexemeKind::Dash:
        return QStringLiteral("D");
    case LexemeKind::LineEnd:
        return QStringLiteral("L");
    case LexemeKind::EndOfText:
        return QStringLiteral("E");
    }
    return {};
}

QStringList lexAll(const QString &text, quint8 mode)
{
    TLexPipe lexer;
    lexer.SetText(text);
    TLexema lex;
    QStringList result;
    do {
        lexer.Next(mode, lex);
        result << describe(lex);
    } while (lex.kind() != LexemeKind::EndOfText && result.size() < 1000);
    return result;
}

} // namespace

class TestLexer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lexemes_data();
    void lexemes();
    void separatorsCarryLastWord();
    void ungetRepeatsLexemeInAnyMode();
    void endOfTextRepeats();
    void setTextKeepsCurrentLexeme();
};

void TestLexer::lexemes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected");

    auto row = [](const char *name, const QString &text, int mode, const QString &expected) {
        QTest::newRow(name) << text << mode << expected.split(u' ');
    };
    row("word dash number crlf", QStringLiteral("xo-90\r\n"), 0, QStringLiteral("W:xo D N:90/90 L E"));
    row("lf only after number", QStringLiteral("xo-90\nla1-a\n"), 0,
        QStringLiteral("W:xo D N:90/90 W:la1 D W:a E"));
    row("lf only after point", QStringLiteral("a.\nb,\nc-\n"), 0,
        QStringLiteral("W:a P L W:b C L W:c D L E"));
    row("comment line", QStringLiteral("; text\r\nxo"), 0, QStringLiteral("L W:xo E"));
    row("dollar ends comment", QStringLiteral(";abc$xo"), 0, QStringLiteral("W:xo E"));
    row("dollar skipped", QStringLiteral("$x$o$"), 0, QStringLiteral("W:x W:o E"));
    row("six digits is a word", QStringLiteral("123456"), 0, QStringLiteral("W:123456 E"));
    row("five digits", QStringLiteral("12345"), 0, QStringLiteral("N:12345/12345 E"));
    row("leading zeros kept in text", QStringLiteral("00090"), 0, QStringLiteral("N:90/00090 E"));
    row("long digits then letters", QStringLiteral("1234567abc.x"), 0,
        QStringLiteral("W:1234567abc P W:x E"));
    row("number ends at letter", QStringLiteral("12ab"), 0, QStringLiteral("N:12/12 W:ab E"));
    row("blanks skipped", QStringLiteral("  a   b  "), 0, QStringLiteral("W:a W:b E"));
    row("word ends at semicolon", QStringLiteral("ab;c\r\nd"), 0, QStringLiteral("W:ab L W:d E"));
    row("string mode blank ends word", QStringLiteral("+7 912"), 1, QStringLiteral("W:+7 W:912 E"));
    row("string mode two blanks", QStringLiteral("a  b"), 1, QStringLiteral("W:a W:_b E"));
    row("string mode comma dash", QStringLiteral("a,b-c.d"), 1, QStringLiteral("W:a,b-c P W:d E"));
    row("string mode single blank word", QStringLiteral("  "), 1, QStringLiteral("W:_ E"));
    row("string mode leading comma", QStringLiteral(",x -y"), 1, QStringLiteral("W:,x W:-y E"));
    row("empty text", QString(), 0, QStringLiteral("E"));
    row("nul inside word ends it", QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), 0,
        QStringLiteral("W:ab W:cd E"));
    row("nul between lexemes ends text", QStringLiteral("ab ") + QChar(0) + QStringLiteral("cd"), 0,
        QStringLiteral("W:ab E"));
    row("nul in comment ends text", QStringLiteral(";a") + QChar(0) + QStringLiteral("\r\ncd"), 0,
        QStringLiteral("E"));
    row("cyrillic and tab in word", QStringLiteral("Дом\t1 x"), 0, QStringLiteral("W:Дом\t1 W:x E"));
}

void TestLexer::lexemes()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    QCOMPARE(lexAll(text, quint8(mode)), expected);
}

void TestLexer::separatorsCarryLastWord()
{
    TLexPipe lexer;
    lexer.SetText(QStringLiteral("xo.-\r\n,"));
    TLexema lex;
    lexer.Next(0, lex);
    QCOMPARE(lex.text(), QStringLiteral("xo"));
    lexer.Next(0, lex);
    QCOMPARE(lex.kind(), LexemeKind::Point);
    QCOMPARE(lex.text(), QStringLiteral("xo"));
    lexer.Next(0, lex);
    QCOMPARE(lex.kind(), LexemeKind::Dash);
    QCOMPARE(lex.text(), QStringLiteral("xo"));
    lexer.Next(0, lex);
    QCOMPARE(lex.kind(), LexemeKind::LineEnd);
    QCOMPARE(lex.text(), QStringLiteral("#10"));
    lexer.Next(0, lex); // the LF
    lexer.Next(0, lex);
    QCOMPARE(lex.kind(), LexemeKind::Comma);
    QCOMPARE(lex.text(), QStringLiteral("#10"));
}

void TestLexer::ungetRepeatsLexemeInAnyMode()
{
    TLexPipe lexer;
    lexer.SetText(QStringLiteral("12 34"));
    TLexema lex;
    lexer.Next(0, lex);
    QCOMPARE(lex.kind(), LexemeKind::Number);
    lexer.Unget();
    lexer.Next(StringMode, lex);
    QCOMPARE(lex.kind(), LexemeKind::Number);
    QCOMPARE(lex.value(), 12);
    lexer.Next(StringMode, lex); // after the repeat, reading goes on in the new mode
    QCOMPARE(lex.kind(), LexemeKind::Word);
    QCOMPARE(lex.text(), QStringLiteral("34"));
}

void TestLexer::endOfTextRepeats()
{
    TLexPipe lexer;
    lexer.SetText(QStringLiteral("a"));
    TLexema lex;
    lexer.Next(0, lex);
    for (int i = 0; i < 3; ++i) {
        lexer.Next(0, lex);
        QCOMPARE(lex.kind(), LexemeKind::EndOfText);
        QCOMPARE(lex.text(), QStringLiteral("a"));
    }
}

void TestLexer::setTextKeepsCurrentLexeme()
{
    TLexPipe lexer;
    lexer.SetText(QStringLiteral("xo"));
    TLexema lex;
    lexer.Next(0, lex);
    lexer.SetText(QStringLiteral("."));
    lexer.Next(0, lex);
    QCOMPARE(lex.kind(), LexemeKind::Point);
    QCOMPARE(lex.text(), QStringLiteral("xo"));
}

QTEST_APPLESS_MAIN(TestLexer)
#include "tst_lexer.moc"
