#include "config_text/parser.h"
#include "config_text/writer.h"

#include <QTest>

using namespace orva;

namespace {

QStringList written(const T_Command_DEVICE &model)
{
    QStringList lines;
    WriteConfiguration(model, lines);
    return lines;
}

T_Command_DEVICE defaults()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    return model;
}

QString trimmedRight(QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace

class TestWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void factoryConfiguration();
    void recordLines_data();
    void recordLines();
    void helpers();
    void writtenTextReadsBack();
};

void TestWriter::factoryConfiguration()
{
    const QStringList lines = written(defaults());
    QCOMPARE(lines.size(), 130);
    for (const QString &line : lines)
        QCOMPARE(line.size(), 45);

    QStringList bare;
    for (const QString &line : lines)
        bare << trimmedRight(line);
    const QStringList head = {QStringLiteral("Zentrix-Config Orva soft v.3.0"),
                              QStringLiteral("fe"),
                              QStringLiteral("ks2-"),
                              QStringLiteral("ks1-"),
                              QStringLiteral("!!-"),
                              QStringLiteral("oa-"),
                              QStringLiteral("cm-1.15"),
                              QStringLiteral("ca-3")};
    QCOMPARE(bare.mid(0, head.size()), head);
    const QStringList tail = {QStringLiteral("ms-0"), QStringLiteral("tb-1"), QStringLiteral("ct1-10"),
                              QStringLiteral("ct2-10")};
    QCOMPARE(bare.mid(bare.size() - tail.size()), tail);
    for (const char *expected :
         {"lm1-1.90", "lm2-4.90", "lm3-2.90", "lm4-12.90", "rm1-4.90", "rm3-0.90",    "sn1-.",
          "sn9-.",    "su1-.",    "su9-.",    "dn1-.",     "dn9-.",    "gs1-.10001",  "gs6-.10001",
          "gd-15.30", "gt-5.2",   "cb1-0.",   "cb2-0.",    "dp-0.1",   "zn1-1,2,3,4", "zn2-",
          "ez-1",     "rz1-1",    "uz1-1",    "uz15-1"})
        QVERIFY2(bare.contains(QString::fromLatin1(expected)), expected);
    QCOMPARE(bare.count(QStringLiteral("ua01-          .")), 1);
    QCOMPARE(bare.count(QStringLiteral("ua15-          .")), 1);
    // ks: the previous key before the current one
    QVERIFY(bare.indexOf(QStringLiteral("ks2-")) < bare.indexOf(QStringLiteral("ks1-")));
}

void TestWriter::recordLines_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("instance");
    QTest::addColumn<int>("value1");
    QTest::addColumn<int>("value2");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("line"); // without its fill blanks
    QTest::newRow("learned key") << int(Cmd::ua) << 3 << 0 << 0 << QStringLiteral("Door1")
                                 << QStringLiteral("************")
                                 << QStringLiteral("ua03-Door1     .********");
    QTest::newRow("long key alias") << int(Cmd::ua) << 12 << 0 << 0 << QStringLiteral("!ABCDEFGHIJ")
                                    << QString() << QStringLiteral("ua12-!ABCDEFGHIJ.");
    QTest::newRow("sms phone") << int(Cmd::sn) << 2 << 3 << 0 << QString() << QStringLiteral("+70000000001")
                               << QStringLiteral("sn2-3.+70000000001");
    QTest::newRow("sms phone without number")
        << int(Cmd::sn) << 2 << 3 << 0 << QString() << QString() << QStringLiteral("sn2-.");
    QTest::newRow("balance without code")
        << int(Cmd::cb) << 1 << 12 << 0 << QString() << QString() << QStringLiteral("cb1-0.");
    QTest::newRow("balance with code") << int(Cmd::cb) << 2 << 12 << 0 << QString() << QStringLiteral("*100#")
                                       << QStringLiteral("cb2-12.*100#");
    QTest::newRow("second parameter out of range")
        << int(Cmd::lm) << 1 << 7 << 0 << QString() << QString() << QStringLiteral("lm1-7");
    QTest::newRow("out-of-range first parameter written")
        << int(Cmd::xo) << 0 << 500 << 0 << QString() << QString() << QStringLiteral("xo-500");
    QTest::newRow("server") << int(Cmd::gs) << 4 << 0 << 20000 << QStringLiteral("010,000,000,001")
                            << QString() << QStringLiteral("gs4-010,000,000,001.20000");
    QTest::newRow("long text whole") << int(Cmd::ks) << 1 << 0 << 0
                                     << QStringLiteral("0123456789012345678901234567890123456789")
                                     << QString()
                                     << QStringLiteral("ks1-0123456789012345678901234567890123456789");
}

void TestWriter::recordLines()
{
    QFETCH(int, code);
    QFETCH(int, instance);
    QFETCH(int, value1);
    QFETCH(int, value2);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, line);
    T_Command_DEVICE model = defaults();
    T_Command &r = model.record(quint8(code), instance);
    r.setValue(1, value1);
    if (CommandRowOf(quint8(code)).kind2 == ParamKind::Integer)
        r.setValue(2, value2);
    r.setText(1, text1);
    r.setText(2, text2);
    const QStringList lines = written(model);
    const QString expected = PadLine(line);
    QVERIFY2(lines.contains(expected), qPrintable(line));
    QCOMPARE(lines.size(), 130);
}

void TestWriter::helpers()
{
    QCOMPARE(PadLine(QStringLiteral("ab")).size(), 45);
    const QString long46(46, u'x');
    QCOMPARE(PadLine(long46), long46);
    QCOMPARE(ZeroPad(5, 2, u'0'), QStringLiteral("05"));
    QCOMPARE(ZeroPad(123, 2, u'0'), QStringLiteral("123"));
    QCOMPARE(ZeroPad(7, 4, u' '), QStringLiteral("   7"));
    QCOMPARE(ReplaceChar(QStringLiteral("1.2.3"), u'.', u','), QStringLiteral("1,2,3"));
}

// What the writer writes, the parser reads back to the same model (for values the format can carry).
void TestWriter::writtenTextReadsBack()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::oa).setText(1, QStringLiteral("Склад-5"));
    model.record(Cmd::ks, 1).setText(1, QStringLiteral("ключ один"));
    model.record(Cmd::xo).setValue(1, 45);
    model.record(Cmd::lm, 2).setValue(1, 16);
    model.record(Cmd::lm, 2).setValue(2, 30);
    model.record(Cmd::sn, 4).setValue(1, 2);
    model.record(Cmd::sn, 4).setText(2, QStringLiteral("+79001234567"));
    model.record(Cmd::su, 1).setItem(1, 3);
    model.record(Cmd::su, 1).setItem(2, 15);
    model.record(Cmd::su, 1).setText(2, QStringLiteral("+79001234568"));
    model.record(Cmd::ua, 3).setText(1, QStringLiteral("*Патруль"));
    model.record(Cmd::ua, 3).setText(2, QStringLiteral("************"));
    model.record(Cmd::gs, 2).setValue(2, 20000);
    model.record(Cmd::cb, 1).setValue(1, 24);
    model.record(Cmd::cb, 1).setText(2, QStringLiteral("*100#"));
    model.SetLoopZone(3, 2);
    model.SetRelayZone(1, 4, true);

    QStringList lines;
    WriteConfiguration(model, lines);
    T_Command_DEVICE back;
    back.ResetToDefaults();
    ParseConfigurationText(lines.join(QStringLiteral("\r\n")) + u"\r\n", back);

    QStringList again;
    WriteConfiguration(back, again);
    // Two stored forms change on reading: the version text gets a blank after each point, and server
    // addresses become four groups joined by "." (so an empty one reads as 000.000.000.000).
    QCOMPARE(back.record(Cmd::Zentrix).text(1), QStringLiteral("Config Orva soft v. 3. 0"));
    QCOMPARE(back.record(Cmd::gs, 1).text(1), QStringLiteral("000.000.000.000"));
    auto withoutChangedForms = [](QStringList list) {
        list.removeIf(
            [](const QString &line) { return line.startsWith(u"Zentrix") || line.startsWith(u"gs"); });
        return list;
    };
    QCOMPARE(withoutChangedForms(again), withoutChangedForms(lines));
    QCOMPARE(again.size(), lines.size());
    QCOMPARE(back.record(Cmd::ks, 1).text(1), QStringLiteral("ключ один"));
    QCOMPARE(back.record(Cmd::ua, 3).text(1), QStringLiteral("*Патруль"));
    QCOMPARE(back.record(Cmd::su, 1).item(2), 15);
    QCOMPARE(back.ZoneOfLoop(3), 2);
}

QTEST_APPLESS_MAIN(TestWriter)
#include "tst_writer.moc"
