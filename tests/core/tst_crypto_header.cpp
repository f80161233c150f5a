#include "container_encoder.h"
#include "storage/crypto_header.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

namespace {

QByteArray header(const QByteArray &lineBreaks, const QByteArray &name, const QByteArray &identifier,
                  qsizetype bodyBytes)
{
    test::ContainerParts parts;
    parts.lineBreaks = lineBreaks;
    parts.deviceName = name;
    parts.identifier = identifier;
    return test::AssembleContainer(parts, QByteArray(bodyBytes, '\x42'));
}

} // namespace

class TestCryptoHeader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("identifier");

        const QByteArray crlf("\r\n");
        QTest::newRow("whole container") << header(crlf, "Object 17", "123456789ABC", 16) << true
                                         << QStringLiteral("Object 17 ") << QStringLiteral("1234-5678-9ABC");
        QTest::newRow("Cyrillic name, one character per byte")
            << header(crlf, "\xCE\xF0\xE2\xE0\x98-1\x01\x02\x03", "abcdef012345", 8) << true
            << QStringLiteral("Орва\u0098-1\u0001\u0002\u0003") << QStringLiteral("abcd-ef01-2345");
        QTest::newRow("identifier with a dash")
            << header(crlf, "A", "12-5678", 8) << true << QStringLiteral("A         ")
            << QStringLiteral("1200-5678-0000");
        QTest::newRow("blank identifier") << header(crlf, "A", "", 8) << true << QStringLiteral("A         ")
                                          << QStringLiteral("0000-0000-0000");
        QTest::newRow("one body byte is enough")
            << header(crlf, "Short", "FFFF0000AAAA", 1) << true << QStringLiteral("Short     ")
            << QStringLiteral("FFFF-0000-AAAA");

        QByteArray lower = header(crlf, "Object", "123456789ABC", 8);
        lower.replace(0, test::ContainerSignatureLine.size(), " \xEF\xEF\xEA\xEE\xEF zentrix-ORVA ");
        QTest::newRow("lower-case signature with blanks")
            << lower << true << QStringLiteral("Object    ") << QStringLiteral("1234-5678-9ABC");

        // The fields count only when a body byte follows them within the first 100 bytes.
        const qsizetype fixed = test::ContainerSignatureLine.size() + 22;
        QTest::newRow("body starts at byte 99")
            << header(QByteArray(99 - fixed, '\n'), "Edge", "000000000001", 8) << true
            << QStringLiteral("Edge      ") << QStringLiteral("0000-0000-0001");
        QTest::newRow("body starts at byte 100")
            << header(QByteArray(100 - fixed, '\n'), "Edge", "000000000001", 8) << false << QString()
            << QStringLiteral("0000-0000-0000");
        QTest::newRow("no body") << header(crlf, "Object", "123456789ABC", 0) << false << QString()
                                 << QStringLiteral("0000-0000-0000");
        QTest::newRow("cut in the identifier") << header(crlf, "Object", "123456789ABC", 0).chopped(4)
                                               << false << QString() << QStringLiteral("0000-0000-0000");
        QTest::newRow("bad signature") << QByteArray("[config]\r\nObject    123456789ABC12345678") << false
                                       << QString() << QStringLiteral("0000-0000-0000");
        QTest::newRow("empty") << QByteArray() << false << QString() << QStringLiteral("0000-0000-0000");
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, name);
        QFETCH(QString, identifier);
        const CryptoFileHeader parsed = ParseCryptoFileHeader(bytes);
        QCOMPARE(parsed.valid, valid);
        QCOMPARE(parsed.deviceName, name);
        QCOMPARE(parsed.identifier, identifier);
    }

    void readFromFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("panel.cry"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header("\r\n", "Panel 3", "00AB00CD00EF", 4096));
        file.close();
        const CryptoFileHeader read = ReadCryptoFileHeader(path);
        QVERIFY(read.valid);
        QCOMPARE(read.deviceName, QStringLiteral("Panel 3   "));
        QCOMPARE(read.identifier, QStringLiteral("00AB-00CD-00EF"));

        const CryptoFileHeader missing = ReadCryptoFileHeader(dir.filePath(QStringLiteral("missing.cry")));
        QVERIFY(!missing.valid);
        QCOMPARE(missing.identifier, QStringLiteral("0000-0000-0000"));
        QVERIFY(!ReadCryptoFileHeader(dir.path()).valid);
    }
};

QTEST_GUILESS_MAIN(TestCryptoHeader)
#include "tst_crypto_header.moc"
