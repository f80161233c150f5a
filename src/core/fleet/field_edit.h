#pragma once

#include "fields/field_catalogue.h"
#include "validation/validation.h"

#include <QByteArray>
#include <QList>

namespace orva {

// A field and the value to give it, as the field shows values.
struct FieldAssignment
{
    const Field *field = nullptr;
    QString value;
};

struct FieldEditOutcome
{
    enum class Result {
        Ready,              // `bytes` is the configuration to write
        ValueRefused,       // the field's entry control would not take a value, or it is no value of its
                            // field (`message` says which and why)
        StoredOtherwise,    // the editor would store another value than the one given (`message`)
        ChecksFail,         // save-time checks fail (`failures`)
        ReadsBackOtherwise, // the written file would read back different (`message`)
        Unencodable,        // a text has no Windows-1251 form (`message`)
    };
    Result result = Result::ValueRefused;
    QString message;
    QList<RuleFailure> failures;
    QList<FieldDifference> changes; // the fields as shown after opening the file, and after the edit
    QByteArray bytes;
};

// Opens a plain configuration text as the editor does (the store form applied), gives the fields their
// values as the pages store them, runs every save-time check, and encodes the result. The result is a
// configuration that the editor opens and saves unchanged to the same bytes; anything else is refused.
FieldEditOutcome EditConfiguration(const QByteArray &fileBytes, const QList<FieldAssignment> &assignments);

} // namespace orva
