#include "check_rule.h"

#include <array>

namespace orva {
namespace {

struct PageInfo
{
    CheckId check;
    QStringView name;
    QStringView caption;
};

// The checked pages: their objectName and caption, one per check.
constexpr std::array<PageInfo, 9> Pages = {{
    {CheckId::RezervAndSignal, u"TabRezervAndSignal", u"Индикация"},
    {CheckId::Mode, u"TabMode", u"Режимы"},
    {CheckId::Shleifs, u"TabShleifs", u"Шлейфы"},
    {CheckId::Rele, u"TabRele", u"Реле"},
    {CheckId::SMS, u"TabSMS", u"SMS"},
    {CheckId::SMSK, u"TabSMSK", u"SMS-К"},
    {CheckId::DialGSM, u"TabDialGSM", u"GSM-дозвон"},
    {CheckId::GPRS, u"TabGPRS", u"GPRS"},
    {CheckId::Common, u"TabCommon", u"Общие"},
}};

// Pages without a check of their own that the read-back rule can lead to.
constexpr PageInfo KeysPage = {CheckId::ReadBack, u"TabKeys", u"Ключи"};

} // namespace

qint32 ValueRef::columnMin() const
{
    const CommandRow &row = CommandRowOf(code);
    return index == 1 ? row.min1 : row.min2;
}

qint32 ValueRef::columnMax() const
{
    const CommandRow &row = CommandRowOf(code);
    return index == 1 ? row.max1 : row.max2;
}

qint32 ValueRef::columnDefault() const
{
    const CommandRow &row = CommandRowOf(code);
    return index == 1 ? row.default1 : row.default2;
}

bool ValueRef::inColumnRange(const T_Command_DEVICE &model) const
{
    const qint32 value = get(model);
    return value >= columnMin() && value <= columnMax();
}

CheckRule RangeRule(CheckId check, int number, const ValueRef &value, const QString &headline,
                    const QString &hint, const QString &focusControl,
                    std::function<bool(const T_Command_DEVICE &)> exempt)
{
    CheckRule rule;
    rule.check = check;
    rule.number = number;
    rule.headline = headline;
    rule.hint = hint;
    rule.passes = [value, exempt](const T_Command_DEVICE &model) {
        return (exempt && exempt(model)) || value.inColumnRange(model);
    };
    rule.defaultValue = value;
    rule.fix.focusControl = focusControl;
    return rule;
}

QString RangeHint(const QString &prefix, qint32 minimum, qint32 maximum, const QString &unit, int minOffset)
{
    return prefix + QString::number(minimum + minOffset) + u".." + QString::number(maximum) + unit;
}

QString RangeHint(const QString &prefix, const ValueRef &value, const QString &unit, int minOffset)
{
    return RangeHint(prefix, value.columnMin(), value.columnMax(), unit, minOffset);
}

QString PageOf(CheckId check)
{
    for (const PageInfo &page : Pages) {
        if (page.check == check)
            return page.name.toString();
    }
    return {};
}

QString PageCaption(const QString &page)
{
    for (const PageInfo &info : Pages) {
        if (info.name == page)
            return info.caption.toString();
    }
    if (KeysPage.name == page)
        return KeysPage.caption.toString();
    return {};
}

} // namespace orva
