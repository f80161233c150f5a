// The program's random generator: the 32-bit linear congruential sequence and the draws below a range;
// and the strong source that encryption keys come from instead.
#include "random/key_random.h"
#include "random/program_random.h"

#include <QTest>

using namespace orva;

class ProgramRandomTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sequenceFromZero();
    void hexDigitsFromASeed();
    void wrapsModulo2To32();
    void drawStaysBelowTheRange_data();
    void drawStaysBelowTheRange();
    void sameSeedSameDigits();
    void strongKeyDigits_data();
    void strongKeyDigits();
};

void ProgramRandomTest::sequenceFromZero()
{
    ProgramRandom random(0);
    const quint32 seeds[] = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u};
    const quint32 digits[] = {0, 0, 13, 3, 4};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(random.Random(16), digits[i]);
        QCOMPARE(random.seedValue(), seeds[i]);
    }
}

void ProgramRandomTest::hexDigitsFromASeed()
{
    ProgramRandom random(12345);
    QString digits;
    for (int i = 0; i < 16; ++i)
        digits += QString::number(random.Random(16), 16).toUpper();
    QCOMPARE(digits, QStringLiteral("6418A5710EF53C86"));
    QCOMPARE(random.seedValue(), 1833291241u);
}

void ProgramRandomTest::wrapsModulo2To32()
{
    ProgramRandom random(0xFFFFFFFFu);
    // (2^32 - 1) × 134775813 + 1 = -134775812 modulo 2^32.
    QCOMPARE(random.Random(100), 96u);
    QCOMPARE(random.seedValue(), 4160191484u);
}

void ProgramRandomTest::drawStaysBelowTheRange_data()
{
    QTest::addColumn<quint32>("range");
    QTest::newRow("1") << 1u;
    QTest::newRow("2") << 2u;
    QTest::newRow("16") << 16u;
    QTest::newRow("1000") << 1000u;
    QTest::newRow("2^32 - 1") << 0xFFFFFFFFu;
}

void ProgramRandomTest::drawStaysBelowTheRange()
{
    QFETCH(quint32, range);
    ProgramRandom random(987654321u);
    quint32 highest = 0;
    for (int i = 0; i < 5000; ++i) {
        const quint32 value = random.Random(range);
        QVERIFY(value < range);
        highest = qMax(highest, value);
    }
    // The draws reach the top of a small range.
    if (range <= 1000)
        QCOMPARE(highest, range - 1);
    QCOMPARE(ProgramRandom(5).Random(0), 0u);
}

void ProgramRandomTest::sameSeedSameDigits()
{
    ProgramRandom a(42);
    ProgramRandom b;
    b.seed(42);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(a.Random(16), b.Random(16));
    // Every hexadecimal digit occurs among 16,000 draws, each about a thousand times.
    ProgramRandom c(7);
    int counts[16] = {};
    for (int i = 0; i < 16000; ++i)
        ++counts[c.Random(16)];
    for (int count : counts)
        QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
}

void ProgramRandomTest::strongKeyDigits_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("a key part") << 16;
    QTest::newRow("a whole key") << 64;
    QTest::newRow("an odd count") << 7;
}

// Upper-case hexadecimal digits of the asked count; two draws of a key part or more differ.
void ProgramRandomTest::strongKeyDigits()
{
    QFETCH(int, count);
    const QString first = StrongRandomHexDigits(count);
    QCOMPARE(first.size(), count);
    for (const QChar c : first)
        QVERIFY2((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'), qPrintable(first));
    if (count >= 16)
        QVERIFY(StrongRandomHexDigits(count) != first);
    QVERIFY(StrongRandomHexDigits(0).isEmpty());
}

QTEST_APPLESS_MAIN(ProgramRandomTest)
#include "tst_program_random.moc"
