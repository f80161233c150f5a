#include "config_text/lexer.h"
#include "config_text/parser.h"
#include "config_text/text_utils.h"
#include "config_text/writer.h"
#include "model_probe.h"
#include "storage/config_file.h"

#include <QTest>

using namespace orva;
using orva::test::probe;

namespace {

T_Command_DEVICE parsed(const QString &text)
{
    T_Command_DEVICE model;
    LoadConfigurationText(text, model);
    return model;
}

} // namespace

class TestParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commands_data();
    void commands();
    void versionText_data();
    void versionText();
    void versionTextStaysOverSaves();
    void skippedCommandKeepsEarlierValue();
    void commandWordLookup_data();
    void commandWordLookup();
    void commandInstance_data();
    void commandInstance();
    void sharedLexerAndScratchAcrossParses();
    void arbitraryInputNeverBreaks_data();
    void arbitraryInputNeverBreaks();
};

void TestParser::commands_data()
{
    // Each row: a text (CR LF line ends) and the fields it must leave, as "probe=value" pairs.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const auto row = orva::test::addProbeRow;
    row("exit delay", "xo-90\r\n", {"xo v1=90"});
    row("exit delay out of range", "xo-500\r\n", {"xo v1=90"});
    row("upper-case code", "XO-60\r\n", {"xo v1=60"});
    row("digits after single-instance code", "xo5-60\r\n", {"xo v1=60"});
    row("loop mode and delay", "lm2-16.30\r\n", {"lm2 v1=16", "lm2 v2=30"});
    row("loop delay missing", "lm2-16\r\n", {"lm2 v1=16", "lm2 v2=90"});
    row("loop 5 skipped", "lm5-1.10\r\n", {"lm1 v1=1", "lm1 v2=90", "lm4 v1=12"});
    row("loop instance leading zero", "lm03-15.20\r\n", {"lm3 v1=15", "lm3 v2=20"});
    row("zone list", "zn1-1,3\r\n", {"zn1 items=1,3,0,0,0", "zn1 count=2"});
    row("zone list gap", "zn1-1,,3\r\n", {"zn1 items=1,0,3,0,0"});
    row("zone list empty", "zn1-\r\n", {"zn1 items=0,0,0,0,0"});
    row("zone list bad item", "zn1-1,a\r\n", {"zn1 items=1,2,3,4,0"});
    row("zone list sixth item ignored", "zn2-1,2,3,4,1,2\r\n", {"zn2 items=1,2,3,4,1"});
    row("sms keys and phone", "su1-1,2.+70000000001\r\n", {"su1 items=1,2,0,0,0", "su1 t2=+70000000001"});
    row("sms keys without phone skipped", "su1-1,2\r\n", {"su1 items=0,0,0,0,0", "su1 t2="});
    row("key alias and code", "ua01-Door1.********\r\n", {"ua1 t1=Door1", "ua1 t2=************"});
    row("key alias only", "ua01-Door1\r\n", {"ua1 t1=Door1", "ua1 t2="});
    row("key alias with blank skipped", "ua01-Door1 Side.\r\n", {"ua1 t1=", "ua1 t2="});
    row("device name stops at blank", "oa-Sklad 5\r\n", {"oa t1=Sklad"});
    row("dial phone mode 0 drops number", "dn3-0.+70000000001\r\n", {"dn3 v1=0", "dn3 t2="});
    row("dial phone", "dn3-2.+70000000001\r\n", {"dn3 v1=2", "dn3 t2=+70000000001"});
    row("server address commas", "gs1-10,0,0,1.10001\r\n", {"gs1 t1=010.000.000.001", "gs1 v2=10001"});
    row("server address short", "gs2-1,2.10002\r\n", {"gs2 t1=000.000.001.002", "gs2 v2=10002"});
    row("server port 0", "gs1-10,0,0,1.0\r\n", {"gs1 v2=10001"});
    row("server port too large", "gs1-10,0,0,1.70000\r\n", {"gs1 v2=10001"});
    row("relay mode out of range", "rm1-11.5\r\n", {"rm1 v1=0", "rm1 v2=5"});
    row("relay mode 0 stays", "rm1-0.5\r\n", {"rm1 v1=0"});
    // Runs of blanks between words stay; the blank after a point is the word's own, not a second one.
    row("file keys with blanks", "ks1-my  key . x\r\n", {"ks1 t1=my  key. x"});
    row("file keys with blanks, read back", "ks1-my  key. x\r\n", {"ks1 t1=my  key. x"});
    row("text at end of file without line end", "ks1-abc", {"ks1 t1="});
    row("second parameter missing at end of file", "lm3-5", {"lm3 v1=2", "lm3 v2=90"});
    row("second parameter at end of file", "lm3-5.7", {"lm3 v1=5", "lm3 v2=7"});
    row("single parameter at end of file", "xo-60", {"xo v1=60"});
    row("point instead of dash retried", "xo.-90\r\n", {"xo v1=90"});
    row("point instead of dash", "xo.-60\r\n", {"xo v1=60"});
    row("comment and dollar", "; xo-10\r\n$xo-20 ;x\r\n", {"xo v1=20"});
    row("dollar splits a word", "x$o-20\r\n", {"xo v1=90"});
    row("two commands on a line", "xo-20 ca-5\r\n", {"xo v1=20", "ca v1=5"});
    row("later command wins", "xo-20\r\nxo-30\r\n", {"xo v1=30"});
    row("empty integer", "ca-\r\n", {"ca v1=3"});
    row("integer with comma", "ca-,\r\n", {"ca v1=3"});
    row("password", "!!-1234\r\n", {"!! t1=1234"});
    row("string with trailing point", "oa-.\r\n", {"oa t1="});
    row("balance", "cb1-12.*100#\r\n", {"cb1 v1=12", "cb1 t2=*100#"});
    row("sms phone", "sn2-3.+70000000001\r\n", {"sn2 v1=3", "sn2 t2=+70000000001"});
    row("sms phone without number", "sn2-.\r\n", {"sn2 v1=0", "sn2 t2="});
    row("lf-only line ends are read by the load path", "xo-20\nca-5\n", {"xo v1=20", "ca v1=5"});
    row("lone cr line ends", "xo-20\rca-5\r", {"xo v1=20", "ca v1=5"});
}

void TestParser::commands()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const T_Command_DEVICE model = parsed(NormalizeLineBreaks(text));
    orva::test::verifyProbes(model, expected);
}

void TestParser::versionText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("version");
    QTest::newRow("version command") << QStringLiteral("Zentrix-Config Orva soft v.3.0\r\n")
                                     << QStringLiteral("Config Orva soft v. 3. 0");
    // The text as the writer puts it back: a point already followed by a blank gets no second one, so
    // opening and saving leaves the version text as it is.
    QTest::newRow("version text as saved") << QStringLiteral("Zentrix-Config Orva soft v. 3. 0\r\n")
                                           << QStringLiteral("Config Orva soft v. 3. 0");
    QTest::newRow("point at the end of a word")
        << QStringLiteral("Zentrix-soft v.3.\r\n") << QStringLiteral("soft v. 3.");
    QTest::newRow("free first line") << QStringLiteral("my panel\r\nxo-5\r\n") << QStringLiteral("my panel");
    QTest::newRow("header lower-cased, numbers plain")
        << QStringLiteral("My Panel 007-x\r\n") << QStringLiteral("my panel 7-x");
    QTest::newRow("header ends at command") << QStringLiteral("abc xo-5\r\n") << QStringLiteral("abc ");
    QTest::newRow("empty text") << QString() << QStringLiteral("??????");
    QTest::newRow("only commands") << QStringLiteral("xo-5\r\n") << QStringLiteral("??????");
    QTest::newRow("version command wins over header")
        << QStringLiteral("hello\r\nZentrix-v1\r\n") << QStringLiteral("v1");
}

void TestParser::versionText()
{
    QFETCH(QString, text);
    QFETCH(QString, version);
    QCOMPARE(parsed(text).record(Cmd::Zentrix).text(1), version);
}

// Opened and saved three times over, the factory version text reads back the same each time.
void TestParser::versionTextStaysOverSaves()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    for (int save = 0; save < 3; ++save) {
        QStringList lines;
        WriteConfiguration(model, lines);
        model = parsed(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        QCOMPARE(model.record(Cmd::Zentrix).text(1), QStringLiteral("Config Orva soft v. 3. 0"));
    }
}

void TestParser::skippedCommandKeepsEarlierValue()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.record(Cmd::xo).setValue(1, 33);
    ParseConfigurationText(QStringLiteral("xo-abc\r\n"), model);
    QCOMPARE(model.record(Cmd::xo).value(1), 33);
}

void TestParser::commandWordLookup_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("lowered");
    QTest::newRow("code") << QStringLiteral("XO") << int(Cmd::xo) << QStringLiteral("xo");
    QTest::newRow("code and instance") << QStringLiteral("La3") << int(Cmd::la) << QStringLiteral("la3");
    QTest::newRow("version") << QStringLiteral("ZENTRIX") << int(Cmd::Zentrix) << QStringLiteral("zentrix");
    QTest::newRow("password") << QStringLiteral("!!") << int(Cmd::Password) << QStringLiteral("!!");
    QTest::newRow("letter after code") << QStringLiteral("xoa") << 0 << QStringLiteral("xoa");
    QTest::newRow("number") << QStringLiteral("12") << 0 << QStringLiteral("12");
    QTest::newRow("cyrillic kept") << QStringLiteral("ЖXo") << 0 << QStringLiteral("Жxo");
}

void TestParser::commandWordLookup()
{
    QFETCH(QString, word);
    QFETCH(int, row);
    QFETCH(QString, lowered);
    TLexema lex;
    lex.setKind(LexemeKind::Word);
    lex.setText(word);
    QCOMPARE(int(IsCommandWord(lex)), row);
    QCOMPARE(lex.text(), lowered);
}

void TestParser::commandInstance_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("instance");
    QTest::newRow("single instance") << QStringLiteral("xo77") << int(Cmd::xo) << 0;
    QTest::newRow("leading zero") << QStringLiteral("ua05") << int(Cmd::ua) << 5;
    QTest::newRow("last") << QStringLiteral("ua15") << int(Cmd::ua) << 15;
    QTest::newRow("past last") << QStringLiteral("ua16") << int(Cmd::ua) << -1;
    QTest::newRow("zero") << QStringLiteral("ua0") << int(Cmd::ua) << -1;
    QTest::newRow("missing") << QStringLiteral("ua") << int(Cmd::ua) << -1;
    QTest::newRow("not digits") << QStringLiteral("ua1x") << int(Cmd::ua) << -1;
    QTest::newRow("beyond 32 bits") << QStringLiteral("ua99999999999999999999") << int(Cmd::ua) << -1;
    QTest::newRow("many zeros") << QStringLiteral("ua0000000000000000000001") << int(Cmd::ua) << 1;
}

void TestParser::commandInstance()
{
    QFETCH(QString, word);
    QFETCH(int, row);
    QFETCH(int, instance);
    TLexema lex;
    lex.setKind(LexemeKind::Word);
    lex.setText(word);
    QCOMPARE(CommandInstance(lex, quint8(row)), instance);
}

void TestParser::sharedLexerAndScratchAcrossParses()
{
    TLexPipe lexer;
    T_Command scratch;
    T_Command_DEVICE first;
    first.ResetToDefaults();
    lexer.SetText(QStringLiteral("xo-20\r\nzn1-2\r\n"));
    ParseConfiguration(scratch, lexer, first);
    T_Command_DEVICE second;
    second.ResetToDefaults();
    lexer.SetText(QStringLiteral("ca-4\r\n"));
    ParseConfiguration(scratch, lexer, second);
    QCOMPARE(second.record(Cmd::xo).value(1), 90);
    QCOMPARE(second.record(Cmd::ca).value(1), 4);
    QCOMPARE(probe(second, QStringLiteral("zn1 items")), QStringLiteral("1,2,3,4,0"));
}

void TestParser::arbitraryInputNeverBreaks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919 + 13) % 256));
    QTest::newRow("binary") << binary;
    QTest::newRow("nul bytes") << QByteArray("xo-20\0\0ca-5\r\n", 13);
    QTest::newRow("one long line") << (QByteArray("ks1-") + QByteArray(1 << 20, 'a') + "\r\n");
    QTest::newRow("many separators") << QByteArray(100000, '.');
    QTest::newRow("many commands without dash") << QByteArray("xo ").repeated(50000);
    QTest::newRow("list punctuation") << QByteArray("zn1-,,,,,,,,,.\r\nsu1-1,2,3,4,5,6.x\r\n");
}

void TestParser::arbitraryInputNeverBreaks()
{
    QFETCH(QByteArray, bytes);
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(bytes), model);
    // Whatever was read, every integer stays inside its range or at its default.
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        for (const T_Command &r : model.records(code)) {
            if (row.kind1 == ParamKind::Integer)
                QVERIFY(r.value(1) == row.default1 || (r.value(1) >= row.min1 && r.value(1) <= row.max1));
            if (row.kind2 == ParamKind::Integer)
                QVERIFY(r.value(2) == row.default2 || (r.value(2) >= row.min2 && r.value(2) <= row.max2));
        }
    }
    QVERIFY(!model.record(Cmd::Zentrix).text(1).isEmpty());
}

QTEST_APPLESS_MAIN(TestParser)
#include "tst_parser.moc"
