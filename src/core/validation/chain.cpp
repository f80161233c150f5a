#include "check_rule.h"

#include <array>

namespace orva {
namespace {

struct CheckInfo
{
    CheckId id;
    QStringView name;
    QList<CheckRule> (*rules)();
};

// The chain: the page checks in the order a save runs them, then the read-back rule.
const std::array<CheckInfo, 10> Checks = {{
    {CheckId::RezervAndSignal, u"Check_RezervAndSignal", &RezervAndSignalRules},
    {CheckId::Mode, u"Check_Mode", &ModeRules},
    {CheckId::Shleifs, u"Check_Shleifs", &ShleifsRules},
    {CheckId::Rele, u"Check_Rele", &ReleRules},
    {CheckId::SMS, u"Check_SMS", &SmsRules},
    {CheckId::SMSK, u"Check_SMSK", &SmskRules},
    {CheckId::DialGSM, u"Check_DialGSM", &DialGsmRules},
    {CheckId::GPRS, u"Check_GPRS", &GprsRules},
    {CheckId::Common, u"Check_Common", &CommonRules},
    {CheckId::ReadBack, u"Check_ReadBack", &ReadBackRules},
}};

// Every rule in chain order, built once (the hints take their ranges from the command table).
const QList<CheckRule> &Chain()
{
    static const QList<CheckRule> chain = [] {
        QList<CheckRule> rules;
        for (const CheckInfo &check : Checks)
            rules += check.rules();
        return rules;
    }();
    return chain;
}

RuleFailure FailureOf(const T_Command_DEVICE &model, int index)
{
    const CheckRule &rule = Chain()[index];
    RuleFailure failure;
    failure.position = ChainPosition{index};
    failure.checkId = rule.check;
    failure.check = CheckName(rule.check);
    failure.rule = rule.number;
    failure.subject = rule.subject;
    failure.page = rule.page.isEmpty() ? PageOf(rule.check) : rule.page;
    failure.pageCaption = PageCaption(failure.page);
    failure.headline = rule.headline;
    failure.hint = rule.hint;
    failure.defaultOffered = rule.defaultValue.has_value() || bool(rule.textDefault);
    failure.focusControl = rule.fix.focusControl;
    failure.listControl = rule.fix.listControl;
    failure.listRow = rule.fix.listRow;
    if (rule.refine)
        rule.refine(model, failure);
    return failure;
}

} // namespace

QList<CheckId> ChainChecks()
{
    QList<CheckId> ids;
    for (const CheckInfo &check : Checks)
        ids.append(check.id);
    return ids;
}

QString CheckName(CheckId check)
{
    for (const CheckInfo &info : Checks) {
        if (info.id == check)
            return info.name.toString();
    }
    return {};
}

ChainPosition CheckStart(CheckId check)
{
    const QList<CheckRule> &chain = Chain();
    for (int i = 0; i < chain.size(); ++i) {
        if (chain[i].check == check)
            return ChainPosition{i};
    }
    return ChainEnd();
}

ChainPosition ChainEnd()
{
    return ChainPosition{int(Chain().size())};
}

std::optional<RuleFailure> FirstFailure(const T_Command_DEVICE &model, ChainPosition from)
{
    const QList<CheckRule> &chain = Chain();
    for (int i = qMax(0, from.index); i < chain.size(); ++i) {
        if (!chain[i].passes(model))
            return FailureOf(model, i);
    }
    return std::nullopt;
}

bool ApplyDefault(T_Command_DEVICE &model, const RuleFailure &failure, const DefaultOptions &options)
{
    const QList<CheckRule> &chain = Chain();
    const int index = failure.position.index;
    // A rule may offer its default only in some states of the model (the failure says so).
    if (index < 0 || index >= chain.size() || !failure.defaultOffered)
        return false;
    const CheckRule &rule = chain[index];
    if (rule.textDefault) {
        rule.textDefault(model, options.gprsSameServers);
        return true;
    }
    if (!rule.defaultValue)
        return false;
    rule.defaultValue->set(model, rule.defaultValue->columnDefault());
    if (rule.mirroredDefault && options.gprsSameServers)
        rule.mirroredDefault->set(model, rule.mirroredDefault->columnDefault());
    return true;
}

QList<RuleFailure> AllFailures(const T_Command_DEVICE &model)
{
    QList<RuleFailure> failures;
    const QList<CheckRule> &chain = Chain();
    for (int i = 0; i < chain.size(); ++i) {
        if (!chain[i].passes(model))
            failures.append(FailureOf(model, i));
    }
    return failures;
}

} // namespace orva
