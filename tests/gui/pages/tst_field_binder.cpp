// The pages and the command line agree on every value: after a file is opened, each control that the
// field catalogue names shows what `orva-config show` shows for its field, and a text the user types into
// a page is stored so that `show` gives back the page's own form of it.
#include "page_probe.h"
#include "user_input.h"

#include "fields/field_catalogue.h"
#include "fields/field_changes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

using namespace orva;
using namespace orva::test;

namespace {

// True when no other field of the page names the same control.
bool SoleControl(const Field &field)
{
    int count = 0;
    for (const Field &f : FieldCatalogue())
        count += f.page == field.page && f.control == field.control ? 1 : 0;
    return count == 1;
}

// What the control shows, in the form `show` gives it; null for a control that shows no text of its own.
QString Shown(const QWidget *control, const Field &field)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        // A box is ticked for the choice "да".
        const bool yes = ChoiceTextOf(field.choices, 1) == u"да";
        return ChoiceTextOf(field.choices, box->isChecked() == yes ? 1 : 0).toString();
    }
    return {};
}

} // namespace

class FieldBinderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsShowWhatShowShows_data();
    void controlsShowWhatShowShows();
    void typedTextStoredInThePageForm_data();
    void typedTextStoredInThePageForm();
    void changesSayWhoChangedWhat();
};

void FieldBinderTest::controlsShowWhatShowShows_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("defaults") << "defaults.ini";
    QTest::newRow("fields") << "pages/fields.ini";
    const QDir reports(QStringLiteral(ORVA_FIXTURES_DIR "/report"));
    for (const QString &name : reports.entryList({QStringLiteral("*.ini")}, QDir::Files))
        QTest::newRow(qPrintable(name)) << QStringLiteral("report/") + name;
}

void FieldBinderTest::controlsShowWhatShowShows()
{
    QFETCH(QString, fixture);
    EditorFixture f;
    QVERIFY(OpenFixture(f, fixture));
    int compared = 0;
    for (const Field &field : FieldCatalogue()) {
        if (field.control.isEmpty() || !field.listControl.isEmpty() || !SoleControl(field))
            continue;
        // The page's own forms: a duty period of 0 unticks its box and shows the default, GPRS is ticked
        // for every sending mode above 0, a learned key shows the panel's mark.
        if (field.id == u"indication.duty_period" && f.working.get(Indication::DutyPeriod) <= 0)
            continue;
        if (field.id == u"gprs.active" || field.kind == FieldKind::Learned)
            continue;
        const auto *control = Find<QWidget>(*f.window, field.control);
        QVERIFY2(control, qPrintable(field.control));
        const QString shown = Shown(control, field);
        if (shown.isNull())
            continue;
        QCOMPARE(shown + u"  (" + field.id + u')', ShowField(field, f.working) + u"  (" + field.id + u')');
        ++compared;
    }
    QVERIFY(compared > 40);
}

void FieldBinderTest::typedTextStoredInThePageForm_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("text") << "common.password"
                          << "a_7"
                          << "a_7";
    QTest::newRow("number") << "mode.exit_delay"
                            << "45"
                            << "45";
    QTest::newRow("empty number stores 0") << "common.sim2.balance_threshold" << QString() << "0";
    QTest::newRow("alias") << "sms.name"
                           << "Sklad_2"
                           << "Sklad_2";
    QTest::newRow("identifier in groups") << "gprs.identifier"
                                          << "12ab"
                                          << "12AB-0000-0000";
    QTest::newRow("key part") << "gprs.key.3"
                              << "0102"
                              << "01-02-00-00-00-00-00-00";
    QTest::newRow("APN with points") << "gprs.sim2.apn"
                                     << "internet.mts.ru"
                                     << "internet.mts.ru";
    QTest::newRow("address in groups") << "gprs.sim1.server2.address"
                                       << "10.0.0.1"
                                       << "010.000.000.001";
    QTest::newRow("port of SIM 2") << "gprs.sim2.server3.port"
                                   << "10001"
                                   << "10001";
}

void FieldBinderTest::typedTextStoredInThePageForm()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const Field *target = FindField(field);
    QVERIFY(target);
    // GPRS on, so that its fields take input, and SIM 2 with servers of its own.
    EditorFixture f;
    QVERIFY(StartWithLines(f, {QStringLiteral("sm-1"), QStringLiteral("gs4-010,000,000,009.20000")}));
    QVERIFY(ClickTab(f, target->page));
    auto *edit = Find<QLineEdit>(*f.window, target->control);
    QVERIFY(edit && edit->isEnabled());
    ClickAt(edit);
    SelectAllText(edit);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
    f.window->UnLoad_All();
    QCOMPARE(ShowField(*target, f.working), shown);
}

void FieldBinderTest::changesSayWhoChangedWhat()
{
    EditorFixture f;
    QVERIFY(StartWithLines(f, {QStringLiteral("sm-1")}));
    QList<std::pair<QString, ChangeSource>> changed;
    QStringList edited;
    connect(f.window->Changes(), &FieldChanges::FieldChanged, this,
            [&changed](const Field &field, ChangeSource source) {
                changed.append({field.id, source});
            });
    connect(f.window->Changes(), &FieldChanges::FieldEdited, this,
            [&edited](const Field &field) { edited.append(field.id); });

    // Switching pages and entering a field change nothing.
    QVERIFY(ClickTab(f, QStringLiteral("TabMode")));
    auto *exitDelay = Find<QLineEdit>(*f.window, QStringLiteral("E_Mode_ExitDelay"));
    QVERIFY(exitDelay);
    ClickAt(exitDelay);
    SelectAllText(exitDelay);
    QVERIFY(edited.isEmpty());
    QVERIFY(changed.isEmpty());

    // Each keystroke is the user's edit of the field; the model has the value once the pages store.
    QTest::keyClicks(exitDelay, QStringLiteral("77"));
    QCOMPARE(edited, QStringList(2, QStringLiteral("mode.exit_delay")));
    QVERIFY(changed.isEmpty());
    f.window->UnLoad_All();
    const QList<std::pair<QString, ChangeSource>> stored = {
        {QStringLiteral("mode.exit_delay"), ChangeSource::User}};
    QCOMPARE(changed, stored);

    // A file opened over it is the program's change, field by field.
    changed.clear();
    edited.clear();
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("lf-0")});
    QVERIFY(edited.isEmpty());
    const QList<std::pair<QString, ChangeSource>> opened = {
        {QStringLiteral("mode.exit_delay"), ChangeSource::Program},
        {QStringLiteral("mode.log"), ChangeSource::Program}};
    QCOMPARE(changed, opened);
}

QTEST_MAIN(FieldBinderTest)
#include "tst_field_binder.moc"
