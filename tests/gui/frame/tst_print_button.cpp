#include "dialogs/modal_result.h"
#include "editor_fixture.h"
#include "frame/bottom_buttons.h"
#include "pdf_answers.h"
#include "pdf_probe.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

using namespace orva;

class TestPrintButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cancelledDialogStillNormalisesIdentifier();
    void printsToPdfWithJobTitle();
    void printerFailureShowsErrorBox();
    void printToFileProposesTheRecordsName_data();
    void printToFileProposesTheRecordsName();
    void reducedRecordIsAnnounced_data();
    void reducedRecordIsAnnounced();
};

namespace {

// Answers the print dialog by cancelling it, noting the file it would propose for print-to-file.
class ProposalAnswers : public ScriptedQuestions
{
public:
    Answer Ask(const Question &question) override
    {
        if (question.kind == QuestionKind::Print && question.printer)
            proposed = question.printer->outputFileName();
        return ScriptedQuestions::Ask(question);
    }

    QString proposed;
};

// Answers the print dialog with a PDF file on a chosen paper size and orientation.
class PageAnswers : public PdfAnswers
{
public:
    PageAnswers(const QString &path, QPageSize::PageSizeId size, QPageLayout::Orientation orientation)
        : PdfAnswers(path), m_size(size), m_orientation(orientation)
    {}
    Answer Ask(const Question &question) override
    {
        const Answer answer = PdfAnswers::Ask(question);
        if (question.kind == QuestionKind::Print && question.printer) {
            question.printer->setPageSize(QPageSize(m_size));
            question.printer->setPageOrientation(m_orientation);
        }
        return answer;
    }

private:
    QPageSize::PageSizeId m_size;
    QPageLayout::Orientation m_orientation;
};

} // namespace

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

void TestPrintButton::printToFileProposesTheRecordsName_data()
{
    QTest::addColumn<bool>("listMode");
    QTest::addColumn<bool>("maskMode");
    QTest::addColumn<QString>("name");
    // The default mask joins prefix, device name and identifier (as the pages store it) by "_".
    QTest::newRow("mask in list mode") << true << true << "Orva_Склад_0A1B2C3D4E5F.pdf";
    QTest::newRow("mask in normal mode") << false << true << "Orva_Склад_0A1B2C3D4E5F.pdf";
    QTest::newRow("own name in list mode") << true << false << "panel7.pdf";
}

// Records of different panels get different names: the mask's (or the opened file's own) with ".pdf",
// in the list folder in list mode.
void TestPrintButton::printToFileProposesTheRecordsName()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
    QSKIP("only Qt's own print dialog has a file name field");
#endif
    QFETCH(bool, listMode);
    QFETCH(bool, maskMode);
    QFETCH(QString, name);
    QTemporaryDir panels;
    const QString file = panels.filePath(QStringLiteral("panel7.ini"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(
            QByteArrayLiteral("oa-\xd1\xea\xeb\xe0\xe4\r\ngi-0A1B2C3D4E5F\r\n")); // "Склад" in Windows-1251
    }
    EditorFixture fx({file});
    QVERIFY(fx.ShowActive());
    QCOMPARE(fx.working.record(Cmd::oa).text(1), QStringLiteral("Склад"));
    fx.window->settings().listMode = listMode;
    fx.window->settings().maskMode = maskMode;
    fx.window->settings().listPath = WithTrailingSeparator(fx.dir.path());
    auto answers = std::make_unique<ProposalAnswers>();
    ProposalAnswers *script = answers.get();
    fx.window->SetQuestions(std::move(answers));
    script->Then(ModalResult::Cancel);

    QTest::mouseClick(fx.window->Buttons().print, Qt::LeftButton);
    QCOMPARE(script->askedKinds(), QList<QuestionKind>{QuestionKind::Print});
    const QString folder = listMode ? fx.dir.path() : QDir::homePath();
    QCOMPARE(script->proposed, QDir(folder).filePath(name));
}

void TestPrintButton::reducedRecordIsAnnounced_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<QString>("mediaBox"); // the printed page in points
    QTest::newRow("A5 landscape") << int(QPageSize::A5) << int(QPageLayout::Landscape) << true << "595 420";
    QTest::newRow("A4 landscape") << int(QPageSize::A4) << int(QPageLayout::Landscape) << true << "842 595";
    QTest::newRow("A5 portrait") << int(QPageSize::A5) << int(QPageLayout::Portrait) << true << "420 595";
    QTest::newRow("A4 portrait") << int(QPageSize::A4) << int(QPageLayout::Portrait) << false << "595 842";
}

// A page that shrinks the record below 0.8 of its size: before anything is printed the information box
// says how small it will be. "Отказаться" opens the print dialog again; "Продолжить" prints on the page
// chosen. A page that holds the record at full size asks nothing.
void TestPrintButton::reducedRecordIsAnnounced()
{
    QFETCH(int, size);
    QFETCH(int, orientation);
    QFETCH(bool, announced);
    QFETCH(QString, mediaBox);
    EditorFixture fx;
    fx.working.ResetToDefaults();
    fx.window->Redraw_All();
    const QString pdf = fx.dir.filePath(QStringLiteral("record.pdf"));
    auto answers = std::make_unique<PageAnswers>(pdf, QPageSize::PageSizeId(size),
                                                 QPageLayout::Orientation(orientation));
    PageAnswers *script = answers.get();
    fx.window->SetQuestions(std::move(answers));
    fx.questions = script;
    if (announced)
        script->Then(ModalResult::Ok).Then(ModalResult::Cancel).Then(ModalResult::Ok).Then(ModalResult::Ok);
    else
        script->Then(ModalResult::Ok);

    QTest::mouseClick(fx.window->Buttons().print, Qt::LeftButton);
    const QList<QuestionKind> kinds = announced
                                          ? QList<QuestionKind>{QuestionKind::Print, QuestionKind::InfoBox,
                                                                QuestionKind::Print, QuestionKind::InfoBox}
                                          : QList<QuestionKind>{QuestionKind::Print};
    QCOMPARE(script->askedKinds(), kinds);
    if (announced) {
        const Question &notice = script->asked().at(1);
        const QRegularExpressionMatch percent =
            QRegularExpression(QStringLiteral("уменьшенным до (\\d+)%$")).match(notice.headline);
        QVERIFY2(percent.hasMatch(), qPrintable(notice.headline));
        QVERIFY(percent.captured(1).toInt() < 80 && percent.captured(1).toInt() > 30);
        QVERIFY(!notice.hint.isEmpty());
        QVERIFY(notice.offerCancel);
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(test::PdfPageCount(bytes), 1);
    const QStringList points = mediaBox.split(u' ');
    QVERIFY(QString::fromLatin1(bytes).contains(QRegularExpression(
        QStringLiteral("/MediaBox \\[0 0 %1(\\.0+)? %2(\\.0+)?\\]").arg(points[0], points[1]))));
}

QTEST_MAIN(TestPrintButton)
#include "tst_print_button.moc"
