// The store form, two ways: a fixture opened in the editor ("Открыть", Memo1, Redraw_All) and stored
// with UnLoad_All without an edit must give the model that the core's ApplyStoreForm gives for the same
// file, which `orva-config save` writes. So the pages and the command line can never drift apart.
//
// Only the commands of the pages that are implemented are compared. When a page is done, add its slot
// to ImplementedPages below: that one line is all. A command is compared once every page that stores
// it (Ownership) is in the list; the commands that no page stores are compared from the start, since
// UnLoad_All must leave them alone.
#include "editor_fixture.h"
#include "file_helpers.h"

#include "storage/store_form.h"

#include <QTest>

#include <set>
#include <vector>

using namespace orva;
using namespace orva::test;

namespace {

// The pages whose redraw and store are implemented.
const std::set<PageSlot> ImplementedPages = {
    PageSlot::Common, PageSlot::Mode, PageSlot::Indic, PageSlot::GPRS, PageSlot::Shleifs, PageSlot::Rele,
    PageSlot::Keys,   PageSlot::Zone, PageSlot::SMS,   PageSlot::SMSK, PageSlot::GSM};

// Which pages store which commands (the command table's "Tab" column). A command two pages store is
// compared only when both are implemented: `ci` (off without GPRS), the zone lists (the Zones page
// beside the loop, relay and key pages).
struct Ownership
{
    PageSlot page;
    std::vector<quint8> codes;
};
const Ownership Owners[] = {
    {PageSlot::Common, {Cmd::ks, Cmd::Password, Cmd::ph, Cmd::cb, Cmd::ct}},
    {PageSlot::Mode, {Cmd::cm, Cmd::ca, Cmd::ci, Cmd::lf, Cmd::xo, Cmd::es, Cmd::em, Cmd::ms}},
    {PageSlot::Indic, {Cmd::bv, Cmd::eb, Cmd::om, Cmd::el, Cmd::ez}},
    {PageSlot::Shleifs, {Cmd::la, Cmd::lm, Cmd::lc, Cmd::zn}},
    {PageSlot::Rele, {Cmd::rm, Cmd::br, Cmd::tb, Cmd::rz}},
    {PageSlot::Keys, {Cmd::ua, Cmd::uz}},
    {PageSlot::Zone, {Cmd::zn, Cmd::rz, Cmd::uz}},
    {PageSlot::SMS, {Cmd::oa, Cmd::sk, Cmd::sn, Cmd::sg}},
    {PageSlot::SMSK, {Cmd::su}},
    {PageSlot::GSM, {Cmd::dn, Cmd::dp, Cmd::ds}},
    {PageSlot::GPRS,
     {Cmd::sm, Cmd::ci, Cmd::ga, Cmd::gl, Cmd::gp, Cmd::gs, Cmd::gd, Cmd::gt, Cmd::gi, Cmd::gk}},
};
// Stored by no page: the version text, the read permission and the voice dial pause.
const std::vector<quint8> Unowned = {Cmd::Zentrix, Cmd::fe, Cmd::cd};

std::vector<PageSlot> PagesOf(quint8 code)
{
    std::vector<PageSlot> pages;
    for (const Ownership &owner : Owners) {
        if (std::find(owner.codes.begin(), owner.codes.end(), code) != owner.codes.end())
            pages.push_back(owner.page);
    }
    return pages;
}

bool Compared(quint8 code)
{
    const std::vector<PageSlot> pages = PagesOf(code);
    return std::all_of(pages.begin(), pages.end(), [](PageSlot p) { return ImplementedPages.count(p) > 0; });
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

} // namespace

class StoreFormEquivalenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ownershipCoversTheTable();
    void fixtureExercisesTheStoreForm();
    void editorStoresWhatTheCoreStores_data();
    void editorStoresWhatTheCoreStores();
};

// Every command of the table is stored by some page or by none, and named once in the unowned list.
void StoreFormEquivalenceTest::ownershipCoversTheTable()
{
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const bool unowned = std::find(Unowned.begin(), Unowned.end(), code) != Unowned.end();
        QVERIFY2(PagesOf(code).empty() == unowned, qPrintable(CommandRowOf(code).code.toString()));
    }
}

// The fixtures change under the store form in every page that has a stored form (`sm` above 0 in one,
// `ci` on without GPRS in the other), so that adding the page to the list compares something.
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
    for (const char *name : {"opensave/store_form.ini", "opensave/stored.ini", "save/opened.ini",
                             "check/passing.ini", "check/failures.ini", "report/office.ini", "defaults.ini"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void StoreFormEquivalenceTest::editorStoresWhatTheCoreStores()
{
    QFETCH(QString, fixture);
    const QByteArray bytes = ReadBytes(FixturePath(fixture));
    QVERIFY(!bytes.isEmpty());

    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("opened.ini"));
    QVERIFY(WriteBytes(path, bytes));
    f.questions->Then(ModalResult::Ok, path);
    QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::OpenFile});
    f.window->UnLoad_All();

    T_Command_DEVICE expected;
    CoreLoad(bytes, expected);
    ApplyStoreForm(expected);

    int compared = 0;
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        if (!Compared(code))
            continue;
        ++compared;
        const QList<T_Command> &actual = f.working.records(code);
        for (qsizetype i = 0; i < actual.size(); ++i) {
            const T_Command &want = expected.records(code).at(i);
            QVERIFY2(SameRecord(actual.at(i), want),
                     qPrintable(QStringLiteral("%1 instance %2: editor %3, core %4")
                                    .arg(CommandRowOf(code).code.toString())
                                    .arg(actual.at(i).number())
                                    .arg(Describe(actual.at(i)), Describe(want))));
        }
    }
    QVERIFY(compared >= int(Unowned.size()));
}

QTEST_MAIN(StoreFormEquivalenceTest)
#include "tst_store_form_equivalence.moc"
