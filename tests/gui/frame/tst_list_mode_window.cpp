// List mode in the main window: "Открыть" with the list setting shows the list in place of the pages;
// a file opened from it becomes the working configuration.
#include "../../support/odd_entries.h"
#include "dialogs/modal_result.h"
#include "editor_fixture.h"
#include "file_helpers.h"
#include "frame/file_list_mode.h"
#include "widgets/static_text.h"

#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace orva;
using orva::test::ContainerOf;
using orva::test::WriteBytes;

namespace {

// Starts the window in list mode over a folder with a plain file and a container of key "secret".
bool startInListMode(EditorFixture &f, QTemporaryDir &folder)
{
    if (!WriteBytes(folder.filePath(QStringLiteral("a.ini")), "oa-Plain\r\nxo-45\r\n") ||
        !WriteBytes(folder.filePath(QStringLiteral("b.cry")),
                    ContainerOf("oa-Secret\r\nxo-33\r\n", QStringLiteral("secret"))))
        return false;
    if (!f.ShowActive())
        return false;
    f.window->settings().listMode = true;
    f.window->settings().listPath = WithTrailingSeparator(folder.path());
    QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
    return f.window->FileList()->ListFileConfig()->isVisible();
}

} // namespace

class TestListModeWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openShowsTheListInPlaceOfThePages();
    void enterOpensPlainFile();
    void containerOpensWithLastConfirmedKey();
    void cancelReturnsUnchanged();
    void openBeforeExaminationEnds();
    void opensFileNamedInWindows1251();
};

void TestListModeWindow::openShowsTheListInPlaceOfThePages()
{
    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(startInListMode(f, folder));
    QVERIFY(!f.window->PagesParam()->isVisible());
    QVERIFY(!f.window->Buttons().open->isVisible());
    QVERIFY(!f.window->Buttons().save->isVisible());
    QVERIFY(f.window->FileList()->B_OpenLIst()->isVisible());
    QCOMPARE(f.window->FileList()->LabelPozList()->text(), QStringLiteral("1 из 2"));
}

void TestListModeWindow::enterOpensPlainFile()
{
    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(startInListMode(f, folder));
    QTest::keyClick(f.window->FileList()->ListFileConfig(), Qt::Key_Return);
    QCOMPARE(f.working.record(Cmd::xo).value(1), 45);
    QVERIFY(f.window->PagesParam()->isVisible());
    QVERIFY(!f.window->FileList()->ListFileConfig()->isVisible());
    QVERIFY(f.window->windowTitle().endsWith(QStringLiteral("a.ini")));
    QVERIFY(f.window->StaticTextStatus()->text().startsWith(QStringLiteral("Конфигурация сохраненная")));
}

// The key last confirmed in the key dialog is tried first: no question when it fits.
void TestListModeWindow::containerOpensWithLastConfirmedKey()
{
    EditorFixture f;
    QTemporaryDir folder;
    f.questions->Then(ModalResult::Ok, QStringLiteral("secret"));
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.cry")),
                       ContainerOf("oa-Start\r\n", QStringLiteral("secret"))));
    QVERIFY(startInListMode(f, folder)); // the start-up container confirmed "secret"
    const int asked = int(f.questions->asked().size());
    f.window->FileList()->ListFileConfig()->selectRow(1);
    QTest::mouseClick(f.window->FileList()->B_OpenLIst(), Qt::LeftButton);
    QCOMPARE(int(f.questions->asked().size()), asked);
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Secret"));
    QVERIFY(f.window->StaticTextStatus()->text().startsWith(QStringLiteral("Конфигурация прибора (")));
    QVERIFY(f.window->PagesParam()->isVisible());
}

void TestListModeWindow::cancelReturnsUnchanged()
{
    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(startInListMode(f, folder));
    const int exitDelay = f.working.record(Cmd::xo).value(1);
    QTest::mouseClick(f.window->FileList()->B_CancelOpenList(), Qt::LeftButton);
    QVERIFY(f.window->PagesParam()->isVisible());
    QVERIFY(f.window->Buttons().open->isVisible());
    QVERIFY(!f.window->FileList()->TimerTestListConfig()->isActive());
    QCOMPARE(f.working.record(Cmd::xo).value(1), exitDelay);
}

// Enter right after the list appears, while the other files are still being examined: the file opens, the
// examination stops with the list and nothing of it comes back.
void TestListModeWindow::openBeforeExaminationEnds()
{
    EditorFixture f;
    QTemporaryDir folder;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(WriteBytes(folder.filePath(QStringLiteral("z%1.ini").arg(i, 3, 10, QLatin1Char('0'))),
                           QStringLiteral("oa-Z%1\r\nxo-%2\r\n").arg(i).arg(i % 180 + 1).toLatin1()));
    }
    QVERIFY(startInListMode(f, folder));
    QTest::keyClick(f.window->FileList()->ListFileConfig(), Qt::Key_Return);
    QCOMPARE(f.working.record(Cmd::xo).value(1), 45); // a.ini, the first row
    QVERIFY(!f.window->FileList()->TimerTestListConfig()->isActive());
    QTest::qWait(100); // rows the workers finished meanwhile are only filled into the hidden list
    QVERIFY(f.window->PagesParam()->isVisible());
    QVERIFY(!f.window->FileList()->ListFileConfig()->isVisible());
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Plain"));
}

// A file named in Windows-1251 (as a Windows archive names it) is listed by its decoded name and opens;
// a pipe named like a configuration is refused without the window waiting on it.
void TestListModeWindow::opensFileNamedInWindows1251()
{
    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(test::MakePipe(folder.filePath(QStringLiteral("b.ini"))));
    const test::RawNamedFile pult(folder.path(), test::Windows1251Name, "oa-Pult\r\nxo-77\r\n");
    QVERIFY(pult.ok());
    QVERIFY(startInListMode(f, folder));
    QTableWidget *list = f.window->FileList()->ListFileConfig();
    QCOMPARE(list->rowCount(), 4);
    QCOMPARE(f.window->FileList()->LabelPozList()->text(), QStringLiteral("1 из 4"));

    QTest::keyClick(list, Qt::Key_Down); // the pipe
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::ErrorBox});
    QVERIFY(list->isVisible());

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.working.record(Cmd::xo).value(1), 77);
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Pult"));
    QVERIFY(f.window->windowTitle().endsWith(test::Windows1251NameText));
    QVERIFY(f.window->PagesParam()->isVisible());
}

QTEST_MAIN(TestListModeWindow)
#include "tst_list_mode_window.moc"
