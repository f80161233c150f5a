#include "storage/crc16.h"

#include <QTest>

using namespace orva;

class TestCrc16 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("crc");
        // The catalogue check value of CRC-16/MODBUS.
        QTest::newRow("check value") << QByteArray("123456789") << 0x4B37;
        // An empty range keeps the initial value.
        QTest::newRow("empty") << QByteArray() << 0xFFFF;
        // A Modbus RTU request (read one holding register of unit 1) whose frame ends in 84 0A.
        QTest::newRow("Modbus frame") << QByteArray::fromHex("010300000001") << 0x0A84;
    }

    void knownValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, crc);
        QCOMPARE(int(Crc16Modbus(bytes)), crc);
    }

    // Appending the CRC low byte first to a message gives a residue of 0: the property Modbus receivers use.
    void residueIsZero()
    {
        QByteArray message("\xCF\xCF\xCA\xCE\xCF configuration\r\n");
        const quint16 crc = Crc16Modbus(message);
        message.append(char(crc & 0xFF));
        message.append(char(crc >> 8));
        QCOMPARE(int(Crc16Modbus(message)), 0);
    }
};

QTEST_APPLESS_MAIN(TestCrc16)
#include "tst_crc16.moc"
