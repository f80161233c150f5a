// The store form, two ways: a fixture opened in the editor ("Открыть", Memo1, Redraw_All) and stored
// with UnLoad_All without an edit must give the model that the core's ApplyStoreForm gives for the same
// file, which `orva-config save` writes; so the pages and the command line can never drift apart. Every
// command of the table is compared, also those that no page stores (UnLoad_All must leave them alone),
// whichever page the user stands on; a second store changes nothing.
#include "editor_fixture.h"
#include "file_helpers.h"

#include "config_text/writer.h"
#include "device_model/store_form.h"
#include "fields/field_catalogue.h"

#include <QTabWidget>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

// The fixtures, each opened on every page.
const char *const Fixtures[] = {
    "opensave/store_form.ini", "opensave/stored.ini", "save/opened.ini",   "check/passing.ini",
    "check/failures.ini",      "report/office.ini",   "defaults.ini",      "pages/fields.ini",
    "normalize_input.ini",     "lists/zones.ini",     "phones/phones.ini", "phones/only_calls.ini"};

// The pages whose fields the command shows, by their tabs, for a failure message; "no page" for none.
// (`ci` is shown on "Режимы" and stored also by "GPRS"; the zone lists, shown on the hidden page
// "Разделы", are stored by the loop, relay and key pages too.)
QString PagesStoring(quint8 code)
{
    QStringList tabs;
    for (const Field &field : FieldCatalogue()) {
        if (field.code == code && !tabs.contains(field.page))
            tabs << field.page;
    }
    return tabs.isEmpty() ? QStringLiteral("no page") : tabs.join(QStringLiteral(", "));
}

QString Describe(const T_Command &r)
{
    return QStringLiteral("%1 %2 [%3,%4,%5,%6,%7]")
        .arg(r.value(1))
        .arg(r.value(2))
        .arg(r.text(1), r.text(2))
        .arg(r.item(1))
        .arg(r.item(2))
        .arg(r.item(3));
}

// Opens the fixture with "Открыть" while the page `tab` is shown, as a user does, and stores the pages.
bool OpenAndStore(EditorFixture &f, const QTemporaryDir &folder, const QString &fixture, const QString &tab)
{
    QWidget *page = f.window->findChild<QWidget *>(tab);
    if (!page || !f.ShowActive())
        return false;
    f.window->PagesParam()->setCurrentWidget(page);
    const QString path = folder.filePath(QStringLiteral("opened.ini"));
    if (!WriteBytes(path, ReadBytes(FixturePath(fixture))))
        return false;
    f.questions->Then(ModalResult::Ok, path);
    QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
    f.window->UnLoad_All();
    return f.window->PagesParam()->currentWidget() == page;
}

} // namespace

class StoreFormEquivalenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixtureExercisesTheStoreForm();
    void editorStoresWhatTheCoreStores_data();
    void editorStoresWhatTheCoreStores();
    void storeFormCutsTheTypedAlias();
};

// The fixtures change under the store form in every page that has a stored form (`sm` above 0 in one,
// `ci` on without GPRS in the other), so that the comparison meets a stored form and not only unchanged
// text.
void StoreFormEquivalenceTest::fixtureExercisesTheStoreForm()
{
    QStringList changed;
    for (const char *fixture : {"opensave/store_form.ini", "save/opened.ini"}) {
        T_Command_DEVICE loaded;
        CoreLoad(ReadBytes(FixturePath(QString::fromLatin1(fixture))), loaded);
        T_Command_DEVICE stored = loaded;
        ApplyStoreForm(stored);
        for (quint8 code = 1; code <= CommandRowCount; ++code) {
            for (qsizetype i = 0; i < loaded.records(code).size(); ++i) {
                const QString name = CommandRowOf(code).code.toString();
                if (!SameRecord(loaded.records(code).at(i), stored.records(code).at(i)) &&
                    !changed.contains(name))
                    changed << name;
            }
        }
    }
    changed.sort();
    QCOMPARE(changed, (QStringList{QStringLiteral("ci"), QStringLiteral("dn"), QStringLiteral("gi"),
                                   QStringLiteral("gk"), QStringLiteral("gs"), QStringLiteral("sm"),
                                   QStringLiteral("ua")}));
}

void StoreFormEquivalenceTest::editorStoresWhatTheCoreStores_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("tab");
    // Each page shown while the file is opened and stored, so that its current rows (phones, loops,
    // relays) are stored like the others.
    for (const char *name : Fixtures) {
        for (const PageName &page : Pages()) {
            if (page.tabShown)
                QTest::addRow("%s on %s", name, qPrintable(page.name.toString()))
                    << QString::fromLatin1(name) << page.name.toString();
        }
    }
}

void StoreFormEquivalenceTest::editorStoresWhatTheCoreStores()
{
    QFETCH(QString, fixture);
    QFETCH(QString, tab);
    const QByteArray bytes = ReadBytes(FixturePath(fixture));
    QVERIFY(!bytes.isEmpty());

    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(OpenAndStore(f, folder, fixture, tab));
    // Opening asked for the file and nothing else; storing asked nothing.
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::OpenFile});

    T_Command_DEVICE expected;
    CoreLoad(bytes, expected);
    ApplyStoreForm(expected);
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const QList<T_Command> &actual = f.working.records(code);
        const QList<T_Command> &wanted = expected.records(code);
        QCOMPARE(actual.size(), wanted.size());
        for (qsizetype i = 0; i < actual.size(); ++i) {
            // The written lines say what differs, should anything.
            QCOMPARE(FormatCommandLine(actual.at(i)), FormatCommandLine(wanted.at(i)));
            QVERIFY2(
                SameRecord(actual.at(i), wanted.at(i)),
                qPrintable(QStringLiteral("%1 instance %2 (stored by %3): editor %4, core %5")
                               .arg(CommandRowOf(code).code.toString())
                               .arg(actual.at(i).number())
                               .arg(PagesStoring(code), Describe(actual.at(i)), Describe(wanted.at(i)))));
        }
    }

    // Stored a second time, nothing changes.
    const T_Command_DEVICE once = f.working;
    f.window->Redraw_All();
    f.window->UnLoad_All();
    QVERIFY(SameModel(f.working, once));
}

// The store form cuts a typed key's alias; a long plain one stays whole.
void StoreFormEquivalenceTest::storeFormCutsTheTypedAlias()
{
    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(OpenAndStore(f, folder, QStringLiteral("lists/zones.ini"), QStringLiteral("TabCommon")));
    QCOMPARE(f.working.record(Cmd::ua, 1).text(1), QStringLiteral("!ABCDEFGHI"));
    QCOMPARE(f.working.record(Cmd::ua, 3).text(1), QStringLiteral("ABCDEFGHIJKL"));
}

QTEST_MAIN(StoreFormEquivalenceTest)
#include "tst_store_form_equivalence.moc"
