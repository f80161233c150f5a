#include "check_rule.h"

#include "fields/field_catalogue.h"

#include <array>

namespace orva {
namespace {

struct PageInfo
{
    CheckId check;
    QStringView name;
};

// The checked pages by objectName, one per check; their captions are those of the field catalogue.
constexpr std::array<PageInfo, 9> CheckedPages = {{
    {CheckId::RezervAndSignal, u"TabRezervAndSignal"},
    {CheckId::Mode, u"TabMode"},
    {CheckId::Shleifs, u"TabShleifs"},
    {CheckId::Rele, u"TabRele"},
    {CheckId::SMS, u"TabSMS"},
    {CheckId::SMSK, u"TabSMSK"},
    {CheckId::DialGSM, u"TabDialGSM"},
    {CheckId::GPRS, u"TabGPRS"},
    {CheckId::Common, u"TabCommon"},
}};

} // namespace

qint32 ValueRef::columnMin() const
{
    return MinOf(param);
}

qint32 ValueRef::columnMax() const
{
    return MaxOf(param);
}

qint32 ValueRef::columnDefault() const
{
    return DefaultOf(param);
}

bool ValueRef::inColumnRange(const T_Command_DEVICE &model) const
{
    const qint32 value = get(model);
    return value >= columnMin() && value <= columnMax();
}

FixTarget FixOf(ParamRef param, int instance)
{
    const Field *field = FieldOf(param, instance);
    Q_ASSERT(field);
    FixTarget fix;
    fix.focusControl = field->control.isEmpty() ? field->listControl : field->control;
    if (!field->listControl.isEmpty()) {
        fix.listControl = field->listControl;
        fix.listRow = instance - 1;
    }
    return fix;
}

CheckRule RangeRule(CheckId check, int number, const ValueRef &value, const QString &headline,
                    const QString &hint, std::function<bool(const T_Command_DEVICE &)> exempt)
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
    rule.fix = FixOf(value.param, value.instance);
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
    for (const PageInfo &page : CheckedPages) {
        if (page.check == check)
            return page.name.toString();
    }
    return {};
}

QString PageCaption(const QString &page)
{
    return PageCaptionOf(page);
}

} // namespace orva
