#include "check_rule.h"

#include "fields/field_catalogue.h"

namespace orva {
namespace {

constexpr QStringView MissingNumberHeadline = u"Не заданы номера для задействованных телефонов.";
constexpr QStringView MissingNumberHint = u"Необходимо задать номера для используемых телефонов";

// Rule p of a phone check: phone p in use must have a number.
CheckRule numberRule(CheckId check, TextParam number, int phone, bool (*inUse)(const T_Command &),
                     const FixTarget &fix)
{
    CheckRule rule;
    rule.check = check;
    rule.number = phone;
    rule.subject = phone;
    rule.headline = MissingNumberHeadline.toString();
    rule.hint = MissingNumberHint.toString();
    rule.passes = [number, phone, inUse](const T_Command_DEVICE &model) {
        const T_Command &record = model.record(number.code, phone);
        return !inUse(record) || !record.get(number).isEmpty();
    };
    rule.fix = fix;
    return rule;
}

qint32 dialMode(const T_Command_DEVICE &model, int phone)
{
    return model.get(DialPhone::Mode, phone);
}

// The dial check's last rule: once any phone is called without a connection, there must be one for
// each of arming, disarming and duty messages, and one called with a connection (alarms).
bool fullDialSet(const T_Command_DEVICE &model)
{
    bool hasMode[8] = {};
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        const qint32 mode = dialMode(model, phone);
        if (mode >= 1 && mode <= 7)
            hasMode[mode] = true;
    }
    const bool anyDial = hasMode[5] || hasMode[6] || hasMode[7];
    const bool anyConnect = hasMode[1] || hasMode[2] || hasMode[3] || hasMode[4];
    return !anyDial || (hasMode[5] && hasMode[6] && hasMode[7] && anyConnect);
}

} // namespace

FixTarget DialPhoneFix(const T_Command_DEVICE &model, int phone)
{
    const DialMode list = DialModeOf(dialMode(model, phone));
    int position = 0;
    for (int before = 1; before < phone; ++before) {
        if (DialModeOf(dialMode(model, before)) == list)
            ++position;
    }
    return FixTarget{DialListControl(list), DialListControl(list), position};
}

// Check_SMS: a phone with a message set (value not 0) needs a number.
QList<CheckRule> SmsRules()
{
    QList<CheckRule> rules;
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        rules.append(numberRule(
            CheckId::SMS, SmsPhone::Number, phone,
            [](const T_Command &r) { return r.get(SmsPhone::MessageSet) != 0; },
            FixOf(SmsPhone::Number, phone)));
    }
    return rules;
}

// Check_SMSK: a phone that watches at least one key needs a number.
QList<CheckRule> SmskRules()
{
    QList<CheckRule> rules;
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        rules.append(numberRule(
            CheckId::SMSK, KeysPhone::Number, phone,
            [](const T_Command &r) {
                for (int i = 1; i <= T_Command::ItemCount; ++i) {
                    if (r.item(i) != 0)
                        return true;
                }
                return false;
            },
            FixOf(KeysPhone::Number, phone)));
    }
    return rules;
}

// Check_DialGSM: rules 1..9 a used phone needs a number, rule 10 the full set of phones.
QList<CheckRule> DialGsmRules()
{
    QList<CheckRule> rules;
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        CheckRule rule = numberRule(
            CheckId::DialGSM, DialPhone::Number, phone,
            [](const T_Command &r) { return r.get(DialPhone::Mode) != 0; }, FixTarget{});
        rule.refine = [phone](const T_Command_DEVICE &model, RuleFailure &failure) {
            const FixTarget fix = DialPhoneFix(model, phone);
            failure.focusControl = fix.focusControl;
            failure.listControl = fix.listControl;
            failure.listRow = fix.listRow;
        };
        rules.append(rule);
    }

    CheckRule fullSet;
    fullSet.check = CheckId::DialGSM;
    fullSet.number = T_Command_DEVICE::PhoneCount + 1;
    fullSet.headline =
        QStringLiteral("Не задан полный набор телефонов для передачи сообщений по дозвону без соединения.");
    fullSet.hint = QStringLiteral("Желательно задать не менее одного телефона для каждого основного типа "
                                  "сообщений (Взятия, Снятия, Дежурные режимы, Тревоги)");
    fullSet.passes = &fullDialSet;
    fullSet.fix = FixTarget{DialListControl(DialMode::Dial), DialListControl(DialMode::Dial), 0};
    rules.append(fullSet);
    return rules;
}

} // namespace orva
