#include "check_rule.h"

namespace orva {

// Check_RezervAndSignal: the duty message period and the remote indicator's on-time.
QList<CheckRule> RezervAndSignalRules()
{
    const ValueRef dutyPeriod{Indication::DutyPeriod};
    const ValueRef indicatorTime{Indication::IndicatorTime};

    // Rule 1: 0 (or below) switches the duty message off; otherwise (minimum + 1)..maximum.
    CheckRule duty =
        RangeRule(CheckId::RezervAndSignal, 1, dutyPeriod,
                  QStringLiteral("Недопустимая величина периода формирования сообщений \"Дежурный режим\""),
                  RangeHint(QStringLiteral("Период формирования сообщений должен находится в диапазоне "),
                            dutyPeriod, QStringLiteral(" часов"), 1));
    duty.passes = [dutyPeriod](const T_Command_DEVICE &model) {
        const qint32 value = dutyPeriod.get(model);
        return value < 1 || (value >= dutyPeriod.columnMin() + 1 && value <= dutyPeriod.columnMax());
    };

    // Rule 2: the unit follows the maximum without a blank, as the page has always shown it.
    CheckRule indicator =
        RangeRule(CheckId::RezervAndSignal, 2, indicatorTime,
                  QStringLiteral("Недопустимая величина времени работы выносного индикатора"),
                  RangeHint(QStringLiteral("Время работы выносного индикатора должно находится в диапазоне "),
                            indicatorTime, QStringLiteral("сек.")));

    return {duty, indicator};
}

} // namespace orva
