#include "../support/pdf_probe.h"

#include "cli_app.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

// orva-config draws its PDF with Qt Gui alone: the commands link neither Qt Widgets nor Qt
// PrintSupport, whose headers are then not even on the include path of a target that links them.
#if __has_include(<QWidget>) || __has_include(<QPrinter>)
#error "orva-config's commands must not link Qt Widgets or Qt PrintSupport"
#endif

namespace {

const QString Office = QStringLiteral(ORVA_FIXTURES_DIR "/report/office.ini");

struct Run
{
    int code = -1;
    QByteArray out;
    QString err;
};

Run run(const QStringList &arguments)
{
    Run result;
    QBuffer out(&result.out);
    out.open(QIODevice::WriteOnly);
    QTextStream err(&result.err);
    cli::CliStreams io{out, err};
    result.code = cli::RunCli(QStringList{QStringLiteral("orva-config")} + arguments, io);
    err.flush();
    return result;
}

} // namespace

class ReportCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesOnePagePdf();
    void writesToStandardOutput();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void onlyReportNeedsGui_data();
    void onlyReportNeedsGui();
};

void ReportCommandTest::writesOnePagePdf()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("office.pdf"));
    const Run result = run({QStringLiteral("report"), Office, QStringLiteral("-o"), path});
    QVERIFY2(result.code == int(cli::ExitCode::Ok), qPrintable(result.err));
    QVERIFY(result.err.isEmpty());
    QVERIFY(result.out.isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(test::PdfPageCount(pdf), 1);
    // The job title carries the file's name and its identifier as the print flow normalised it.
    QCOMPARE(test::PdfTitle(pdf), QStringLiteral("ППКОП-Orva(Офис12 0A1B-2C3D-4E5F)"));
}

void ReportCommandTest::writesToStandardOutput()
{
    const Run result = run({QStringLiteral("report"), Office});
    QCOMPARE(result.code, int(cli::ExitCode::Ok));
    QVERIFY(result.out.startsWith("%PDF"));
    QCOMPARE(test::PdfPageCount(result.out), 1);
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
    const Run result = run(arguments);
    QCOMPARE(result.code, code);
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

QTEST_MAIN(ReportCommandTest)
#include "tst_report_command.moc"
