#include "print_identifier.h"

#include "device_model/store_form.h"

namespace orva {

void NormalizeIdentifierForPrint(T_Command_DEVICE &model)
{
    T_Command &record = model.record(Cmd::gi);
    record.set(Gprs::Identifier, PrintedGprsIdentifier(record.get(Gprs::Identifier)));
}

QString PrintJobTitle(const T_Command_DEVICE &model)
{
    return u"ППКОП-Orva(" + model.get(Panel::Name) + u' ' + model.get(Gprs::Identifier) + u')';
}

} // namespace orva
