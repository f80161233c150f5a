#include "print_identifier.h"

#include "device_model/digit_groups.h"

namespace orva {
namespace {

QString formatHexGroups(const QString &text, int groupWidth, int totalWidth)
{
    QString formatted = text.isEmpty() ? QString(totalWidth, u'0') : text;
    FormatDigitGroups(formatted, HexDigits, u'-', u'0', groupWidth, totalWidth, true);
    return formatted;
}

} // namespace

QString FormatGprsIdentifier(const QString &identifier)
{
    return formatHexGroups(identifier, 4, 12);
}

QString FormatGprsKey(const QString &key)
{
    return formatHexGroups(key, 2, 16);
}

void NormalizeIdentifierForPrint(T_Command_DEVICE &model)
{
    T_Command &record = model.record(Cmd::gi);
    record.set(Gprs::Identifier, FormatGprsIdentifier(record.get(Gprs::Identifier)));
}

QString PrintJobTitle(const T_Command_DEVICE &model)
{
    return u"ППКОП-Orva(" + model.get(Panel::Name) + u' ' + model.get(Gprs::Identifier) + u')';
}

} // namespace orva
