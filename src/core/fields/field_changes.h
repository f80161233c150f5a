#pragma once

#include "field_catalogue.h"

#include <QObject>

namespace orva {

// Who changed a value: the program (a file opened, the defaults, a check's default, a redraw's store
// form) or the user at a control.
enum class ChangeSource : quint8 { Program, User };

// The one place that says which field of the working configuration changed and who changed it. It
// keeps the values it last saw, in their shown forms; Note compares the model with them and reports
// each field that differs, so a change of form alone ("," or "." in an address) is none. The editor's
// pages report a user's edit of a control as it happens (Edited); the value reaches the model when the
// page stores.
class FieldChanges : public QObject
{
    Q_OBJECT
public:
    explicit FieldChanges(const T_Command_DEVICE &model, QObject *parent = nullptr);

    // Reports every field whose value differs from the one last seen, as changed by `source`, and
    // takes the model's values as the ones seen.
    void Note(ChangeSource source);
    // The user changed the control of `field`.
    void Edited(const Field &field);

Q_SIGNALS:
    void FieldChanged(const orva::Field &field, orva::ChangeSource source);
    void FieldEdited(const orva::Field &field);

private:
    const T_Command_DEVICE &m_model;
    QList<ShownField> m_seen;
};

} // namespace orva
