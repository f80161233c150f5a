#pragma once
// Reads one field of a device model from a short description, so that parser and writer tests can list
// their expectations as data: "xo v1", "lm2 v2", "zn1 items", "ua3 t1", "Zentrix t1", "!! t1".

#include "device_model/device.h"

#include <QString>
#include <QStringList>
#include <QTest>

namespace orva::test {

inline quint8 rowOfCode(const QString &code)
{
    for (quint8 row = 1; row <= CommandRowCount; ++row) {
        if (CommandRowOf(row).code == code)
            return row;
    }
    return 0;
}

// "lm2 v1" -> the text of value1 of lm instance 2; "t1"/"t2" texts; "items" the five items joined
// by ","; "count" the item count.
inline QString probe(const T_Command_DEVICE &model, const QString &what)
{
    const QStringList parts = what.split(u' ');
    const QString &name = parts.at(0);
    qsizetype split = name.size();
    while (split > 0 && name.at(split - 1).isDigit())
        --split;
    const quint8 row = rowOfCode(name.left(split));
    if (row == 0)
        return QStringLiteral("<no row %1>").arg(name);
    const int instance = split < name.size() ? name.mid(split).toInt() : 0;
    const T_Command &r = model.record(row, instance);
    const QString &field = parts.at(1);
    if (field == u"v1")
        return QString::number(r.value(1));
    if (field == u"v2")
        return QString::number(r.value(2));
    if (field == u"t1")
        return r.text(1);
    if (field == u"t2")
        return r.text(2);
    if (field == u"count")
        return QString::number(r.count());
    if (field == u"items") {
        QStringList items;
        for (int i = 1; i <= T_Command::ItemCount; ++i)
            items << QString::number(r.item(i));
        return items.join(u',');
    }
    return QStringLiteral("<no field %1>").arg(field);
}

// Compares every "probe=value" expectation with the model (QCOMPARE, so the first mismatch fails).
inline void verifyProbes(const T_Command_DEVICE &model, const QStringList &expectations)
{
    for (const QString &e : expectations) {
        const qsizetype eq = e.indexOf(u'=');
        QCOMPARE(probe(model, e.left(eq)), e.mid(eq + 1));
    }
}

// Adds a data row of a text and its "probe=value" expectations.
inline void addProbeRow(const char *name, const char *text, std::initializer_list<const char *> expected)
{
    QStringList list;
    for (const char *e : expected)
        list << QString::fromUtf8(e);
    QTest::newRow(name) << QString::fromUtf8(text) << list;
}

} // namespace orva::test
