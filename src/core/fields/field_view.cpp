#include "field_catalogue.h"

namespace orva {

QList<ShownField> ShowFields(const T_Command_DEVICE &model)
{
    QList<ShownField> shown;
    for (const Field &field : FieldCatalogue())
        shown.append(ShownField{&field, ShowField(field, model)});
    return shown;
}

QList<FieldDifference> DiffFields(const T_Command_DEVICE &a, const T_Command_DEVICE &b)
{
    QList<FieldDifference> differences;
    for (const Field &field : FieldCatalogue()) {
        QString shownA = ShowField(field, a);
        QString shownB = ShowField(field, b);
        if (shownA != shownB)
            differences.append(FieldDifference{&field, std::move(shownA), std::move(shownB)});
    }
    return differences;
}

} // namespace orva
