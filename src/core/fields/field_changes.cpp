#include "field_changes.h"

namespace orva {

FieldChanges::FieldChanges(const T_Command_DEVICE &model, QObject *parent)
    : QObject(parent), m_model(model), m_seen(ShowFields(model))
{}

void FieldChanges::Note(ChangeSource source)
{
    QList<ShownField> now = ShowFields(m_model);
    // Both lists hold every catalogue field in catalogue order.
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (now[i].value != m_seen[i].value)
            Q_EMIT FieldChanged(*now[i].field, source);
    }
    m_seen = std::move(now);
}

void FieldChanges::Edited(const Field &field)
{
    Q_EMIT FieldEdited(field);
}

} // namespace orva
