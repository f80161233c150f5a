#include "check_rule.h"

namespace orva {
namespace {

// Rules 3 and 4: a balance check (period 1 or more) needs the operator's request code.
CheckRule requestCodeRule(int sim)
{
    CheckRule rule;
    rule.check = CheckId::Common;
    rule.number = 2 + sim;
    rule.subject = sim;
    rule.headline = QStringLiteral("Не заданы команды для выполнения контроля баланса");
    rule.hint =
        QStringLiteral("При установленном ненулевом периоде контроля баланса должна быть задана команды, "
                       "соответсвтующая GSM-оператору, предоставившему SIM-карту");
    rule.passes = [sim](const T_Command_DEVICE &model) {
        const T_Command &balance = model.record(Cmd::cb, sim);
        return balance.get(Sim::BalancePeriod) < 1 || !balance.get(Sim::BalanceCode).isEmpty();
    };
    rule.fix = FixOf(Sim::BalanceCode, sim);
    return rule;
}

} // namespace

// Check_Common: balance control of both SIM cards and the file key. It runs last among the page checks.
QList<CheckRule> CommonRules()
{
    QList<CheckRule> rules;
    // Rules 1 and 2: the period; its hint names (minimum + 1)..maximum since 0 means "not checked".
    for (int sim = 1; sim <= T_Command_DEVICE::SimCount; ++sim) {
        const ValueRef period{Sim::BalancePeriod, sim};
        CheckRule rule = RangeRule(
            CheckId::Common, sim, period, QStringLiteral("Недопустимая величина периода проверки баланса"),
            RangeHint(QStringLiteral("Период проверки баланса должен находится в диапазоне "), period,
                      QStringLiteral(" часов, 0 - баланс не проверяется"), 1));
        rule.subject = sim;
        rules.append(rule);
    }
    for (int sim = 1; sim <= T_Command_DEVICE::SimCount; ++sim)
        rules.append(requestCodeRule(sim));
    // Rules 5 and 6: the low-balance threshold.
    for (int sim = 1; sim <= T_Command_DEVICE::SimCount; ++sim) {
        const ValueRef threshold{Sim::BalanceThreshold, sim};
        CheckRule rule =
            RangeRule(CheckId::Common, 4 + sim, threshold,
                      QStringLiteral("Недопустимая величина порога оповещения о недостаточном балансе"),
                      RangeHint(QStringLiteral("Значение порога оповещения должно находится в диапазоне "),
                                threshold, QStringLiteral(" единиц тарификации")));
        rule.subject = sim;
        rules.append(rule);
    }
    // Rule 7: the file key; the previous key may stay empty.
    CheckRule key;
    key.check = CheckId::Common;
    key.number = 7;
    key.headline = QStringLiteral("Не задан ключ шифрования файла конфигурации");
    key.hint = QStringLiteral("Для защиты информации в приборе следует задать ключ шифрования");
    key.passes = [](const T_Command_DEVICE &model) { return !model.get(Panel::FileKey, 1).isEmpty(); };
    key.fix = FixOf(Panel::FileKey, 1);
    rules.append(key);
    return rules;
}

} // namespace orva
