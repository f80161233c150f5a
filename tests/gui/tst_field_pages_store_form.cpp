// A configuration opened in the editor and stored without an edit: the commands of the pages "Общие",
// "Режимы", "Индикация" and "GPRS" equal the core's store form of the same file (ApplyStoreForm), the
// form the command line saves.
#include "page_probe.h"

#include "storage/store_form.h"

using namespace orva;
using namespace orva::test;

namespace {

// The commands these four pages show and store.
const quint8 PageCommands[] = {
    Cmd::ks, Cmd::Password, Cmd::ph, Cmd::cb, Cmd::ct,                            // Общие
    Cmd::ca, Cmd::cm,       Cmd::ms, Cmd::es, Cmd::em, Cmd::xo, Cmd::ci, Cmd::lf, // Режимы
    Cmd::om, Cmd::el,       Cmd::ez, Cmd::bv, Cmd::eb,                            // Индикация
    Cmd::sm, Cmd::gi,       Cmd::gk, Cmd::ga, Cmd::gl, Cmd::gp, Cmd::gd, Cmd::gt, Cmd::gs, // GPRS
};

} // namespace

class FieldPagesStoreFormTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openedAndStoredEqualsTheStoreForm_data();
    void openedAndStoredEqualsTheStoreForm();
};

void FieldPagesStoreFormTest::openedAndStoredEqualsTheStoreForm_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("pages") << "pages/fields.ini";
    QTest::newRow("factory") << "defaults.ini";
    QTest::newRow("saved") << "save/opened.ini";
    QTest::newRow("report") << "report/office.ini";
    QTest::newRow("failing checks") << "check/failures.ini";
    QTest::newRow("normalising") << "normalize_input.ini";
}

void FieldPagesStoreFormTest::openedAndStoredEqualsTheStoreForm()
{
    QFETCH(QString, fixture);
    EditorFixture f;
    QVERIFY(f.ShowActive());
    const FileReadResult read = ReadFileBytes(QStringLiteral(ORVA_FIXTURES_DIR "/") + fixture);
    QVERIFY2(read.ok, qPrintable(read.error));
    T_Command_DEVICE expected;
    LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), expected);
    ApplyStoreForm(expected);

    QVERIFY(OpenFixture(f, fixture));
    f.window->UnLoad_All();
    for (const quint8 code : PageCommands) {
        const QList<T_Command> &stored = f.working.records(code);
        for (int i = 0; i < stored.size(); ++i)
            QVERIFY2(SameRecord(stored.at(i), expected.records(code).at(i)),
                     qPrintable(QStringLiteral("%1 %2: %3 / %4")
                                    .arg(CommandRowOf(code).code)
                                    .arg(stored.at(i).number())
                                    .arg(stored.at(i).text(1), expected.records(code).at(i).text(1))));
    }
    // Stored a second time, nothing changes.
    T_Command_DEVICE once;
    once = f.working;
    f.window->Redraw_All();
    f.window->UnLoad_All();
    for (const quint8 code : PageCommands) {
        for (int i = 0; i < once.records(code).size(); ++i)
            QVERIFY(SameRecord(f.working.records(code).at(i), once.records(code).at(i)));
    }
}

QTEST_MAIN(FieldPagesStoreFormTest)
#include "tst_field_pages_store_form.moc"
