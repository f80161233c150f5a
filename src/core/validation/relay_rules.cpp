#include "check_rule.h"

namespace orva {

// Check_Rele: the on-time of every relay that is not an SMS-controlled one. Rule n is relay n.
QList<CheckRule> ReleRules()
{
    QList<CheckRule> rules;
    for (int relay = 1; relay <= T_Command_DEVICE::RelayCount; ++relay) {
        const ValueRef time{Relay::Time, relay};
        CheckRule rule = RangeRule(CheckId::Rele, relay, time,
                                   QStringLiteral("Недопустимая величина времени работы реле."),
                                   RangeHint(QStringLiteral("Время работы может быть задано в диапазоне "),
                                             time, QStringLiteral(" секунд")),
                                   [relay](const T_Command_DEVICE &model) {
                                       return model.get(Relay::Mode, relay) == RelayMode::Sms;
                                   });
        rule.subject = relay;
        rules.append(rule);
    }
    return rules;
}

} // namespace orva
