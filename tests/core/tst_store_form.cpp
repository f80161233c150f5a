#include "device_model/store_form.h"
#include "model_probe.h"
#include "storage/config_file.h"

#include <QTest>

using namespace orva;
using orva::test::probe;

namespace {

T_Command_DEVICE storedFrom(const char *text)
{
    T_Command_DEVICE model;
    LoadConfigurationText(QString::fromUtf8(text), model);
    ApplyStoreForm(model);
    return model;
}

QString dialOrder(const T_Command_DEVICE &model)
{
    QStringList order;
    for (const T_Command &r : model.records(Cmd::dn))
        order << QStringLiteral("%1:%2").arg(r.number()).arg(r.value(1));
    return order.join(u' ');
}

} // namespace

class TestStoreForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fields_data();
    void fields();
    void dialPhonesSortedStably();
    void deliveryLimits_data();
    void deliveryLimits();
    void storeFormIsStable();
};

void TestStoreForm::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const auto row = orva::test::addProbeRow;
    row("gprs mode above 1", "sm-3\r\nci-1\r\n", {"sm v1=1", "ci v1=1"});
    row("gprs off clears arming lock", "sm-0\r\nci-1\r\n", {"sm v1=0", "ci v1=0"});
    row("identifier short", "gi-12ab\r\n", {"gi t1=0000000012AB"});
    row("identifier grouped", "gi-12,5678\r\n", {"gi t1=000000125678"});
    row("identifier long cut", "gi-123456789abcdef0\r\n", {"gi t1=123456789ABC"});
    row("identifier empty", "gi-\r\n", {"gi t1=000000000000"});
    row("key part", "gk2-a1b2\r\n", {"gk2 t1=000000000000A1B2", "gk1 t1=0000000000000000"});
    row("server address", "gs1-10,0,0,1.10001\r\n", {"gs1 t1=010,000,000,001", "gs2 t1=000,000,000,000"});
    row("apn points", "ga1-internet,mts,ru\r\n", {"ga1 t1=internet,mts,ru"});
    row("typed key alias cut", "ua01-*ABCDEFGHIJK\r\nua02-ABCDEFGHIJKL\r\nua03-!Boss\r\n",
        {"ua1 t1=*ABCDEFGHI", "ua2 t1=ABCDEFGHIJKL", "ua3 t1=!Boss"});
}

void TestStoreForm::fields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    T_Command_DEVICE model;
    LoadConfigurationText(text, model);
    ApplyStoreForm(model);
    orva::test::verifyProbes(model, expected);
}

void TestStoreForm::dialPhonesSortedStably()
{
    const T_Command_DEVICE model = storedFrom("dn1-4.+71\r\ndn2-1.+72\r\ndn3-7.+73\r\ndn4-5.+74\r\n"
                                              "dn5-6.+75\r\ndn6-1.+76\r\ndn8-7.+78\r\n");
    QCOMPARE(dialOrder(model), QStringLiteral("3:7 8:7 5:6 4:5 2:1 6:1 1:4 7:0 9:0"));
    QCOMPARE(model.records(Cmd::dn).at(0).text(2), QStringLiteral("+73"));
}

void TestStoreForm::deliveryLimits_data()
{
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QString>("modes");
    QTest::newRow("with connection") << 0 << QStringLiteral("1:1 2:2 3:3 4:4");
    QTest::newRow("call then connection") << 1 << QStringLiteral("1:1 3:1 4:1 2:2");
    QTest::newRow("call only") << 2 << QStringLiteral("1:1 2:1 3:1 4:1");
}

void TestStoreForm::deliveryLimits()
{
    QFETCH(int, delivery);
    QFETCH(QString, modes);
    T_Command_DEVICE model;
    LoadConfigurationText(
        QStringLiteral("dn1-1.+71\r\ndn2-2.+72\r\ndn3-3.+73\r\ndn4-4.+74\r\nds-%1\r\n").arg(delivery), model);
    ApplyStoreForm(model);
    QVERIFY(dialOrder(model).startsWith(modes));
}

void TestStoreForm::storeFormIsStable()
{
    T_Command_DEVICE once = storedFrom("sm-2\r\ngi-abc\r\ngs3-1,2,3,4.20000\r\ndn1-0.\r\ndn2-5.+7\r\n"
                                       "ua05-!ABCDEFGHIJK\r\ndp-3.0\r\n");
    T_Command_DEVICE twice = once;
    ApplyStoreForm(twice);
    QVERIFY(SameModel(once, twice));
    QCOMPARE(probe(once, QStringLiteral("dp v1")), QStringLiteral("3"));
    QCOMPARE(probe(once, QStringLiteral("dp v2")), QStringLiteral("0"));
    // What is saved reads back as the same stored form.
    T_Command_DEVICE reread;
    LoadConfigurationText(ConfigurationTextFromBytes(EncodeConfiguration(once).bytes), reread);
    ApplyStoreForm(reread);
    QCOMPARE(EncodeConfiguration(reread).bytes, EncodeConfiguration(once).bytes);
}

QTEST_APPLESS_MAIN(TestStoreForm)
#include "tst_store_form.moc"
