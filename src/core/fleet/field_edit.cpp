#include "field_edit.h"

#include "device_model/store_form.h"
#include "storage/config_file.h"

namespace orva {
namespace {

using Result = FieldEditOutcome::Result;

void openAsEditor(const QByteArray &bytes, T_Command_DEVICE &model)
{
    LoadConfigurationText(ConfigurationTextFromBytes(bytes), model);
    ApplyStoreForm(model);
}

FieldEditOutcome refused(Result result, const QString &message)
{
    FieldEditOutcome outcome;
    outcome.result = result;
    outcome.message = message;
    return outcome;
}

} // namespace

FieldEditOutcome EditConfiguration(const QByteArray &fileBytes, const QList<FieldAssignment> &assignments)
{
    T_Command_DEVICE opened;
    openAsEditor(fileBytes, opened);
    T_Command_DEVICE edited;
    openAsEditor(fileBytes, edited);

    QStringList given;
    for (const FieldAssignment &assignment : assignments) {
        QString error;
        if (!FieldTakes(*assignment.field, assignment.value, &error))
            return refused(Result::ValueRefused, error);
        if (!SetField(*assignment.field, edited, assignment.value, &error))
            return refused(Result::ValueRefused, assignment.field->id + u": " + error);
    }
    for (const FieldAssignment &assignment : assignments)
        given.append(ShowField(*assignment.field, edited));

    // What the pages store beside the value (a switch that GPRS turns off, a typed key's alias cut to
    // its length) must not change a value given.
    ApplyStoreForm(edited);
    for (qsizetype i = 0; i < assignments.size(); ++i) {
        const QString stored = ShowField(*assignments[i].field, edited);
        if (stored != given[i])
            return refused(Result::StoredOtherwise,
                           QStringLiteral("%1: the editor would store \"%2\", not \"%3\"")
                               .arg(assignments[i].field->id, stored, given[i]));
    }

    FieldEditOutcome outcome;
    outcome.failures = AllFailures(edited);
    if (!outcome.failures.isEmpty()) {
        outcome.result = Result::ChecksFail;
        return outcome;
    }
    ConfigurationBytes encoded = EncodeConfiguration(edited);
    if (!encoded.ok())
        return refused(Result::Unencodable, encoded.error);

    // The file must read back as edited: a number outside its command's range would come back as the
    // default, for instance.
    T_Command_DEVICE reread;
    openAsEditor(encoded.bytes, reread);
    const QList<FieldDifference> lost = DiffFields(edited, reread);
    if (!lost.isEmpty()) {
        const FieldDifference &first = lost.first();
        return refused(Result::ReadsBackOtherwise,
                       QStringLiteral("%1: \"%2\" would read back from the file as \"%3\"")
                           .arg(first.field->id, first.a, first.b));
    }
    // The version text is no field: the reader rebuilds it from its words and points, and it gains blanks
    // with every reading (as in the editor); everything else must come back as written.
    reread.set(Panel::Version, edited.get(Panel::Version));
    if (EncodeConfiguration(reread).bytes != encoded.bytes)
        return refused(Result::ReadsBackOtherwise,
                       QStringLiteral("the written file would not read back to the same configuration"));
    outcome.result = Result::Ready;
    outcome.changes = DiffFields(opened, edited);
    outcome.bytes = std::move(encoded.bytes);
    return outcome;
}

} // namespace orva
