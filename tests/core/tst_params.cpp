#include "device_model/device.h"

#include <QTest>

using namespace orva;

// Each named parameter points at a parameter of its command that holds what the name reads: a number
// at an Integer parameter, a text at a String or Text one; and reading and writing by name reach the
// same field as the position does.
class TestParams : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numbersAreIntegers_data();
    void numbersAreIntegers();
    void textsAreTexts_data();
    void textsAreTexts();
    void modesReadAsStored();
};

namespace {

template <typename T> void numberRow(const char *name, NumberParam<T> param)
{
    QTest::newRow(name) << int(param.code) << param.position;
}

void textRow(const char *name, TextParam param)
{
    QTest::newRow(name) << int(param.code) << param.position;
}

} // namespace

void TestParams::numbersAreIntegers_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position");
    numberRow("Panel::ExitDelay", Panel::ExitDelay);
    numberRow("Panel::LockWithoutGprs", Panel::LockWithoutGprs);
    numberRow("Panel::Log", Panel::Log);
    numberRow("Panel::DisarmReset", Panel::DisarmReset);
    numberRow("Panel::EntryMessage", Panel::EntryMessage);
    numberRow("Sim::Mode", Sim::Mode);
    numberRow("Sim::ReturnDelay", Sim::ReturnDelay);
    numberRow("Sim::Attempts", Sim::Attempts);
    numberRow("Sim::Master", Sim::Master);
    numberRow("Sim::BalancePeriod", Sim::BalancePeriod);
    numberRow("Sim::BalanceThreshold", Sim::BalanceThreshold);
    numberRow("Indication::BuzzerVolume", Indication::BuzzerVolume);
    numberRow("Indication::ExternalBuzzer", Indication::ExternalBuzzer);
    numberRow("Indication::DutyPeriod", Indication::DutyPeriod);
    numberRow("Indication::IndicatorTime", Indication::IndicatorTime);
    numberRow("Indication::IndicatorZone", Indication::IndicatorZone);
    numberRow("Loop::Mode", Loop::Mode);
    numberRow("Loop::Delay", Loop::Delay);
    numberRow("Loop::AlarmRepeats", Loop::AlarmRepeats);
    numberRow("Relay::Mode", Relay::Mode);
    numberRow("Relay::Time", Relay::Time);
    numberRow("Relay::OnPanicLoop", Relay::OnPanicLoop);
    numberRow("Relay::OnTamper", Relay::OnTamper);
    numberRow("Sms::Charset", Sms::Charset);
    numberRow("Sms::SendMode", Sms::SendMode);
    numberRow("SmsPhone::MessageSet", SmsPhone::MessageSet);
    numberRow("DialPhone::Mode", DialPhone::Mode);
    numberRow("Dialing::Delivery", Dialing::Delivery);
    numberRow("Dialing::Protocol", Dialing::Protocol);
    numberRow("Dialing::Transparency", Dialing::Transparency);
    numberRow("Gprs::Active", Gprs::Active);
    numberRow("Gprs::ServerPort", Gprs::ServerPort);
    numberRow("Gprs::Duty1", Gprs::Duty1);
    numberRow("Gprs::Duty2", Gprs::Duty2);
    numberRow("Gprs::AnswerWait", Gprs::AnswerWait);
    numberRow("Gprs::NoAnswerCount", Gprs::NoAnswerCount);
}

void TestParams::numbersAreIntegers()
{
    QFETCH(int, code);
    QFETCH(int, position);
    QCOMPARE(CommandRowOf(quint8(code)).kindOf(position), ParamKind::Integer);

    T_Command record(quint8(code), CommandRowOf(quint8(code)).firstInstance);
    const NumberParam<> param{quint8(code), position};
    record.set(param, 4321);
    QCOMPARE(record.value(position), 4321);
    QCOMPARE(record.get(param), 4321);
}

void TestParams::textsAreTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position");
    textRow("Panel::Version", Panel::Version);
    textRow("Panel::FileKey", Panel::FileKey);
    textRow("Panel::Password", Panel::Password);
    textRow("Panel::Name", Panel::Name);
    textRow("Sim::Phone", Sim::Phone);
    textRow("Sim::BalanceCode", Sim::BalanceCode);
    textRow("Loop::Alias", Loop::Alias);
    textRow("SmsPhone::Number", SmsPhone::Number);
    textRow("KeysPhone::Number", KeysPhone::Number);
    textRow("DialPhone::Number", DialPhone::Number);
    textRow("Key::Alias", Key::Alias);
    textRow("Key::Learned", Key::Learned);
    textRow("Gprs::Apn", Gprs::Apn);
    textRow("Gprs::Login", Gprs::Login);
    textRow("Gprs::Password", Gprs::Password);
    textRow("Gprs::ServerAddress", Gprs::ServerAddress);
    textRow("Gprs::Identifier", Gprs::Identifier);
    textRow("Gprs::KeyPart", Gprs::KeyPart);
}

void TestParams::textsAreTexts()
{
    QFETCH(int, code);
    QFETCH(int, position);
    const ParamKind kind = CommandRowOf(quint8(code)).kindOf(position);
    QVERIFY2(kind == ParamKind::String || kind == ParamKind::Text, "not a text parameter");

    T_Command record(quint8(code), CommandRowOf(quint8(code)).firstInstance);
    const TextParam param{quint8(code), position};
    record.set(param, QStringLiteral("abc"));
    QCOMPARE(record.text(position), QStringLiteral("abc"));
    QCOMPARE(record.get(param), QStringLiteral("abc"));
}

void TestParams::modesReadAsStored()
{
    // A mode reads as the number stored, named or not, and is written back unchanged.
    T_Command_DEVICE model;
    model.ResetToDefaults();
    QCOMPARE(model.get(Loop::Mode, 4), LoopMode::Fire5);
    QCOMPARE(model.get(Relay::Mode, 1), RelayMode::Sirena1);
    QCOMPARE(model.get(Sim::Mode), SimMode::Symmetric);
    model.record(Cmd::lm, 2).setValue(1, 13);
    const LoopMode unnamed = model.get(Loop::Mode, 2);
    model.set(Loop::Mode, 3, unnamed);
    QCOMPARE(model.record(Cmd::lm, 3).value(1), 13);
    model.set(Relay::Mode, 2, RelayMode::Locker);
    QCOMPARE(model.record(Cmd::rm, 2).value(1), 10);
    model.set(Sim::Mode, SimMode::Reserve);
    QCOMPARE(model.record(Cmd::cm).value(1), 2);
}

QTEST_APPLESS_MAIN(TestParams)
#include "tst_params.moc"
