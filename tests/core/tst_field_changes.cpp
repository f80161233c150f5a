// The change notifier reports each field whose value changed, once, with who changed it; a change of
// form alone and a value put back before it looks are no change.
#include "fields/field_changes.h"

#include "device_model/device.h"

#include <QSignalSpy>
#include <QTest>

using namespace orva;

class FieldChangesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsChangedFieldsWithTheirSource();
    void formAloneIsNoChange();
    void editedPassesTheField();
};

void FieldChangesTest::reportsChangedFieldsWithTheirSource()
{
    T_Command_DEVICE model;
    FieldChanges changes(model);
    QList<std::pair<QString, ChangeSource>> seen;
    connect(&changes, &FieldChanges::FieldChanged, this, [&seen](const Field &field, ChangeSource source) {
        seen.append({field.id, source});
    });

    changes.Note(ChangeSource::User);
    QVERIFY(seen.isEmpty());

    model.set(Panel::ExitDelay, 45);
    model.set(Gprs::ServerPort, 5, 20000);
    changes.Note(ChangeSource::User);
    const QList<std::pair<QString, ChangeSource>> expected = {
        {QStringLiteral("mode.exit_delay"), ChangeSource::User},
        {QStringLiteral("gprs.sim2.server2.port"), ChangeSource::User}};
    QCOMPARE(seen, expected);

    // Seen once: the next look finds nothing new.
    seen.clear();
    changes.Note(ChangeSource::Program);
    QVERIFY(seen.isEmpty());

    // A value changed and put back between two looks is no change.
    model.set(Panel::ExitDelay, 50);
    model.set(Panel::ExitDelay, 45);
    model.set(Panel::Name, QStringLiteral("Склад"));
    changes.Note(ChangeSource::Program);
    const QList<std::pair<QString, ChangeSource>> named = {
        {QStringLiteral("sms.name"), ChangeSource::Program}};
    QCOMPARE(seen, named);
}

void FieldChangesTest::formAloneIsNoChange()
{
    T_Command_DEVICE model;
    model.set(Gprs::ServerAddress, 1, QStringLiteral("010.000.000.001"));
    FieldChanges changes(model);
    QSignalSpy spy(&changes, &FieldChanges::FieldChanged);
    // The same address stored with "," in place of ".".
    model.set(Gprs::ServerAddress, 1, QStringLiteral("010,000,000,001"));
    changes.Note(ChangeSource::User);
    QCOMPARE(spy.count(), 0);
}

void FieldChangesTest::editedPassesTheField()
{
    T_Command_DEVICE model;
    FieldChanges changes(model);
    QString edited;
    connect(&changes, &FieldChanges::FieldEdited, this, [&edited](const Field &field) { edited = field.id; });
    changes.Edited(*FindField(u"gprs.identifier"));
    QCOMPARE(edited, QStringLiteral("gprs.identifier"));
}

QTEST_GUILESS_MAIN(FieldChangesTest)
#include "tst_field_changes.moc"
