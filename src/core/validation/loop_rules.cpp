#include "check_rule.h"

#include "device_model/vocabularies.h"

namespace orva {
namespace {

constexpr int PatrolKeyType = 2;

// Rule n: the delay of a loop in a delay mode.
CheckRule delayRule(int loop)
{
    const ValueRef delay{Loop::Delay, loop};
    CheckRule rule = RangeRule(
        CheckId::Shleifs, loop, delay,
        QStringLiteral("Недопустимая величина времени задержки сработки по шлейфу."),
        RangeHint(QStringLiteral("Задержка сработки по шлейфу может быть задана в диапазоне "), delay,
                  QStringLiteral(" секунд")),
        [loop](const T_Command_DEVICE &model) { return !LoopModeHasDelay(model.get(Loop::Mode, loop)); });
    rule.subject = loop;
    return rule;
}

// Rule n + 4: no later control loop in the same zone (loops in no zone share "zone 0").
CheckRule controlLoopRule(int loop)
{
    CheckRule rule;
    rule.check = CheckId::Shleifs;
    rule.number = loop + T_Command_DEVICE::LoopCount;
    rule.subject = loop;
    rule.headline = QStringLiteral("Задано больше одного управляющего шлейфа.");
    rule.hint = QStringLiteral("Измените тип шлейфа");
    rule.passes = [loop](const T_Command_DEVICE &model) {
        if (model.get(Loop::Mode, loop) != LoopMode::Control)
            return true;
        const int zone = model.ZoneOfLoop(loop);
        for (int later = loop + 1; later <= T_Command_DEVICE::LoopCount; ++later) {
            if (model.get(Loop::Mode, later) == LoopMode::Control && model.ZoneOfLoop(later) == zone)
                return false;
        }
        return true;
    };
    rule.fix = FixOf(Loop::Mode, loop);
    return rule;
}

// Rule n + 8: a control loop and a non-patrol key must not share a zone.
CheckRule controlKeyRule(int loop)
{
    CheckRule rule;
    rule.check = CheckId::Shleifs;
    rule.number = loop + 2 * T_Command_DEVICE::LoopCount;
    rule.subject = loop;
    rule.headline = QStringLiteral("Для управления задан ключ и управляющий шлейф.");
    rule.hint = QStringLiteral("Одновременное управление при помощи шлейфа и ключа недопустимо, могут "
                               "ипользоваться ключи только с типом \"ПАТРУЛЬ\"");
    rule.passes = [loop](const T_Command_DEVICE &model) { return Check_Shleif_Key(model, loop); };
    rule.fix = FixOf(Loop::Mode, loop);
    return rule;
}

} // namespace

bool Check_Shleif_Key(const T_Command_DEVICE &model, int loop)
{
    if (model.get(Loop::Mode, loop) != LoopMode::Control)
        return true;
    // Zone 0 (the loop is in no zone) matches every key that has an empty zone slot.
    const int zone = model.ZoneOfLoop(loop);
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key) {
        if (model.KeyHasZone(key, zone) && KeyType(model, key) != PatrolKeyType)
            return false;
    }
    return true;
}

// Check_Shleifs: per loop, in the order delay, control loop, control key.
QList<CheckRule> ShleifsRules()
{
    QList<CheckRule> rules;
    for (int loop = 1; loop <= T_Command_DEVICE::LoopCount; ++loop)
        rules << delayRule(loop) << controlLoopRule(loop) << controlKeyRule(loop);
    return rules;
}

} // namespace orva
