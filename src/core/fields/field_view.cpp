#include "field_catalogue.h"

namespace orva {
namespace {

// A choice the page shows by one text for several values (a loop not in use: mode 7, or 13 that has no
// button) shows its number too where two files hold different values.
void addStoredValues(const Field &field, const T_Command_DEVICE &a, const T_Command_DEVICE &b,
                     QString &shownA, QString &shownB)
{
    if (field.kind != FieldKind::Choice)
        return;
    const qint32 valueA = FieldRecord(field, a).value(field.parameter);
    const qint32 valueB = FieldRecord(field, b).value(field.parameter);
    if (valueA == valueB)
        return;
    shownA += QStringLiteral(" (%1)").arg(valueA);
    shownB += QStringLiteral(" (%1)").arg(valueB);
}

} // namespace

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
        if (shownA == shownB)
            addStoredValues(field, a, b, shownA, shownB);
        if (shownA != shownB)
            differences.append(FieldDifference{&field, std::move(shownA), std::move(shownB)});
    }
    return differences;
}

} // namespace orva
