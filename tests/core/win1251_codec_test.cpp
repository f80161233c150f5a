// Characters without a Windows-1251 form are found, never passed over.
#include "config_text/win1251_codec.h"
#include "storage/config_file.h"

#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;

class Win1251CodecTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheFirstUnencodableCharacter_data();
    void findsTheFirstUnencodableCharacter();
    void encodingNamesTheField();
};

void Win1251CodecTest::findsTheFirstUnencodableCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index"); // -1: every character has a form
    QTest::addColumn<uint>("codePoint");

    QTest::newRow("Cyrillic, Ё and the euro sign") << u"Ключ Ёё \u20AC"_s << -1 << 0u;
    QTest::newRow("empty") << QString() << -1 << 0u;
    QTest::newRow("CJK after Cyrillic") << u"Дверь\u4E2D"_s << 5 << 0x4E2Du;
    QTest::newRow("character outside the BMP") << u"ab\U0001F600"_s << 2 << 0x1F600u;
}

void Win1251CodecTest::findsTheFirstUnencodableCharacter()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(uint, codePoint);

    qsizetype at = -1;
    char32_t found = 0;
    QCOMPARE(IsWindows1251Text(text, &at, &found), index < 0);
    const EncodeResult encoded = EncodeWindows1251(text);
    QCOMPARE(encoded.ok(), index < 0);
    if (index >= 0) {
        QCOMPARE(at, qsizetype(index));
        QCOMPARE(uint(found), codePoint);
        QCOMPARE(encoded.errorIndex, qsizetype(index));
        QVERIFY(encoded.bytes.isEmpty());
    } else {
        QCOMPARE(DecodeWindows1251(encoded.bytes), text);
    }
}

void Win1251CodecTest::encodingNamesTheField()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.record(Cmd::ua, 3).setText(1, u"Gate\u4E2D"_s);
    const ConfigurationBytes encoded = EncodeConfiguration(model);
    QVERIFY(!encoded.ok());
    QVERIFY(encoded.bytes.isEmpty());
    QCOMPARE(encoded.error, u"ua3 parameter 1: character U+4E2D has no Windows-1251 form"_s);
}

QTEST_GUILESS_MAIN(Win1251CodecTest)
#include "win1251_codec_test.moc"
