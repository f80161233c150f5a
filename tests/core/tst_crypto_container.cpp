#include "container_encoder.h"
#include "storage/crypto_container.h"
#include "storage/crypto_key.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using test::ContainerParts;

namespace {

const QByteArray Text = QByteArrayLiteral("Zentrix 2.9.2.1\r\noa \xCE\xF0\xE2\xE0-1\r\nla1 1\r\n");
const QByteArray KeyBytes = "secret"; // the key the sample containers are made with

ContainerParts sampleParts()
{
    ContainerParts parts;
    parts.text = Text;
    parts.keyBytes = test::RepeatKeyBytes(KeyBytes);
    parts.deviceName = "Object 17";
    parts.identifier = "0123456789AB";
    parts.filler = 11;
    return parts;
}

// A container whose stream is given as it is (for offsets and checksums the encoder would not write).
QByteArray containerOfStream(const QByteArray &stream)
{
    const ContainerParts parts = sampleParts();
    return test::AssembleContainer(parts, test::EncryptContainerStream(stream, parts.keyBytes));
}

CryptoDecodeResult decodeWith(const QByteArray &file, const QString &key)
{
    return DecodeCryptoContainer(file, PrepareCryptoKey(key));
}

} // namespace

class TestCryptoContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("text");

        const QByteArray sample = test::EncodeContainer(sampleParts());
        const QString key = QStringLiteral("secret");
        QTest::newRow("sample") << sample << key << 0 << Text;

        ContainerParts parts = sampleParts();
        parts.signatureLine = "  \xEF\xEF\xEA\xEE\xEF zentrix-orva \t";
        QTest::newRow("lower-case signature with blanks") << test::EncodeContainer(parts) << key << 0 << Text;
        parts = sampleParts();
        parts.lineBreaks = "\r\n\r\n\n\r\r";
        QTest::newRow("several CR and LF") << test::EncodeContainer(parts) << key << 0 << Text;
        parts.lineBreaks = "\n";
        QTest::newRow("LF alone") << test::EncodeContainer(parts) << key << 0 << Text;
        parts.lineBreaks = "";
        QTest::newRow("no line break after the signature")
            << test::EncodeContainer(parts) << key << 1 << QByteArray();

        // Offsets past n-4 leave the text empty; its checksum is then 0xFFFF.
        const QByteArray filler("\x11\x22\x33\x44\x55", 5);
        QTest::newRow("offset past n-4, checksum FFFF")
            << containerOfStream(filler + "\xFF\xFF\x07") << key << 0 << QByteArray();
        QTest::newRow("offset 255 in one block, checksum FFFF")
            << containerOfStream(filler + "\xFF\xFF\xFF") << key << 0 << QByteArray();
        QTest::newRow("offset past n-4, checksum 0000")
            << containerOfStream(filler + QByteArray("\x00\x00\x07", 3)) << key << 4 << QByteArray();
        QTest::newRow("offset at n-4: one byte of text")
            << containerOfStream(test::MakeContainerStream("X", 4)) << key << 0 << QByteArray("X");
        // Without filler the first text byte is un-chained against the value 0 before the stream.
        QTest::newRow("no filler") << containerOfStream(test::MakeContainerStream("abcde", 0)) << key << 0
                                   << QByteArray("abcde");
        QTest::newRow("255 filler bytes") << containerOfStream(test::MakeContainerStream("abcdef", 255))
                                          << key << 0 << QByteArray("abcdef");
        QTest::newRow("line breaks kept as stored")
            << containerOfStream(test::MakeContainerStream("a\nb\rc\r\n", 8)) << key << 0
            << QByteArray("a\nb\rc\r\n");

        QTest::newRow("key written twice") << sample << QStringLiteral("secretsecret") << 0 << Text;
        QTest::newRow("key with blanks") << sample << QStringLiteral(" \tsecret  ") << 0 << Text;
        parts = sampleParts();
        parts.keyBytes = test::RepeatKeyBytes("\xEA\xEB\xFE\xF7 \xCE\xF0\xE2\xE0");
        QTest::newRow("Cyrillic key")
            << test::EncodeContainer(parts) << QStringLiteral("ключ Орва") << 0 << Text;
        QTest::newRow("wrong key") << sample << QStringLiteral("secreT") << 4 << QByteArray();
        QTest::newRow("key with a character outside Windows-1251")
            << sample << QStringLiteral("secret\u4E2D") << 4 << QByteArray();
        QTest::newRow("empty key") << sample << QString() << 3 << QByteArray();
        QTest::newRow("blank key") << sample << QStringLiteral(" \r\n") << 3 << QByteArray();
        QTest::newRow("empty key beats a bad file") << QByteArray("junk") << QString() << 3 << QByteArray();

        QTest::newRow("empty file") << QByteArray() << key << 1 << QByteArray();
        QTest::newRow("other signature")
            << QByteArray("[config]\r\n" + sample.mid(20)) << key << 1 << QByteArray();
        QTest::newRow("plain configuration")
            << QByteArray("Zentrix 2.9\r\nla1 1\r\n") << key << 1 << QByteArray();
        const qsizetype bodyStart = test::ContainerSignatureLine.size() + 2 + 22;
        QTest::newRow("signature alone") << test::ContainerSignatureLine << key << 2 << QByteArray();
        QTest::newRow("signature and CR LF")
            << sample.first(test::ContainerSignatureLine.size() + 2) << key << 2 << QByteArray();
        QTest::newRow("header cut short") << sample.first(bodyStart - 5) << key << 2 << QByteArray();
        QTest::newRow("header without body") << sample.first(bodyStart) << key << 2 << QByteArray();
        QTest::newRow("body one byte over") << QByteArray(sample + 'x') << key << 2 << QByteArray();
        QTest::newRow("body one byte short") << sample.chopped(1) << key << 2 << QByteArray();

        // The sample's first block is all filler: damage there changes only filler bytes (and through the
        // chaining the first byte of the next block, still filler), which the checksum does not cover.
        QByteArray damaged = sample;
        damaged[bodyStart + 3] = char(damaged[bodyStart + 3] ^ 0x10);
        QTest::newRow("damaged filler block") << damaged << key << 0 << Text;
        damaged = sample;
        damaged[bodyStart + 19] = char(damaged[bodyStart + 19] ^ 0x10);
        QTest::newRow("damaged text block") << damaged << key << 4 << QByteArray();
        damaged = sample;
        damaged[damaged.size() - 1] = char(damaged[damaged.size() - 1] ^ 0x01);
        QTest::newRow("damaged last block") << damaged << key << 4 << QByteArray();
        damaged = sample;
        damaged[test::ContainerSignatureLine.size() + 2] = 'Z';
        QTest::newRow("changed device name") << damaged << key << 0 << Text;
    }

    void decode()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(int, code);
        QFETCH(QByteArray, text);
        const CryptoDecodeResult result = decodeWith(file, key);
        QCOMPARE(int(result.code), code);
        QCOMPARE(result.textBytes, text);
    }

    void keyOutsideWindows1251IsExplained()
    {
        const CryptoDecodeResult result =
            decodeWith(test::EncodeContainer(sampleParts()), QStringLiteral("ключ\u4E2D"));
        QCOMPARE(result.code, CryptoResult::WrongKey);
        QVERIFY2(result.detail.contains(u"U+4E2D"), qPrintable(result.detail));
    }

    void textIsOneCharacterPerByte()
    {
        const CryptoDecodeResult result =
            decodeWith(test::EncodeContainer(sampleParts()), QStringLiteral("secret"));
        QVERIFY(result.ok());
        QCOMPARE(result.text(), QStringLiteral("Zentrix 2.9.2.1\r\noa Орва-1\r\nla1 1\r\n"));
    }

    // Only the first 64001 bytes count: a container of exactly that size decodes whatever follows it,
    // and a container one block longer is cut inside its body.
    void readLimit()
    {
        QByteArray text;
        while (text.size() < 63944)
            text += "ua15 \xCA\xEB\xFE\xF7-15 ************ \r\n";
        text.truncate(63944);
        ContainerParts parts = sampleParts();
        parts.text = text;
        parts.filler = 13;
        parts.lineBreaks = "\n";
        const QByteArray container = test::EncodeContainer(parts);
        QCOMPARE(container.size(), qsizetype(CryptoFileReadLimit));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("big.cry"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(container + QByteArray(5000, '\x5A')));
        file.close();
        const QString key = PrepareCryptoKey(u"secret");
        CryptoDecodeResult result = LoadCryptoFile(path, key);
        QCOMPARE(result.code, CryptoResult::Decoded);
        QCOMPARE(result.textBytes, text);
        QCOMPARE(DecodeCryptoContainer(QByteArray(container + "tail"), key).code, CryptoResult::Decoded);

        // One block longer: the first 64001 bytes end on a block boundary and lack the last block.
        parts.text = text + "12345678";
        const QByteArray longer = test::EncodeContainer(parts);
        QCOMPARE(longer.size(), qsizetype(CryptoFileReadLimit + 8));
        QCOMPARE(DecodeCryptoContainer(longer, key).code, CryptoResult::WrongKey);
        // With one more line-break byte the cut falls inside a block.
        parts.lineBreaks = "\r\n";
        const QByteArray shifted = test::EncodeContainer(parts);
        QCOMPARE(shifted.size(), qsizetype(CryptoFileReadLimit + 9));
        QCOMPARE(DecodeCryptoContainer(shifted, key).code, CryptoResult::BadSize);
    }

    void loadFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("detail");
        QTest::newRow("container") << QStringLiteral("config.cry") << QStringLiteral("secret") << 0 << false;
        QTest::newRow("missing file")
            << QStringLiteral("missing.cry") << QStringLiteral("secret") << 1 << true;
        QTest::newRow("folder") << QStringLiteral("folder.cry") << QStringLiteral("secret") << 1 << true;
        QTest::newRow("empty key, missing file") << QStringLiteral("missing.cry") << QString() << 3 << false;
    }

    void loadFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(int, code);
        QFETCH(bool, detail);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath(QStringLiteral("config.cry")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(test::EncodeContainer(sampleParts()));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.cry")));

        const CryptoDecodeResult result = LoadCryptoFile(dir.filePath(name), PrepareCryptoKey(key));
        QCOMPARE(int(result.code), code);
        QCOMPARE(!result.detail.isEmpty(), detail);
        QCOMPARE(result.textBytes, code == 0 ? Text : QByteArray());
    }

    void failureMessages()
    {
        const CryptoFailureMessage signature = CryptoFailureMessageFor(CryptoResult::BadSignature);
        QCOMPARE(signature.headline,
                 QStringLiteral("Ошибка контрольной сигнатуры файла конфигурации - файл не "
                                "относится к \"Zentrix\" ППКОП Orva"));
        QCOMPARE(signature.hint, QStringLiteral("Проверьте источник файла"));
        const CryptoFailureMessage size = CryptoFailureMessageFor(CryptoResult::BadSize);
        QCOMPARE(size.headline, QStringLiteral("Ошибка размера файла конфигурации - файл не верный "));
        QCOMPARE(size.hint, QStringLiteral("Проверьте источник файла"));
        QVERIFY(CryptoFailureMessageFor(CryptoResult::WrongKey).isEmpty());
        QVERIFY(CryptoFailureMessageFor(CryptoResult::EmptyKey).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCryptoContainer)
#include "tst_crypto_container.moc"
