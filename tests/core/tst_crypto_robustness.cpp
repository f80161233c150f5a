#include "container_encoder.h"
#include "storage/crypto_container.h"
#include "storage/crypto_header.h"
#include "storage/crypto_key.h"

#include <QRandomGenerator>
#include <QTest>

using namespace orva;

// Damaged, cut and random input never crashes and never reads outside the bytes or the decoded stream
// (the suite is also run under AddressSanitizer); each gives a defined code and no text unless decoded.
class TestCryptoRobustness : public QObject
{
    Q_OBJECT

    QString m_key = PrepareCryptoKey(u"robust");

    test::ContainerParts parts() const
    {
        test::ContainerParts p;
        p.text = "Zentrix 2.9.2.1\r\nlm1 2 30\r\nrm1 4 5\r\n";
        p.keyBytes = test::RepeatKeyBytes("robust");
        p.deviceName = "Stock-7";
        p.identifier = "ABCDEF012345";
        p.filler = 20;
        return p;
    }

private Q_SLOTS:
    // Every prefix of a container: a cut signature is a signature error, a cut header or broken block a
    // size error, a prefix of whole blocks a checksum error; only the whole file decodes.
    void truncatedFiles()
    {
        const QByteArray file = test::EncodeContainer(parts());
        const qsizetype signature = test::ContainerSignatureLine.size();
        const qsizetype bodyStart = signature + 2 + 22;
        for (qsizetype size = 0; size <= file.size(); ++size) {
            const CryptoDecodeResult result = DecodeCryptoContainer(file.first(size), m_key);
            CryptoResult expected = CryptoResult::WrongKey;
            if (size < signature)
                expected = CryptoResult::BadSignature;
            else if (size <= bodyStart || (size - bodyStart) % 8 != 0)
                expected = CryptoResult::BadSize;
            else if (size == file.size())
                expected = CryptoResult::Decoded;
            QVERIFY2(result.code == expected, qPrintable(QStringLiteral("prefix of %1 bytes").arg(size)));
            QCOMPARE(result.textBytes.isEmpty(), !result.ok());
            const CryptoFileHeader header = ParseCryptoFileHeader(file.first(size));
            QCOMPARE(header.valid, size > bodyStart);
        }
    }

    // Random bodies of every length up to 40 blocks after a valid header.
    void randomBodies()
    {
        const QByteArray header = test::AssembleContainer(parts(), QByteArrayView());
        QRandomGenerator random(4711);
        for (int round = 0; round < 3000; ++round) {
            QByteArray body(random.bounded(321), Qt::Uninitialized);
            for (char &c : body)
                c = char(random.bounded(256));
            const CryptoDecodeResult result = DecodeCryptoContainer(QByteArray(header + body), m_key);
            if (body.isEmpty() || body.size() % 8 != 0) {
                QCOMPARE(result.code, CryptoResult::BadSize);
            } else {
                // A random body passes its 16-bit checksum about once in 65536 tries.
                QVERIFY(result.code == CryptoResult::WrongKey || result.code == CryptoResult::Decoded);
                QVERIFY(result.textBytes.size() <= body.size() - 3);
            }
            QCOMPARE(result.textBytes.isEmpty() || result.ok(), true);
        }
    }

    // Random bytes anywhere, with the signature line or without, through decoding and header reading.
    void randomFiles()
    {
        QRandomGenerator random(1234);
        for (int round = 0; round < 2000; ++round) {
            QByteArray file(random.bounded(200), Qt::Uninitialized);
            for (char &c : file)
                c = char(random.bounded(256));
            if (round % 2 == 0)
                file.prepend(test::ContainerSignatureLine + QByteArray(random.bounded(4), '\n'));
            const CryptoDecodeResult result = DecodeCryptoContainer(file, m_key);
            QVERIFY(result.code != CryptoResult::EmptyKey && result.code != CryptoResult::CipherUnavailable);
            QVERIFY(result.ok() || result.textBytes.isEmpty());
            const CryptoFileHeader header = ParseCryptoFileHeader(file);
            QCOMPARE(header.identifier.size(), 14);
            QVERIFY(header.valid || header.deviceName.isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(TestCryptoRobustness)
#include "tst_crypto_robustness.moc"
