#include "config_text/win1251_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
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

    // The codec converts through tables taken from Qt's converter; they must agree with the converter
    // on every byte and on every character of the Basic Multilingual Plane it can encode.
    void agreesWithQtConverter()
    {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(all);
        QCOMPARE(DecodeWindows1251(all), decoded);
        // Runs longer than the sixteen-byte blocks, starting at every offset, ASCII and not.
        const QByteArray mixed = all + all.mid(0x20, 0x60) + all.mid(0x80) + "a";
        for (int from = 0; from < 17; ++from)
            QCOMPARE(DecodeWindows1251(mixed.mid(from)), decoder.decode(mixed.mid(from)));
        // One byte from 0x80 up in an ASCII text, at every place of a block and of the bytes after the
        // last whole block.
        for (int size = 1; size <= 40; ++size) {
            for (int at = 0; at < size; ++at) {
                QByteArray text(size, 'x');
                text[at] = '\xC6';
                QCOMPARE(DecodeWindows1251(text), decoder.decode(text));
            }
        }

        // Every character the table has encodes as the converter encodes it alone; every other
        // character of the plane (surrogates apart) is one the converter refuses, which it shows by
        // putting its replacement byte in its place.
        QString others;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            const QChar ch{char16_t(c)};
            if (ch.isSurrogate())
                continue;
            const EncodeResult ours = EncodeWindows1251(QStringView(&ch, 1));
            if (!ours.ok()) {
                others.append(ch);
                continue;
            }
            QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
            const QByteArray expected = encoder.encode(QStringView(&ch, 1));
            QVERIFY(!encoder.hasError());
            QCOMPARE(ours.bytes, expected);
        }
        QCOMPARE(others.size(), 0x10000 - 0x800 - 256);
        // The converter itself replaces them, or drops them without a word (the default-ignorable
        // characters such as U+200B): the codec refuses both, so no character is ever lost silently.
        QStringEncoder replacing("windows-1251");
        const QByteArray replacement = replacing.encode(QStringView(u"\u4E2D"));
        QCOMPARE(replacement.size(), 1);
        for (const QChar c : std::as_const(others)) {
            QStringEncoder one("windows-1251");
            const QByteArray converted = one.encode(QStringView(&c, 1));
            QVERIFY2(converted == replacement || converted.isEmpty(),
                     qPrintable(QString::number(c.unicode(), 16)));
        }
        QStringEncoder dropping("windows-1251");
        QVERIFY(QByteArray(dropping.encode(QStringView(u"a\u200Bb"))) == "ab");
        QVERIFY(!EncodeWindows1251(QStringView(u"a\u200Bb")).ok());
        QVERIFY(!EncodeWindows1251(QStringView(u"\xD800")).ok());
        QVERIFY(!EncodeWindows1251(QStringView(u"\xDC00")).ok());
    }
};

QTEST_APPLESS_MAIN(TestWin1251Codec)
#include "tst_win1251_codec.moc"
