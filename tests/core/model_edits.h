#pragma once

// Test helper: describes a model as the factory defaults plus a few edits written as text, so that a
// `_data` table can hold model fixtures.
//
// An edit is "<code><instance>.<field>=<value>": code as in the command table ("!!" for the password),
// the instance number for rows with several instances or "*" for all of them, and the field
// v1, v2 (numbers), t1, t2 (texts) or items (comma-separated list items, empty slots as 0).
// Examples: "xo.v1=500", "lm2.v2=0", "ua*.t1=*", "zn1.items=1,2,4", "gp1.t1=ab.cd".

#include "device_model/device.h"

#include <QStringList>

namespace orva::test {

inline quint8 RowOfCode(QStringView code)
{
    for (quint8 row = 1; row <= CommandRowCount; ++row) {
        if (CommandRowOf(row).code == code)
            return row;
    }
    return 0;
}

// Applies one edit; false when the edit cannot be understood (the test then fails loudly).
inline bool ApplyEdit(T_Command_DEVICE &model, const QString &edit)
{
    const qsizetype point = edit.indexOf(u'.');
    const qsizetype equals = edit.indexOf(u'=', point);
    if (point < 0 || equals < 0)
        return false;
    const QString target = edit.left(point);
    const QString field = edit.mid(point + 1, equals - point - 1);
    const QString value = edit.mid(equals + 1);

    qsizetype codeEnd = target.size();
    while (codeEnd > 0 && (target[codeEnd - 1].isDigit() || target[codeEnd - 1] == u'*'))
        --codeEnd;
    const quint8 row = RowOfCode(QStringView(target).left(codeEnd));
    if (row == 0)
        return false;
    const CommandRow &info = CommandRowOf(row);
    const QString instanceText = target.mid(codeEnd);
    int first = info.firstInstance;
    int last = info.lastInstance;
    if (instanceText != u"*" && info.hasSeveralInstances()) {
        bool ok = false;
        first = last = instanceText.toInt(&ok);
        if (!ok || !info.hasInstance(first))
            return false;
    }
    for (int instance = first; instance <= last; ++instance) {
        T_Command &record = model.record(row, instance);
        if (field == u"v1" || field == u"v2") {
            record.setValue(field == u"v1" ? 1 : 2, value.toInt());
        } else if (field == u"t1" || field == u"t2") {
            record.setText(field == u"t1" ? 1 : 2, value);
        } else if (field == u"items") {
            const QStringList items = value.split(u',', Qt::KeepEmptyParts);
            for (int i = 1; i <= T_Command::ItemCount; ++i)
                record.setItem(i, i <= items.size() ? items[i - 1].toInt() : 0);
        } else {
            return false;
        }
    }
    return true;
}

// True when the model holds what the edit would write (for "items": the listed slots).
inline bool ModelHas(const T_Command_DEVICE &model, const QString &edit)
{
    T_Command_DEVICE copy = model;
    return ApplyEdit(copy, edit) && SameModel(copy, model);
}

// The factory defaults with a file key (so that every rule passes), then the edits.
inline T_Command_DEVICE ModelWith(const QStringList &edits, bool *ok = nullptr)
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    model.record(Cmd::ks, 1).setText(1, QStringLiteral("KEY"));
    bool all = true;
    for (const QString &edit : edits)
        all = ApplyEdit(model, edit) && all;
    if (ok)
        *ok = all;
    return model;
}

} // namespace orva::test
