#include "check_rule.h"

namespace orva {

// Check_Mode: SIM switching and the exit delay. The chain runs it right after the indication check, so a
// value the panel would replace by its default on reading (an exit delay of 500 becomes 90) is never
// saved as if it were accepted.
QList<CheckRule> ModeRules()
{
    const ValueRef attempts{Sim::Attempts};
    const ValueRef returnDelay{Sim::ReturnDelay};
    const ValueRef exitDelay{Panel::ExitDelay};

    return {
        RangeRule(CheckId::Mode, 1, attempts,
                  QStringLiteral("Недопустимое число неудачных попыток связи перед переключением на другую "
                                 "SIM-карту"),
                  RangeHint(QStringLiteral("Число попыток переключения должно находится в диапазоне "),
                            attempts, QString())),
        // The return delay matters only in the reserve mode.
        RangeRule(CheckId::Mode, 2, returnDelay,
                  QStringLiteral("Недопустимая величина задержки перед переключением на основную SIM-карту."),
                  RangeHint(QStringLiteral("Величина задержки должна находится в диапазоне "), returnDelay,
                            QStringLiteral(" минут")),
                  [](const T_Command_DEVICE &model) { return model.get(Sim::Mode) != SimMode::Reserve; }),
        RangeRule(CheckId::Mode, 3, exitDelay, QStringLiteral("Недопустимая величина времени на выход."),
                  RangeHint(QStringLiteral("Время на выход может быть задано в диапазоне "), exitDelay,
                            QStringLiteral(" секунд"))),
    };
}

} // namespace orva
