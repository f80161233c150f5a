#include "../support/cli_runner.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace orva;
using orva::test::fixture;
using orva::test::runCli;

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultsPrintsFactoryConfiguration();
    void defaultsToFile();
    void normalizeFile();
    void normalizeIsStable();
    void failures_data();
    void failures();
    void helpAndVersion();
    void everyCommandHelpGivesEachExitCodeItsMeaning();
};

void TestCli::defaultsPrintsFactoryConfiguration()
{
    const auto run = runCli({QStringLiteral("defaults")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, fixture(QStringLiteral("defaults.ini")));
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 131); // 130 lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    for (qsizetype i = 0; i < 130; ++i) {
        QVERIFY(lines[i].endsWith('\r'));
        QVERIFY(lines[i].size() >= 46);
    }
    QVERIFY(run.err.isEmpty());
}

void TestCli::defaultsToFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.ini"));
    const auto run = runCli({QStringLiteral("defaults"), QStringLiteral("-o"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(orva::test::ReadBytes(path), fixture(QStringLiteral("defaults.ini")));
}

// A file with LF, CR and CR LF breaks, comments, out-of-range values, unknown instances and a NUL byte.
void TestCli::normalizeFile()
{
    const auto run =
        runCli({QStringLiteral("normalize"), QStringLiteral(ORVA_FIXTURES_DIR "/normalize_input.ini")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, fixture(QStringLiteral("normalize_expected.ini")));
}

void TestCli::normalizeIsStable()
{
    const auto run = runCli({QStringLiteral("normalize"), QStringLiteral(ORVA_FIXTURES_DIR "/defaults.ini")});
    QCOMPARE(run.exitCode, 0);
    QTemporaryDir dir;
    const QString once = dir.filePath(QStringLiteral("once.ini"));
    QVERIFY(orva::test::WriteBytes(once, run.out));
    const auto twice = runCli({QStringLiteral("normalize"), once});
    // The version text gets its blank after each point once; read again it stays as it is.
    const QList<QByteArray> first = run.out.split('\n');
    const QList<QByteArray> second = twice.out.split('\n');
    QCOMPARE(first.at(0), QByteArray("Zentrix-Config Orva soft v. 3. 0             \r"));
    QCOMPARE(second, first);
}

void TestCli::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QStringList{QStringLiteral("normalize"),
                                                 QStringLiteral("/nonexistent/x.ini")}
                                  << int(cli::ExitCode::Unreadable)
                                  << QStringLiteral("cannot read /nonexistent/x.ini");
    QTest::newRow("folder") << QStringList{QStringLiteral("normalize"), QStringLiteral(ORVA_FIXTURES_DIR)}
                            << int(cli::ExitCode::Unreadable) << QStringLiteral("is a folder");
    QTest::newRow("no file") << QStringList{QStringLiteral("normalize")} << 2
                             << QStringLiteral("exactly one FILE");
    QTest::newRow("two files") << QStringList{QStringLiteral("normalize"), QStringLiteral("a"),
                                              QStringLiteral("b")}
                               << 2 << QStringLiteral("exactly one FILE");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2
                                     << QStringLiteral("unknown command");
    QTest::newRow("no command") << QStringList{} << 2 << QStringLiteral("no command");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("defaults"), QStringLiteral("--frob")} << 2
                                    << QStringLiteral("frob");
    QTest::newRow("unwritable output") << QStringList{QStringLiteral("defaults"), QStringLiteral("-o"),
                                                      QStringLiteral("/nonexistent/dir/out.ini")}
                                       << 1 << QStringLiteral("cannot write /nonexistent/dir/out.ini");
}

void TestCli::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const auto run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestCli::helpAndVersion()
{
    const auto help = runCli({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("defaults"));
    QVERIFY(help.out.contains("normalize"));
    const auto commandHelp = runCli({QStringLiteral("normalize"), QStringLiteral("--help")});
    QCOMPARE(commandHelp.exitCode, 0);
    QVERIFY(commandHelp.out.contains("--output"));
    QVERIFY(commandHelp.out.contains("FILE"));
    const auto version = runCli({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("orva-config "));
}

// Each command's --help lists its exit codes in rising order, each with what it means for that command.
void TestCli::everyCommandHelpGivesEachExitCodeItsMeaning()
{
    const QString overview = QString::fromUtf8(runCli({QStringLiteral("--help")}).out);
    const QRegularExpression commandLine(QStringLiteral("^  ([a-z-]+)$"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpression codeLine(QStringLiteral("^ *(\\d+)  (\\S.*)$"));
    QStringList commands;
    for (const auto &match : commandLine.globalMatch(overview))
        commands.append(match.captured(1));
    QVERIFY(commands.contains(QStringLiteral("exit-codes")));
    for (const QString &command : commands) {
        const auto help = runCli({command, QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        const QString text = QString::fromUtf8(help.out);
        const qsizetype start = text.indexOf(QStringLiteral("\nExit codes:\n"));
        QVERIFY2(start >= 0, qPrintable(command));
        QList<int> codes;
        for (const QString &line : text.mid(start + 13).split(u'\n')) {
            if (line.isEmpty())
                break;
            const auto match = codeLine.match(line);
            if (!match.hasMatch()) {
                QVERIFY2(line.startsWith(QStringLiteral("     ")) && !codes.isEmpty(), qPrintable(line));
                continue; // the meaning wrapped onto the next line
            }
            codes.append(match.captured(1).toInt());
        }
        QVERIFY2(codes.size() >= 3, qPrintable(command));
        QCOMPARE(codes.first(), 0);
        QVERIFY2(std::is_sorted(codes.begin(), codes.end()), qPrintable(command));
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
