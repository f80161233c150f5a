// Printing on real CUPS queues of a private CUPS scheduler, run in a temporary folder for this test: a
// job the queue refuses (cupsreject), or one that finds the print server stopped, is a failed print that
// the editor reports in its error box; a job the queue takes is printed. Skipped where CUPS is not
// installed (cups-daemon and cups-client).
#include "../../support/system_tool.h"
#include "dialogs/modal_result.h"
#include "editor_fixture.h"
#include "frame/bottom_buttons.h"
#include "print_flow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;

namespace {

const QString Accepting = QStringLiteral("orva-accepting");
const QString Refusing = QStringLiteral("orva-refusing");

QString tool(const QString &name)
{
    return test::SystemTool(name);
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Answers the print dialog by choosing the queue `queue`.
class QueueAnswers : public ScriptedQuestions
{
public:
    explicit QueueAnswers(QString queue) : m_queue(std::move(queue)) {}
    Answer Ask(const Question &question) override
    {
        if (question.kind == QuestionKind::Print && question.printer) {
            question.printer->setOutputFileName(QString());
            question.printer->setPrinterName(m_queue);
        }
        return ScriptedQuestions::Ask(question);
    }

private:
    QString m_queue;
};

} // namespace

class PrintQueueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void acceptedJobIsPrinted();
    void refusedJobFails();
    void refusedJobShowsErrorBox();
    void stoppedServerFails(); // the last: it stops the scheduler

private:
    // Runs a CUPS command line tool against the private scheduler; its exit code.
    int run(const QString &program, const QStringList &arguments, QString *output = nullptr);
    PrintResult print(const QString &queue);

    QTemporaryDir m_root{QDir::tempPath() + QStringLiteral("/cups-XXXXXX")};
    QProcess m_scheduler;
};

int PrintQueueTest::run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.start(tool(program), arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void PrintQueueTest::initTestCase()
{
    for (const QString &name : {u"cupsd"_s, u"lpadmin"_s, u"cupsreject"_s, u"lpstat"_s}) {
        if (tool(name).isEmpty())
            QSKIP(qPrintable(u"CUPS is not installed (" + name + u" not found): no print queue to try"));
    }
    QVERIFY(m_root.isValid());
    const QDir root(m_root.path());
    for (const char *folder : {"spool", "cache", "state", "log", "tmp"}) {
        QVERIFY(root.mkpath(QString::fromLatin1(folder)));
        // The scheduler's helpers may run as another user.
        QFile::setPermissions(root.filePath(QString::fromLatin1(folder)), QFileDevice::Permissions(0x7777));
    }
    const QString socket = root.filePath(QStringLiteral("cups.sock"));
    QVERIFY(writeFile(root.filePath(QStringLiteral("cupsd.conf")),
                      u"Listen " + socket +
                          u"\nLogLevel warn\nBrowsing No\nDefaultAuthType None\n"
                          u"<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n"
                          u"<Location />\nOrder allow,deny\nAllow all\n</Location>\n"));
    QString files = u"ServerRoot " + root.path() + u"\nFileDevice Yes\n";
    for (const auto &[key, folder] : {std::pair{u"StateDir"_s, u"state"_s},
                                      {u"CacheDir"_s, u"cache"_s},
                                      {u"RequestRoot"_s, u"spool"_s},
                                      {u"TempDir"_s, u"tmp"_s}}) {
        files += key + u' ' + root.filePath(folder) + u'\n';
    }
    for (const QString &log : {u"AccessLog"_s, u"ErrorLog"_s, u"PageLog"_s})
        files += log + u' ' + root.filePath(u"log/" + log) + u'\n';
    QVERIFY(writeFile(root.filePath(QStringLiteral("cups-files.conf")), files));

    // Every CUPS client of this process, Qt's print support included, talks to the private scheduler.
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    m_scheduler.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_scheduler.start(tool(QStringLiteral("cupsd")),
                      {QStringLiteral("-f"), QStringLiteral("-c"),
                       root.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                       root.filePath(QStringLiteral("cups-files.conf"))});
    QVERIFY(m_scheduler.waitForStarted());
    QVERIFY2(QTest::qWaitFor([&] { return run(u"lpstat"_s, {u"-r"_s}) == 0; }, 20000),
             "the private CUPS scheduler did not start");

    // A scheduler that has just begun to answer may still refuse changes for a moment: each is tried
    // again for a while.
    const auto done = [this](const QString &program, const QStringList &arguments) {
        return QTest::qWaitFor([&] { return run(program, arguments) == 0; }, 15000);
    };
    for (const QString &queue : {Accepting, Refusing})
        QVERIFY(done(u"lpadmin"_s, {u"-p"_s, queue, u"-E"_s, u"-v"_s, u"file:///dev/null"_s}));
    QVERIFY(done(u"cupsreject"_s, {Refusing}));
}

void PrintQueueTest::cleanupTestCase()
{
    if (m_scheduler.state() != QProcess::NotRunning) {
        m_scheduler.terminate();
        m_scheduler.waitForFinished(10000);
    }
}

PrintResult PrintQueueTest::print(const QString &queue)
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    QPrinter printer(QPrinter::HighResolution);
    return RunPrintFlow(
        model, printer,
        [&queue](QPrinter &chosen) {
            chosen.setPrinterName(queue);
            // The dialog's answer: that queue, the job for it rather than for a file.
            return chosen.printerName() == queue && chosen.outputFormat() == QPrinter::NativeFormat &&
                   chosen.outputFileName().isEmpty();
        },
        QDate(2024, 2, 1));
}

// The queue takes the job: printed, no failure, and the job is in the queue's list.
void PrintQueueTest::acceptedJobIsPrinted()
{
    const PrintResult result = print(Accepting);
    QCOMPARE(result.outcome, PrintOutcome::Printed);
    QString jobs;
    QCOMPARE(run(u"lpstat"_s, {u"-W"_s, u"all"_s, u"-o"_s, Accepting}, &jobs), 0);
    QVERIFY2(jobs.contains(Accepting + u'-'), qPrintable(jobs));
}

// The queue rejects jobs (cupsreject): Qt's painter and printer report success, the queue's answer
// makes it a failed print.
void PrintQueueTest::refusedJobFails()
{
    const PrintResult result = print(Refusing);
    QCOMPARE(result.outcome, PrintOutcome::Failed);
    QCOMPARE(result.headline, QStringLiteral("Ошибка печати"));
    QVERIFY(!result.hint.isEmpty());
}

// "Печать" with the refusing queue chosen in the dialog: the error box says "Ошибка печати".
void PrintQueueTest::refusedJobShowsErrorBox()
{
    EditorFixture fx;
    fx.working.ResetToDefaults();
    fx.window->Redraw_All();
    auto answers = std::make_unique<QueueAnswers>(Refusing);
    QueueAnswers *script = answers.get();
    fx.window->SetQuestions(std::move(answers));
    fx.questions = script;
    script->Then(ModalResult::Ok).Then(ModalResult::Retry);

    QTest::mouseClick(fx.window->Buttons().print, Qt::LeftButton);
    QCOMPARE(script->askedKinds(), (QList<QuestionKind>{QuestionKind::Print, QuestionKind::ErrorBox}));
    const Question &box = script->asked().at(1);
    QCOMPARE(box.headline, QStringLiteral("Ошибка печати"));
    QVERIFY(!box.hint.isEmpty());
    QVERIFY(box.fix);
}

// The print server stops after the printer was chosen: the job goes nowhere, and the print fails.
void PrintQueueTest::stoppedServerFails()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    QPrinter printer(QPrinter::HighResolution);
    const PrintResult result = RunPrintFlow(
        model, printer,
        [this](QPrinter &chosen) {
            chosen.setPrinterName(Accepting);
            m_scheduler.terminate();
            m_scheduler.waitForFinished(10000);
            return chosen.printerName() == Accepting;
        },
        QDate(2024, 2, 1));
    QCOMPARE(m_scheduler.state(), QProcess::NotRunning);
    QCOMPARE(result.outcome, PrintOutcome::Failed);
    QCOMPARE(result.headline, QStringLiteral("Ошибка печати"));
}

QTEST_MAIN(PrintQueueTest)
#include "tst_print_queue.moc"
