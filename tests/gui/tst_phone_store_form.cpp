// A configuration opened in the editor and stored with UnLoad_All without an edit: the commands of the
// pages "SMS", "SMS-К" and "GSM-дозвон" equal the core's store form of the same file (the form
// orva-config saves), whichever of the pages the user stands on.
#include "editor_fixture.h"

#include "config_text/writer.h"
#include "storage/config_file.h"
#include "storage/store_form.h"

#include <QTabWidget>
#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;

class TestPhoneStoreForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openedAndStored_data();
    void openedAndStored();
};

namespace {

// The commands the three pages show and store.
const quint8 PhoneCommands[] = {Cmd::oa, Cmd::sk, Cmd::sg, Cmd::sn, Cmd::su, Cmd::dn, Cmd::ds, Cmd::dp};

QString LoadText(const QString &path)
{
    const FileReadResult read = ReadFileBytes(path);
    return read.ok ? ConfigurationTextFromBytes(read.bytes) : QString();
}

} // namespace

void TestPhoneStoreForm::openedAndStored_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("page");

    const QString fixtures = QStringLiteral(ORVA_FIXTURES_DIR);
    for (const QString &file :
         {u"/phones/phones.ini"_s, u"/phones/only_calls.ini"_s, u"/defaults.ini"_s, u"/save/opened.ini"_s}) {
        for (const QString &page : {u"TabCommon"_s, u"TabSMS"_s, u"TabSMSK"_s, u"TabDialGSM"_s})
            QTest::addRow("%s on %s", qPrintable(file), qPrintable(page)) << fixtures + file << page;
    }
}

void TestPhoneStoreForm::openedAndStored()
{
    QFETCH(QString, file);
    QFETCH(QString, page);
    const QString text = LoadText(file);
    QVERIFY(!text.isEmpty());

    T_Command_DEVICE expected;
    LoadConfigurationText(text, expected);
    ApplyStoreForm(expected);

    EditorFixture f;
    QVERIFY(f.ShowActive());
    f.window->PagesParam()->setCurrentWidget(f.window->findChild<QWidget *>(page));
    LoadConfigurationText(text, f.working);
    f.window->Redraw_All();
    f.window->UnLoad_All();

    for (const quint8 code : PhoneCommands) {
        const QList<T_Command> &stored = f.working.records(code);
        const QList<T_Command> &wanted = expected.records(code);
        QCOMPARE(stored.size(), wanted.size());
        for (int i = 0; i < stored.size(); ++i) {
            // The written lines say what differs, should anything.
            QCOMPARE(FormatCommandLine(stored[i]), FormatCommandLine(wanted[i]));
            QVERIFY2(SameRecord(stored[i], wanted[i]), qPrintable(FormatCommandLine(stored[i])));
        }
    }
    QCOMPARE(f.questions->asked().size(), 0);
}

QTEST_MAIN(TestPhoneStoreForm)
#include "tst_phone_store_form.moc"
