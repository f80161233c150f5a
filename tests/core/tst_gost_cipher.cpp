#include "reference_gost.h"
#include "storage/gost_cipher.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace orva;

namespace {

// RFC 8891 and GOST R 34.13-2015 write keys and blocks big-endian (the key's first word first, a block
// as one 64-bit number). GOST 28147-89, as libgcrypt implements it, reads key words and block halves
// little-endian: each 32-bit key word's bytes are reversed, and a block's eight bytes are reversed.
QByteArray keyInGostOrder(const QByteArray &bigEndianHex)
{
    QByteArray key = QByteArray::fromHex(bigEndianHex);
    for (qsizetype word = 0; word < key.size(); word += 4)
        std::reverse(key.begin() + word, key.begin() + word + 4);
    return key;
}

QByteArray blocksInGostOrder(const QByteArray &bigEndianHex)
{
    QByteArray blocks = QByteArray::fromHex(bigEndianHex);
    for (qsizetype block = 0; block < blocks.size(); block += 8)
        std::reverse(blocks.begin() + block, blocks.begin() + block + 8);
    return blocks;
}

const QByteArray StandardKey = "ffeeddccbbaa99887766554433221100f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff";

} // namespace

class TestGostCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void libraryInitialisesOnce()
    {
        const CryptoLibraryStatus &first = InitializeCryptoLibrary();
        QVERIFY2(first.ok, qPrintable(first.error));
        QCOMPARE(&InitializeCryptoLibrary(), &first);
    }

    void standardVectors_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("cipher");
        // RFC 8891, A.1 (one block).
        QTest::newRow("RFC 8891 block") << QByteArray("fedcba9876543210") << QByteArray("4ee901e5c2d8ca3d");
        // GOST R 34.13-2015, electronic-codebook example with the same key (four blocks).
        QTest::newRow("GOST R 34.13-2015 ECB")
            << QByteArray("92def06b3c130a59db54c704f8189d204a98fb2e67a8024c8912409b17b57e41")
            << QByteArray("2b073f0494f372a0de70e715d3556e4811d8d9e9eacfbc1e7c68260996c67efb");
    }

    void standardVectors()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);
        const QByteArray key = keyInGostOrder(StandardKey);
        const GostResult decrypted = DecryptGostEcb(key, blocksInGostOrder(cipher));
        QVERIFY2(decrypted.ok(), qPrintable(decrypted.error));
        QCOMPARE(decrypted.bytes.toHex(), blocksInGostOrder(plain).toHex());
        // The reference cipher that makes the tests' containers meets the same vectors.
        QCOMPARE(test::ReferenceGostEncrypt(key, blocksInGostOrder(plain)).toHex(),
                 blocksInGostOrder(cipher).toHex());
        QCOMPARE(test::ReferenceGostDecrypt(key, blocksInGostOrder(cipher)).toHex(),
                 blocksInGostOrder(plain).toHex());
    }

    // libgcrypt as configured and the reference agree on arbitrary keys and blocks, so the container's
    // layout (key words, block halves, table rows per nibble) is the one the program decrypts.
    void agreesWithReference()
    {
        QRandomGenerator random(20240607);
        for (int round = 0; round < 64; ++round) {
            QByteArray key(32, Qt::Uninitialized);
            QByteArray data(8 * (1 + round % 5), Qt::Uninitialized);
            for (char &c : key)
                c = char(random.bounded(256));
            for (char &c : data)
                c = char(random.bounded(256));
            const GostResult decrypted = DecryptGostEcb(key, data);
            QVERIFY2(decrypted.ok(), qPrintable(decrypted.error));
            QCOMPARE(decrypted.bytes, test::ReferenceGostDecrypt(key, data));
            QCOMPARE(test::ReferenceGostEncrypt(key, decrypted.bytes), data);
        }
    }

    void emptyDataDecryptsToNothing()
    {
        const GostResult decrypted = DecryptGostEcb(QByteArray(32, 'k'), QByteArrayView());
        QVERIFY(decrypted.ok());
        QVERIFY(decrypted.bytes.isEmpty());
    }

    void refusesWrongSizes_data()
    {
        QTest::addColumn<int>("keySize");
        QTest::addColumn<int>("dataSize");
        QTest::newRow("short key") << 31 << 8;
        QTest::newRow("long key") << 33 << 8;
        QTest::newRow("broken block") << 32 << 9;
        QTest::newRow("less than a block") << 32 << 7;
    }

    void refusesWrongSizes()
    {
        QFETCH(int, keySize);
        QFETCH(int, dataSize);
        const GostResult decrypted = DecryptGostEcb(QByteArray(keySize, 'k'), QByteArray(dataSize, 'd'));
        QVERIFY(!decrypted.ok());
        QVERIFY(decrypted.bytes.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestGostCipher)
#include "tst_gost_cipher.moc"
