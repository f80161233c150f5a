#include "dialogs/modal_result.h"
#include "editor/bottom_buttons.h"
#include "editor_fixture.h"
#include "pdf_answers.h"
#include "pdf_probe.h"

#include <QPrinter>
#include <QTest>

using namespace orva;

class TestPrintButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cancelledDialogStillNormalisesIdentifier();
    void printsToPdfWithJobTitle();
    void printerFailureShowsErrorBox();
};

void TestPrintButton::cancelledDialogStillNormalisesIdentifier()
{
    EditorFixture fx;
    fx.working.ResetToDefaults();
    fx.working.record(Cmd::gi).setText(1, QStringLiteral("12ab"));
    // The GPRS page shows it grouped and stores its 12 digits back when the button stores the pages;
    // the print flow then groups them as the file list does.
    fx.window->Redraw_All();
    fx.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(fx.window->Buttons().print, Qt::LeftButton);
    QCOMPARE(fx.questions->asked().size(), 1);
    QCOMPARE(fx.questions->asked().first().kind, QuestionKind::Print);
    QCOMPARE(fx.working.record(Cmd::gi).text(1), QStringLiteral("0000-0000-12AB"));
    QCOMPARE(fx.questions->unexpected(), 0);
}

// The dialog's answer is a printer set up for a PDF file: the job runs and no error box follows.
void TestPrintButton::printsToPdfWithJobTitle()
{
    EditorFixture fx;
    fx.working.ResetToDefaults();
    fx.working.record(Cmd::oa).setText(1, QStringLiteral("Склад"));
    fx.window->Redraw_All();
    const QString pdf = fx.dir.filePath(QStringLiteral("record.pdf"));

    PdfAnswers *script = InstallPdfAnswers(fx, pdf);
    script->Then(ModalResult::Ok);

    QTest::mouseClick(fx.window->Buttons().print, Qt::LeftButton);
    QCOMPARE(script->asked().size(), 1); // the print dialog only, no error box
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(test::PdfPageCount(bytes), 1);
    QCOMPARE(test::PdfTitle(bytes), QStringLiteral("ППКОП-Orva(Склад 0000-0000-0000)"));
}

// A printer that cannot start the job: the error box tells it, and the program goes on.
void TestPrintButton::printerFailureShowsErrorBox()
{
    EditorFixture fx;
    fx.working.ResetToDefaults();
    PdfAnswers *script = InstallPdfAnswers(fx, fx.dir.filePath(QStringLiteral("missing/folder/record.pdf")));
    script->Then(ModalResult::Ok).Then(ModalResult::Retry);
    QTest::mouseClick(fx.window->Buttons().print, Qt::LeftButton);
    QCOMPARE(script->asked().size(), 2);
    QCOMPARE(script->asked().at(1).kind, QuestionKind::ErrorBox);
    QVERIFY(!script->asked().at(1).headline.isEmpty());
}

QTEST_MAIN(TestPrintButton)
#include "tst_print_button.moc"
