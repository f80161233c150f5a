#include "check_rule.h"

#include "device_model/store_form.h"

namespace orva {
namespace {

constexpr int AddressGroups = 4;
constexpr qint32 MaxAddressGroup = 255;
// The panel's receiving servers listen above 10000; the command table admits any port from 1, so the
// check narrows the lower bound and its hint names the range actually checked.
constexpr qint32 MinServerPort = 10001;

bool gprsOff(const T_Command_DEVICE &model)
{
    return model.get(Gprs::Active) == 0;
}

// The four groups of a server address. The model holds four three-digit groups separated by "." (as
// read) or "," (as the page stores them); any other form is read the way the page shows it.
bool addressInRange(const T_Command_DEVICE &model, int server)
{
    const QString stored = model.get(Gprs::ServerAddress, server);
    if (!IsServerAddressText(stored))
        return false;
    const QString address = ShownServerAddress(stored);
    for (int group = 0; group < AddressGroups; ++group) {
        if (QStringView(address).mid(group * 4, 3).toInt() > MaxAddressGroup)
            return false;
    }
    return true;
}

CheckRule addressRule(int server)
{
    CheckRule rule;
    rule.check = CheckId::GPRS;
    rule.number = 4 + server;
    rule.subject = server;
    rule.headline = ServerAddressHeadline();
    rule.hint = ServerAddressHint();
    rule.passes = [server](const T_Command_DEVICE &model) { return addressInRange(model, server); };
    rule.fix = FixOf(Gprs::ServerAddress, server);
    // The default is the empty address in the form the page stores it (shown as 000.000.000.000), so
    // that a bad address can be put right also while GPRS is off and its field cannot be entered.
    // With "=" ticked the second SIM card's server follows, as for the ports.
    rule.textDefault = [server](T_Command_DEVICE &model, bool sameServers) {
        const QString empty = StoredServerAddress(QString());
        model.set(Gprs::ServerAddress, server, empty);
        if (sameServers && server <= T_Command_DEVICE::ServersPerSim)
            model.set(Gprs::ServerAddress, server + T_Command_DEVICE::ServersPerSim, empty);
    };
    return rule;
}

CheckRule portRule(int server)
{
    const ValueRef port{Gprs::ServerPort, server};
    CheckRule rule = RangeRule(CheckId::GPRS, 4 + T_Command_DEVICE::ServerCount + server, port,
                               QStringLiteral("Недопустимый номер порта сервера для приема сообщений."),
                               RangeHint(QStringLiteral("Порт может быть задан в диапазоне "), MinServerPort,
                                         port.columnMax(), QString()));
    rule.subject = server;
    rule.passes = [port](const T_Command_DEVICE &model) {
        const qint32 value = port.get(model);
        return value >= MinServerPort && value <= port.columnMax();
    };
    // With "=" ticked the second SIM card's servers follow the first card's.
    if (server <= T_Command_DEVICE::ServersPerSim)
        rule.mirroredDefault = ValueRef{Gprs::ServerPort, server + T_Command_DEVICE::ServersPerSim};
    return rule;
}

} // namespace

QString ServerAddressHeadline()
{
    return QStringLiteral("Недопустимый IP-адрес сервера для приема сообщений.");
}

QString ServerAddressHint()
{
    return RangeHint(QStringLiteral("Элементы IP-адреса должны находится в диапазоне "), 0, MaxAddressGroup,
                     QString());
}

// Check_GPRS: timing (only while GPRS is in use), then addresses and ports of all six servers.
QList<CheckRule> GprsRules()
{
    const ValueRef duty1{Gprs::Duty1};
    const ValueRef duty2{Gprs::Duty2};
    const ValueRef answer{Gprs::AnswerWait};
    const ValueRef noAnswer{Gprs::NoAnswerCount};
    const QString dutyPrefix = QStringLiteral("Период отправки сообщений может быть задан в диапазоне ");
    const QString seconds = QStringLiteral(" секунд");

    QList<CheckRule> rules = {
        RangeRule(
            CheckId::GPRS, 1, duty1,
            QStringLiteral("Недопустимая величина периода отправки сообщений дежурного режим первого типа "
                           "(без подтверждения пульта)."),
            RangeHint(dutyPrefix, duty1, seconds), &gprsOff),
        RangeRule(
            CheckId::GPRS, 2, duty2,
            QStringLiteral("Недопустимая величина периода отправки сообщений дежурного режим второго типа "
                           "(с подтверждением от пульта)."),
            RangeHint(dutyPrefix, duty2, seconds), &gprsOff),
        RangeRule(CheckId::GPRS, 3, answer,
                  QStringLiteral("Недопустимая величина времени ожидания ответа на переданное сообщение."),
                  RangeHint(QStringLiteral("Время ожидания может быть задано в диапазоне "), answer, seconds),
                  &gprsOff),
        RangeRule(
            CheckId::GPRS, 4, noAnswer,
            QStringLiteral("Недопустимая величина числа неответов на переданное сообщение, после которого "
                           "происходит снижение темпа повторов сообщения."),
            RangeHint(QStringLiteral("Допустимое число неответов может быть задано в диапазоне "), noAnswer,
                      QString()),
            &gprsOff),
    };
    for (int server = 1; server <= T_Command_DEVICE::ServerCount; ++server)
        rules.append(addressRule(server));
    for (int server = 1; server <= T_Command_DEVICE::ServerCount; ++server)
        rules.append(portRule(server));
    return rules;
}

} // namespace orva
