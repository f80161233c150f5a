#include "../support/cli_runner.h"
#include "../support/pdf_probe.h"

#include "device_model/store_form.h"
#include "pdf_output.h"
#include "report/print_identifier.h"
#include "storage/config_file.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using orva::test::CliRun;

// orva-config draws its PDF with Qt Gui alone: the commands link neither Qt Widgets nor Qt
// PrintSupport, whose headers are then not even on the include path of a target that links them.
#if __has_include(<QWidget>) || __has_include(<QPrinter>)
#error "orva-config's commands must not link Qt Widgets or Qt PrintSupport"
#endif

namespace {

const QString Office = QStringLiteral(ORVA_FIXTURES_DIR "/report/office.ini");
// The date the tests give the report for today, so that no result depends on the day they run.
const QDate Today(2031, 2, 3);

CliRun run(const QStringList &arguments, const QDate &today = Today)
{
    cli::CliSeams seams;
    seams.today = today;
    return orva::test::runCli(arguments, {}, seams);
}

// A PDF without the moment it was written (the document's creation date), the one part that differs
// between two drawings of the same page.
QByteArray WithoutCreationDate(QByteArray pdf)
{
    static const QRegularExpression creation(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
    return QString::fromLatin1(pdf).remove(creation).toLatin1();
}

// The record of the fixture dated `date`, drawn as the editor prints it after opening the file.
QByteArray RecordPdf(const QString &path, const QDate &date)
{
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(test::ReadBytes(path)), model);
    ApplyStoreForm(model);
    NormalizeIdentifierForPrint(model);
    return RenderReportPdf(model, date).bytes;
}

} // namespace

class ReportCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesOnePagePdf();
    void writesToStandardOutput();
    void printsTheGivenDate();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void onlyReportNeedsGui_data();
    void onlyReportNeedsGui();
    void pdfGoesToAPipeNeverATerminal_data();
    void pdfGoesToAPipeNeverATerminal();
    void quietWithoutRuntimeFolder();
};

void ReportCommandTest::writesOnePagePdf()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("office.pdf"));
    const CliRun result = run({QStringLiteral("report"), Office, QStringLiteral("-o"), path});
    QVERIFY2(result.exitCode == int(cli::ExitCode::Ok), qPrintable(result.err));
    QVERIFY(result.err.isEmpty());
    QVERIFY(result.out.isEmpty());

    const QByteArray pdf = test::ReadBytes(path);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(test::PdfPageCount(pdf), 1);
    // The job title carries the file's name and its identifier as the print flow normalised it.
    QCOMPARE(test::PdfTitle(pdf), QStringLiteral("ППКОП-Orva(Офис12 0A1B-2C3D-4E5F)"));
}

void ReportCommandTest::writesToStandardOutput()
{
    const CliRun result = run({QStringLiteral("report"), Office});
    QCOMPARE(result.exitCode, int(cli::ExitCode::Ok));
    QVERIFY(result.out.startsWith("%PDF"));
    QCOMPARE(test::PdfPageCount(result.out), 1);
}

// The record carries the date the command is given for today: its page is the one drawn for that date,
// and another date draws another page.
void ReportCommandTest::printsTheGivenDate()
{
    const CliRun result = run({QStringLiteral("report"), Office});
    QCOMPARE(result.exitCode, int(cli::ExitCode::Ok));
    const QByteArray dated = RecordPdf(Office, Today);
    QVERIFY(dated.startsWith("%PDF"));
    QCOMPARE(WithoutCreationDate(result.out), WithoutCreationDate(dated));

    const CliRun nextDay = run({QStringLiteral("report"), Office}, Today.addDays(1));
    QCOMPARE(nextDay.exitCode, int(cli::ExitCode::Ok));
    QVERIFY(WithoutCreationDate(nextDay.out) != WithoutCreationDate(dated));
    QCOMPARE(WithoutCreationDate(nextDay.out), WithoutCreationDate(RecordPdf(Office, Today.addDays(1))));
}

void ReportCommandTest::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList{QStringLiteral("report")} << int(cli::ExitCode::Usage)
                             << "report needs exactly one FILE";
    QTest::newRow("two files") << QStringList{QStringLiteral("report"), Office, Office}
                               << int(cli::ExitCode::Usage) << "report needs exactly one FILE";
    QTest::newRow("missing file") << QStringList{QStringLiteral("report"),
                                                 QStringLiteral("/nonexistent/x.ini")}
                                  << int(cli::ExitCode::Unreadable) << "cannot read /nonexistent/x.ini";
    QTest::newRow("folder as file") << QStringList{QStringLiteral("report"),
                                                   QStringLiteral(ORVA_FIXTURES_DIR)}
                                    << int(cli::ExitCode::Unreadable) << "cannot read";
    QTest::newRow("unwritable output") << QStringList{QStringLiteral("report"), Office, QStringLiteral("-o"),
                                                      QStringLiteral("/nonexistent/x.pdf")}
                                       << int(cli::ExitCode::Failure) << "cannot write /nonexistent/x.pdf";
}

void ReportCommandTest::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    const CliRun result = run(arguments);
    QCOMPARE(result.exitCode, code);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

void ReportCommandTest::onlyReportNeedsGui_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("needsGui");
    QTest::newRow("report") << QStringList{QStringLiteral("report"), Office} << true;
    QTest::newRow("normalize") << QStringList{QStringLiteral("normalize"), Office} << false;
    QTest::newRow("defaults") << QStringList{QStringLiteral("defaults")} << false;
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << false;
    QTest::newRow("nothing") << QStringList{} << false;
    QTest::newRow("unknown") << QStringList{QStringLiteral("print")} << false;
}

void ReportCommandTest::onlyReportNeedsGui()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, needsGui);
    QCOMPARE(cli::CommandNeedsGui(QStringList{QStringLiteral("orva-config")} + arguments), needsGui);
}

void ReportCommandTest::pdfGoesToAPipeNeverATerminal_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::newRow("terminal") << true;
    QTest::newRow("pipe") << false;
}

// The program as a user starts it: on a terminal (a pseudo-terminal that `script` opens) the binary PDF is
// refused with a message, as gzip refuses; into a pipe it goes whole.
void ReportCommandTest::pdfGoesToAPipeNeverATerminal()
{
    QFETCH(bool, terminal);
    const QString binary = QStringLiteral(ORVA_CONFIG_BINARY);
    QProcess program;
    if (terminal) {
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("script (util-linux) is not installed");
        // -e: script's exit code is the program's; the terminal's output comes back on script's output.
        program.start(script,
                      {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("-c"),
                       QStringLiteral("'%1' report '%2'").arg(binary, Office), QStringLiteral("/dev/null")});
    } else {
        program.start(binary, {QStringLiteral("report"), Office});
    }
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QByteArray out = program.readAllStandardOutput();
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    if (terminal) {
        QCOMPARE(program.exitCode(), int(cli::ExitCode::Usage));
        QVERIFY2(!out.contains("%PDF"), out.left(200).constData());
        QVERIFY2(out.contains("not written to a terminal"), out.constData());
    } else {
        QVERIFY2(program.exitCode() == 0, qPrintable(err));
        QVERIFY(out.startsWith("%PDF"));
        QCOMPARE(test::PdfPageCount(out), 1);
    }
}

// Started where XDG_RUNTIME_DIR is not set (a cron job, su, a container): nothing on standard error and
// no runtime folder left in the temporary folder.
void ReportCommandTest::quietWithoutRuntimeFolder()
{
    QTemporaryDir temporary;
    QTemporaryDir output;
    QVERIFY(temporary.isValid() && output.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    const QString pdf = output.filePath(QStringLiteral("record.pdf"));
    program.start(QStringLiteral(ORVA_CONFIG_BINARY),
                  {QStringLiteral("report"), Office, QStringLiteral("-o"), pdf});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), QString());
    QVERIFY(test::ReadBytes(pdf).startsWith("%PDF"));
    QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(ReportCommandTest)
#include "tst_report_command.moc"
