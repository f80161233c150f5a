#include "config_text/win1251_codec.h"

#include <QTest>

using namespace orva;

// The codec's reports of characters without a Windows-1251 form, which key and file errors quote.
class TestWin1251Codec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("codePoint");
        QTest::newRow("encodable") << QStringLiteral("Ключ №1 \u0098") << -1 << 0u;
        QTest::newRow("first character") << QStringLiteral("\u4E2Dabc") << 0 << 0x4E2Du;
        QTest::newRow("after Cyrillic") << QStringLiteral("ключ\u4E2D") << 4 << 0x4E2Du;
        QTest::newRow("outside the BMP") << QStringLiteral("ab\U0001F600") << 2 << 0x1F600u;
    }

    void unencodable()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(uint, codePoint);
        const EncodeResult encoded = EncodeWindows1251(text);
        QCOMPARE(int(encoded.errorIndex), index);
        QCOMPARE(uint(encoded.errorCodePoint), codePoint);
        qsizetype at = -1;
        char32_t found = 0;
        QCOMPARE(IsWindows1251Text(text, &at, &found), index < 0);
        QCOMPARE(int(at), index);
        QCOMPARE(uint(found), codePoint);
        if (index < 0)
            QCOMPARE(DecodeWindows1251(encoded.bytes), text);
    }
};

QTEST_APPLESS_MAIN(TestWin1251Codec)
#include "tst_win1251_codec.moc"
