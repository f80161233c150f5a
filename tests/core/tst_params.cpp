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
    void namedParameters_data();
    void namedParameters();
    void modesReadAsStored();
};

namespace {

template <typename T> void row(const char *name, NumberParam<T> param)
{
    QTest::newRow(name) << int(param.code) << param.position << false;
}

void row(const char *name, TextParam param)
{
    QTest::newRow(name) << int(param.code) << param.position << true;
}

} // namespace

void TestParams::namedParameters_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("text");
    row("Panel::ExitDelay", Panel::ExitDelay);
    row("Panel::LockWithoutGprs", Panel::LockWithoutGprs);
    row("Panel::Log", Panel::Log);
    row("Panel::DisarmReset", Panel::DisarmReset);
    row("Panel::EntryMessage", Panel::EntryMessage);
    row("Sim::Mode", Sim::Mode);
    row("Sim::ReturnDelay", Sim::ReturnDelay);
    row("Sim::Attempts", Sim::Attempts);
    row("Sim::Master", Sim::Master);
    row("Sim::BalancePeriod", Sim::BalancePeriod);
    row("Sim::BalanceThreshold", Sim::BalanceThreshold);
    row("Indication::BuzzerVolume", Indication::BuzzerVolume);
    row("Indication::ExternalBuzzer", Indication::ExternalBuzzer);
    row("Indication::DutyPeriod", Indication::DutyPeriod);
    row("Indication::IndicatorTime", Indication::IndicatorTime);
    row("Indication::IndicatorZone", Indication::IndicatorZone);
    row("Loop::Mode", Loop::Mode);
    row("Loop::Delay", Loop::Delay);
    row("Loop::AlarmRepeats", Loop::AlarmRepeats);
    row("Relay::Mode", Relay::Mode);
    row("Relay::Time", Relay::Time);
    row("Relay::OnPanicLoop", Relay::OnPanicLoop);
    row("Relay::OnTamper", Relay::OnTamper);
    row("Sms::Charset", Sms::Charset);
    row("Sms::SendMode", Sms::SendMode);
    row("SmsPhone::MessageSet", SmsPhone::MessageSet);
    row("DialPhone::Mode", DialPhone::Mode);
    row("Dialing::Delivery", Dialing::Delivery);
    row("Dialing::Protocol", Dialing::Protocol);
    row("Dialing::Transparency", Dialing::Transparency);
    row("Gprs::Active", Gprs::Active);
    row("Gprs::ServerPort", Gprs::ServerPort);
    row("Gprs::Duty1", Gprs::Duty1);
    row("Gprs::Duty2", Gprs::Duty2);
    row("Gprs::AnswerWait", Gprs::AnswerWait);
    row("Gprs::NoAnswerCount", Gprs::NoAnswerCount);
    row("Panel::Version", Panel::Version);
    row("Panel::FileKey", Panel::FileKey);
    row("Panel::Password", Panel::Password);
    row("Panel::Name", Panel::Name);
    row("Sim::Phone", Sim::Phone);
    row("Sim::BalanceCode", Sim::BalanceCode);
    row("Loop::Alias", Loop::Alias);
    row("SmsPhone::Number", SmsPhone::Number);
    row("KeysPhone::Number", KeysPhone::Number);
    row("DialPhone::Number", DialPhone::Number);
    row("Key::Alias", Key::Alias);
    row("Key::Learned", Key::Learned);
    row("Gprs::Apn", Gprs::Apn);
    row("Gprs::Login", Gprs::Login);
    row("Gprs::Password", Gprs::Password);
    row("Gprs::ServerAddress", Gprs::ServerAddress);
    row("Gprs::Identifier", Gprs::Identifier);
    row("Gprs::KeyPart", Gprs::KeyPart);
}

void TestParams::namedParameters()
{
    QFETCH(int, code);
    QFETCH(int, position);
    QFETCH(bool, text);
    const CommandRow &command = CommandRowOf(quint8(code));
    const ParamKind kind = command.kindOf(position);
    T_Command record(quint8(code), command.firstInstance);
    if (text) {
        QVERIFY2(kind == ParamKind::String || kind == ParamKind::Text, "not a text parameter");
        const TextParam param{quint8(code), position};
        record.set(param, QStringLiteral("abc"));
        QCOMPARE(record.text(position), QStringLiteral("abc"));
        QCOMPARE(record.get(param), QStringLiteral("abc"));
    } else {
        QCOMPARE(kind, ParamKind::Integer);
        const NumberParam<> param{quint8(code), position};
        record.set(param, 4321);
        QCOMPARE(record.value(position), 4321);
        QCOMPARE(record.get(param), 4321);
    }
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
