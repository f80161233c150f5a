#include "storage/crypto_key.h"

#include <QTest>

using namespace orva;

class TestCryptoKey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void prepare_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("prepared");
        QTest::newRow("five characters")
            << QStringLiteral("abcde") << QStringLiteral("abcdeabcdeabcdeabcdeabcdeabcdeab");
        QTest::newRow("one character") << QStringLiteral("7") << QString(32, u'7');
        QTest::newRow("exactly 32") << QStringLiteral("0123456789abcdefghijklmnopqrstuv")
                                    << QStringLiteral("0123456789abcdefghijklmnopqrstuv");
        QTest::newRow("longer than 32 is cut") << QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz")
                                               << QStringLiteral("0123456789abcdefghijklmnopqrstuv");
        QTest::newRow("17 characters doubled once")
            << QStringLiteral("ABCDEFGHIJKLMNOPQ") << QStringLiteral("ABCDEFGHIJKLMNOPQABCDEFGHIJKLMNO");
        QTest::newRow("blanks and controls trimmed")
            << QStringLiteral(" \tkey\r\n ") << QStringLiteral("keykeykeykeykeykeykeykeykeykeyke");
        QTest::newRow("inner blank stays")
            << QStringLiteral("a b") << QStringLiteral("a ba ba ba ba ba ba ba ba ba ba ");
        QTest::newRow("Cyrillic") << QStringLiteral("ключ")
                                  << QStringLiteral("ключключключключключключключключ");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("blank") << QStringLiteral("  \t ") << QString();
    }

    void prepare()
    {
        QFETCH(QString, key);
        QFETCH(QString, prepared);
        QCOMPARE(PrepareCryptoKey(key), prepared);
    }

    void keyWrittenTwiceIsTheSameKey()
    {
        QCOMPARE(PrepareCryptoKey(u"secret secretsecret secret"), PrepareCryptoKey(u"secret secret"));
        QCOMPARE(PrepareCryptoKey(u"12345"), PrepareCryptoKey(u"1234512345"));
    }
};

QTEST_APPLESS_MAIN(TestCryptoKey)
#include "tst_crypto_key.moc"
