#include "config_text/writer.h"
#include "device_model/device.h"

#include <QTest>

using namespace orva;

class TestCommandModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void instanceCounts_data();
    void instanceCounts();
    void namedCounts_data();
    void namedCounts();
    void freshRecordDefaults();
    void recordAccessors();
    void resetKeepsCodeNumberCount();
    void factoryDefaults();
    void loopZones();
    void relayAndKeyZones();
};

void TestCommandModel::instanceCounts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("ua") << int(Cmd::ua) << 1 << 15;
    QTest::newRow("uz") << int(Cmd::uz) << 1 << 15;
    for (auto [name, code] : {std::pair{"sn", Cmd::sn}, {"su", Cmd::su}, {"dn", Cmd::dn}})
        QTest::newRow(name) << int(code) << 1 << 9;
    QTest::newRow("gs") << int(Cmd::gs) << 1 << 6;
    for (auto [name, code] : {std::pair{"la", Cmd::la},
                              {"lm", Cmd::lm},
                              {"rm", Cmd::rm},
                              {"zn", Cmd::zn},
                              {"rz", Cmd::rz},
                              {"gk", Cmd::gk}})
        QTest::newRow(name) << int(code) << 1 << 4;
    for (auto [name, code] : {std::pair{"ks", Cmd::ks},
                              {"ph", Cmd::ph},
                              {"ga", Cmd::ga},
                              {"gl", Cmd::gl},
                              {"gp", Cmd::gp},
                              {"cb", Cmd::cb},
                              {"ct", Cmd::ct}})
        QTest::newRow(name) << int(code) << 1 << 2;
    for (auto [name, code] : {std::pair{"Zentrix", Cmd::Zentrix}, {"xo", Cmd::xo}, {"fe", Cmd::fe}})
        QTest::newRow(name) << int(code) << 0 << 1;
}

void TestCommandModel::instanceCounts()
{
    QFETCH(int, code);
    QFETCH(int, first);
    QFETCH(int, count);
    T_Command_DEVICE model;
    const QList<T_Command> &records = model.records(quint8(code));
    QCOMPARE(records.size(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(int(records[i].code()), code);
        QCOMPARE(records[i].number(), first + i);
    }
}

// The model's named counts, which the pages, checks and record count by, are the instance counts of
// every row of that thing.
void TestCommandModel::namedCounts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("count");
    using D = T_Command_DEVICE;
    QTest::newRow("loops la") << int(Cmd::la) << D::LoopCount;
    QTest::newRow("loops lm") << int(Cmd::lm) << D::LoopCount;
    QTest::newRow("relays rm") << int(Cmd::rm) << D::RelayCount;
    QTest::newRow("relays rz") << int(Cmd::rz) << D::RelayCount;
    QTest::newRow("keys ua") << int(Cmd::ua) << D::KeyCount;
    QTest::newRow("keys uz") << int(Cmd::uz) << D::KeyCount;
    QTest::newRow("zones zn") << int(Cmd::zn) << D::ZoneCount;
    QTest::newRow("phones sn") << int(Cmd::sn) << D::PhoneCount;
    QTest::newRow("phones su") << int(Cmd::su) << D::PhoneCount;
    QTest::newRow("phones dn") << int(Cmd::dn) << D::PhoneCount;
    QTest::newRow("servers gs") << int(Cmd::gs) << D::ServerCount;
    QTest::newRow("servers of both SIMs") << int(Cmd::gs) << D::SimCount * D::ServersPerSim;
    for (auto [name, code] : {std::pair{"SIMs ph", Cmd::ph},
                              {"SIMs ga", Cmd::ga},
                              {"SIMs gl", Cmd::gl},
                              {"SIMs gp", Cmd::gp},
                              {"SIMs cb", Cmd::cb}})
        QTest::newRow(name) << int(code) << D::SimCount;
    QTest::newRow("key parts gk") << int(Cmd::gk) << D::GprsKeyPartCount;
}

void TestCommandModel::namedCounts()
{
    QFETCH(int, code);
    QFETCH(int, count);
    QCOMPARE(CommandRowOf(quint8(code)).instanceCount(), count);
    QCOMPARE(CommandRowOf(quint8(code)).firstInstance, 1);
}

void TestCommandModel::freshRecordDefaults()
{
    T_Command_DEVICE model;
    QCOMPARE(model.record(Cmd::lm, 1).value(1), 7);
    QCOMPARE(model.record(Cmd::rm, 1).value(1), 0); // outside its own range 1..10
    QCOMPARE(model.record(Cmd::gs, 1).value(2), 10001);
    QCOMPARE(model.record(Cmd::gd).value(1), 15);
    QCOMPARE(model.record(Cmd::gd).value(2), 30);
    QCOMPARE(model.record(Cmd::gt).value(1), 5);
    QCOMPARE(model.record(Cmd::gt).value(2), 2);
    QCOMPARE(model.record(Cmd::Zentrix).text(1), QString());
    QCOMPARE(CommandTable().size(), std::size_t(48));
}

void TestCommandModel::recordAccessors()
{
    T_Command r(Cmd::lm, 2);
    QCOMPARE(r.value(0), 2);
    r.setValue(3, 99);
    QCOMPARE(r.value(3), 0);
    r.setText(0, QStringLiteral("x"));
    r.setText(3, QStringLiteral("x"));
    QCOMPARE(r.text(0), QString());
    QCOMPARE(r.text(3), QString());
    QCOMPARE(r.text(1), QString());
    r.setItem(0, 4);
    r.setItem(6, 4);
    QCOMPARE(r.item(0), 0);
    QCOMPARE(r.item(6), 0);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(r.item(i), 0);
    QCOMPARE(r.value(1), 7);
    QCOMPARE(r.value(2), 90);

    T_Command empty;
    QCOMPARE(int(empty.code()), 0);
    QCOMPARE(empty.value(1), 0);
    empty.CopyFrom(r);
    QVERIFY(SameRecord(empty, r));
}

void TestCommandModel::resetKeepsCodeNumberCount()
{
    T_Command r(Cmd::su, 4);
    r.setCount(3);
    r.setItem(1, 5);
    r.setItem(3, 7);
    r.setText(2, QStringLiteral("+7"));
    r.setValue(1, 9);
    r.Reset();
    QCOMPARE(int(r.count()), 3);
    QCOMPARE(r.number(), 4);
    QCOMPARE(int(r.code()), int(Cmd::su));
    QCOMPARE(r.item(1), 0);
    QCOMPARE(r.item(3), 0);
    QCOMPARE(r.text(2), QString());
    QCOMPARE(r.value(1), 0);
}

void TestCommandModel::factoryDefaults()
{
    T_Command_DEVICE model;
    model.record(Cmd::oa).setText(1, QStringLiteral("x"));
    model.record(Cmd::ks, 1).setText(1, QStringLiteral("key"));
    model.ResetToDefaults();
    QCOMPARE(model.record(Cmd::Zentrix).text(1), QStringLiteral("Config Orva soft v.3.0"));
    QCOMPARE(model.record(Cmd::oa).text(1), QString());
    QCOMPARE(model.record(Cmd::ks, 1).text(1), QString());
    const int loopModes[] = {1, 4, 2, 12};
    const int relayModes[] = {4, 2, 0, 0};
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(model.record(Cmd::lm, n).value(1), loopModes[n - 1]);
        QCOMPARE(model.record(Cmd::rm, n).value(1), relayModes[n - 1]);
        QCOMPARE(model.ZoneOfLoop(n), 1);
        QVERIFY(model.RelayHasZone(n, 1));
        QVERIFY(!model.RelayHasZone(n, 2));
    }
    for (int key = 1; key <= 15; ++key)
        QVERIFY(model.KeyHasZone(key, 1));
    QCOMPARE(model.IndicatorZone(), 1);
}

void TestCommandModel::loopZones()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.SetLoopZone(3, 2);
    QCOMPARE(model.record(Cmd::zn, 1).item(3), 0);
    QCOMPARE(model.record(Cmd::zn, 1).item(4), 4);
    QCOMPARE(model.record(Cmd::zn, 2).item(1), 3);
    QCOMPARE(model.ZoneOfLoop(3), 2);
    QCOMPARE(FormatCommandLine(model.record(Cmd::zn, 1)), QStringLiteral("zn1-1,2,4"));
    QCOMPARE(FormatCommandLine(model.record(Cmd::zn, 2)), QStringLiteral("zn2-3"));
    model.SetLoopZone(3, 0);
    QCOMPARE(model.ZoneOfLoop(3), 0);
    QCOMPARE(FormatCommandLine(model.record(Cmd::zn, 2)), QStringLiteral("zn2-"));
    // A loop listed twice is cleared everywhere before it is put back once.
    model.record(Cmd::zn, 4).setItem(5, 1);
    model.SetLoopZone(1, 3);
    QCOMPARE(FormatCommandLine(model.record(Cmd::zn, 1)), QStringLiteral("zn1-2,4"));
    QCOMPARE(FormatCommandLine(model.record(Cmd::zn, 3)), QStringLiteral("zn3-1"));
    QCOMPARE(FormatCommandLine(model.record(Cmd::zn, 4)), QStringLiteral("zn4-"));
}

void TestCommandModel::relayAndKeyZones()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.SetRelayZone(1, 2, true);
    model.SetRelayZone(1, 1, false);
    QCOMPARE(model.record(Cmd::rz, 1).item(1), 0);
    QCOMPARE(model.record(Cmd::rz, 1).item(2), 2);
    QCOMPARE(FormatCommandLine(model.record(Cmd::rz, 1)), QStringLiteral("rz1-2"));
    // Five items taken (a file may list anything): another zone is silently not added.
    T_Command &taken = model.record(Cmd::rz, 2);
    const int items[] = {1, 1, 2, 3, 5};
    for (int item = 1; item <= 5; ++item)
        taken.setItem(item, items[item - 1]);
    model.SetRelayZone(2, 4, true);
    QVERIFY(!model.RelayHasZone(2, 4));
    QCOMPARE(FormatCommandLine(taken), QStringLiteral("rz2-1,1,2,3,5"));
    T_Command &full = model.record(Cmd::rz, 3);
    for (int item = 1; item <= 5; ++item)
        full.setItem(item, 1);
    model.SetRelayZone(3, 1, true);
    QCOMPARE(FormatCommandLine(full), QStringLiteral("rz3-1"));

    model.SetKeyZone(15, 3, true);
    QVERIFY(model.KeyHasZone(15, 3));
    model.SetKeyZone(15, 1, false);
    QVERIFY(!model.KeyHasZone(15, 1));
    QCOMPARE(FormatCommandLine(model.record(Cmd::uz, 15)), QStringLiteral("uz15-3"));
    model.SetIndicatorZone(4);
    QCOMPARE(model.IndicatorZone(), 4);
}

QTEST_APPLESS_MAIN(TestCommandModel)
#include "tst_command_model.moc"
