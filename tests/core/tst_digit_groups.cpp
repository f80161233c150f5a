#include "device_model/digit_groups.h"

#include <QTest>

using namespace orva;

class TestDigitGroups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void format_data();
    void format();
};

void TestDigitGroups::format_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("total");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("withSeparator");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("changed");

    auto address = [](const char *name, const char *in, const char *out, bool changed) {
        QTest::newRow(name) << QString::fromLatin1(in) << false << 3 << -12 << QChar(u'.') << true
                            << QString::fromLatin1(out) << changed;
    };
    address("address commas", "10,0,0,1", "010.000.000.001", true);
    address("address points", "192.168.1.10", "192.168.001.010", false);
    address("address already normal", "010.000.000.001", "010.000.000.001", false);
    address("address missing groups", "1,2", "000.000.001.002", true);
    address("address empty", "", "000.000.000.000", true);
    address("address long group kept then cut", "1234.5", "000.001.234.005", true);
    address("address too many groups", "1.2.3.4.5", "001.002.003.004", true);
    address("address empty group", "1..2", "000.001.000.002", true);
    address("address letters dropped", "a1b", "000.000.000.001", true);

    auto ident = [](const char *name, const char *in, const char *out) {
        QTest::newRow(name) << QString::fromLatin1(in) << true << 4 << 12 << QChar(u'-') << true
                            << QString::fromLatin1(out) << true;
    };
    ident("identifier full", "123456789ABC", "1234-5678-9ABC");
    ident("identifier grouped", "12-5678", "1200-5678-0000");
    ident("identifier empty", "", "0000-0000-0000");
    ident("identifier lower case kept", "abcdef", "abcd-ef00-0000");

    QTest::newRow("stored identifier") << QStringLiteral("12-5678") << true << 4 << -12 << QChar(u'-')
                                       << false << QStringLiteral("000000125678") << true;
    QTest::newRow("stored key part") << QStringLiteral("a-b") << true << 2 << -16 << QChar(u'-') << false
                                     << QStringLiteral("0000000000000a0b") << true;
    QTest::newRow("zero total width")
        << QStringLiteral("1,2") << false << 3 << 0 << QChar(u'.') << false << QStringLiteral("0000") << true;
}

void TestDigitGroups::format()
{
    QFETCH(QString, input);
    QFETCH(bool, hex);
    QFETCH(int, group);
    QFETCH(int, total);
    QFETCH(QChar, separator);
    QFETCH(bool, withSeparator);
    QFETCH(QString, output);
    QFETCH(bool, changed);
    QString text = input;
    const bool result = FormatDigitGroups(text, hex ? HexDigits : DecimalDigits, separator, u'0', group,
                                          total, withSeparator);
    QCOMPARE(text, output);
    QCOMPARE(result, changed);
}

QTEST_APPLESS_MAIN(TestDigitGroups)
#include "tst_digit_groups.moc"
