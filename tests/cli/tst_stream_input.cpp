// Configurations that come as streams: FILE "-" is standard input, a named pipe (a shell's <(...)) is read
// as it flows, both within a bound on their size; diff takes the keys of both its containers from standard
// input.
#include "../support/cli_runner.h"
#include "container_encoder.h"

#include "storage/config_file.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;
using orva::test::ReadBytes;
using orva::test::runCli;
using orva::test::WriteBytes;

namespace {

const QString PanelA = QStringLiteral(ORVA_FIXTURES_DIR "/fleet/panel_a.ini");
const QString PanelB = QStringLiteral(ORVA_FIXTURES_DIR "/fleet/panel_b.ini");
const QString Binary = QStringLiteral(ORVA_CONFIG_BINARY);

// Panels A and B as containers with keys of their own, in a temporary folder.
struct Containers
{
    QTemporaryDir dir;
    QString a = dir.filePath(u"a.cry"_s);
    QString b = dir.filePath(u"b.cry"_s);

    Containers()
    {
        WriteBytes(a, container(PanelA, "alpha"));
        WriteBytes(b, container(PanelB, "beta"));
    }

    static QByteArray container(const QString &path, const QByteArray &key)
    {
        test::ContainerParts parts;
        parts.text = ReadBytes(path);
        parts.keyBytes = test::RepeatKeyBytes(key);
        parts.deviceName = "Office";
        parts.identifier = "000000000012ab";
        return test::EncodeContainer(parts);
    }
};

struct ProcessRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// A shell command line run by bash with the program as $0 and `arguments` as $1, $2, ...
ProcessRun runShell(const QString &script, const QStringList &arguments = {})
{
    ProcessRun run;
    const QString shell = QStandardPaths::findExecutable(u"bash"_s);
    if (shell.isEmpty())
        return run;
    QProcess process;
    process.start(shell, QStringList{u"-c"_s, script, Binary} + arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

class TestStreamInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void standardInputAsFile_data();
    void standardInputAsFile();
    void namedPipeAsFile_data();
    void namedPipeAsFile();
    void endlessStreamIsRefused_data();
    void endlessStreamIsRefused();
    void diffKeysFromStandardInput();
    void standardInputUsedOnce_data();
    void standardInputUsedOnce();
};

void TestStreamInput::standardInputAsFile_data()
{
    QTest::addColumn<QStringList>("withInput"); // the command with "-" for the file given on standard input
    QTest::addColumn<QStringList>("withPath");  // the same command with the file by its name
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("show") << QStringList{u"show"_s, u"-"_s} << QStringList{u"show"_s, PanelA} << PanelA << 0;
    QTest::newRow("check") << QStringList{u"check"_s, u"-"_s, u"--json"_s}
                           << QStringList{u"check"_s, PanelB, u"--json"_s} << PanelB << 1;
    QTest::newRow("normalize") << QStringList{u"normalize"_s, u"-"_s} << QStringList{u"normalize"_s, PanelB}
                               << PanelB << 0;
    QTest::newRow("diff, A from standard input")
        << QStringList{u"diff"_s, u"-"_s, PanelB} << QStringList{u"diff"_s, PanelA, PanelB} << PanelA << 1;
    QTest::newRow("diff, B from standard input")
        << QStringList{u"diff"_s, PanelB, u"-"_s} << QStringList{u"diff"_s, PanelB, PanelA} << PanelA << 1;
    QTest::newRow("show, a container with its key") << QStringList{u"show"_s, u"-"_s, u"--key"_s, u"alpha"_s}
                                                    << QStringList{u"show"_s, PanelA} << u"a"_s << 0;
    QTest::newRow("diff, container B with --key-b")
        << QStringList{u"diff"_s, PanelA, u"-"_s, u"--key-b"_s, u"beta"_s}
        << QStringList{u"diff"_s, PanelA, PanelB} << u"b"_s << 1;
}

// The command reads standard input as it would read the file, and prints the same.
void TestStreamInput::standardInputAsFile()
{
    QFETCH(QStringList, withInput);
    QFETCH(QStringList, withPath);
    QFETCH(QString, input);
    QFETCH(int, exitCode);
    const Containers containers;
    const QString file = input == u"a" ? containers.a : input == u"b" ? containers.b : input;
    const test::CliRun fromInput = runCli(withInput, ReadBytes(file));
    QVERIFY2(fromInput.err.isEmpty(), qPrintable(fromInput.err));
    QCOMPARE(fromInput.exitCode, exitCode);
    const test::CliRun fromPath = runCli(withPath);
    QCOMPARE(fromPath.exitCode, exitCode);
    QVERIFY(!fromPath.out.isEmpty());
    QCOMPARE(fromInput.out, fromPath.out);
}

void TestStreamInput::namedPipeAsFile_data()
{
    QTest::addColumn<QString>("script"); // run by bash with the program as $0 and A, B as $1, $2
    QTest::addColumn<QStringList>("withPath");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("diff <(A) B") << u"\"$0\" diff <(cat \"$1\") \"$2\""_s
                                 << QStringList{u"diff"_s, PanelA, PanelB} << 1;
    QTest::newRow("diff A <(B)") << u"\"$0\" diff \"$1\" <(cat \"$2\")"_s
                                 << QStringList{u"diff"_s, PanelA, PanelB} << 1;
    QTest::newRow("show <(A)") << u"\"$0\" show <(cat \"$1\")"_s << QStringList{u"show"_s, PanelA} << 0;
    QTest::newRow("check <(B)") << u"\"$0\" check <(cat \"$2\")"_s << QStringList{u"check"_s, PanelB} << 1;
    QTest::newRow("normalize <(B)") << u"\"$0\" normalize <(cat \"$2\")"_s
                                    << QStringList{u"normalize"_s, PanelB} << 0;
}

// The program started from a shell, as a user runs `diff <(git show HEAD~1:panel.ini) panel.ini`.
void TestStreamInput::namedPipeAsFile()
{
    QFETCH(QString, script);
    QFETCH(QStringList, withPath);
    QFETCH(int, exitCode);
    const ProcessRun piped = runShell(script, {PanelA, PanelB});
    if (piped.exitCode < 0)
        QSKIP("bash cannot run here");
    QVERIFY2(piped.err.isEmpty(), qPrintable(piped.err));
    QCOMPARE(piped.exitCode, exitCode);
    const test::CliRun fromPath = runCli(withPath);
    QVERIFY(!fromPath.out.isEmpty());
    QCOMPARE(piped.out, fromPath.out);
}

void TestStreamInput::endlessStreamIsRefused_data()
{
    QTest::addColumn<QString>("script");
    const QString size = QString::number(StreamReadLimit + 1);
    QTest::newRow("standard input") << u"head -c "_s + size + u" /dev/zero | \"$0\" check -"_s;
    QTest::newRow("named pipe") << u"\"$0\" check <(head -c "_s + size + u" /dev/zero)"_s;
}

// A stream longer than any configuration is not taken into memory whole: the command stops at the bound.
void TestStreamInput::endlessStreamIsRefused()
{
    QFETCH(QString, script);
    const ProcessRun run = runShell(script);
    if (run.exitCode < 0)
        QSKIP("bash cannot run here");
    QCOMPARE(run.exitCode, int(cli::ExitCode::Unreadable));
    QVERIFY2(run.err.contains(u"cannot read "_s) && run.err.contains(u"more than"_s), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

// Two containers with two keys, neither on the command line: A's key on the first line, B's on the second.
void TestStreamInput::diffKeysFromStandardInput()
{
    const Containers containers;
    const test::CliRun plain = runCli({u"diff"_s, PanelA, PanelB});
    QCOMPARE(plain.exitCode, 1);
    const QStringList arguments{u"diff"_s, containers.a, containers.b, u"--keys-stdin"_s};
    const test::CliRun keyed = runCli(arguments, "alpha\nbeta\n");
    QVERIFY2(keyed.err.isEmpty(), qPrintable(keyed.err));
    QCOMPARE(keyed.exitCode, 1);
    QCOMPARE(keyed.out, plain.out);
    // Line breaks as a Windows editor writes them, and no break after the last line.
    QCOMPARE(runCli(arguments, "alpha\r\nbeta").out, plain.out);
    // The lines in the wrong order open neither.
    QCOMPARE(runCli(arguments, "beta\nalpha\n").exitCode, int(cli::ExitCode::WrongKey));
    // A plain A: its line is not used, B's key is still the second.
    const test::CliRun plainA = runCli({u"diff"_s, PanelA, containers.b, u"--keys-stdin"_s}, "\nbeta\n");
    QCOMPARE(plainA.exitCode, 1);
    QCOMPARE(plainA.out, plain.out);
    // No second line: B's key is empty.
    QCOMPARE(runCli(arguments, "alpha\n").exitCode, int(cli::ExitCode::EmptyKey));

    const QString help = QString::fromUtf8(runCli({u"diff"_s, u"--help"_s}).out);
    QVERIFY2(help.contains(u"--keys-stdin"_s), qPrintable(help));
}

void TestStreamInput::standardInputUsedOnce_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("diff - -") << QStringList{u"diff"_s, u"-"_s, u"-"_s} << u"only one of A and B"_s;
    QTest::newRow("diff - B --keys-stdin")
        << QStringList{u"diff"_s, u"-"_s, PanelB, u"--keys-stdin"_s} << u"both a file and the keys"_s;
    QTest::newRow("diff --keys-stdin --key-a")
        << QStringList{u"diff"_s, PanelA, PanelB, u"--keys-stdin"_s, u"--key-a"_s, u"alpha"_s}
        << u"not both"_s;
    QTest::newRow("show - --key-stdin")
        << QStringList{u"show"_s, u"-"_s, u"--key-stdin"_s} << u"both FILE and its key"_s;
    QTest::newRow("check - --key-stdin")
        << QStringList{u"check"_s, u"-"_s, u"--key-stdin"_s} << u"both FILE and its key"_s;
}

// Standard input can give one thing: a file or keys, never two of them.
void TestStreamInput::standardInputUsedOnce()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const test::CliRun run = runCli(arguments, ReadBytes(PanelA));
    QCOMPARE(run.exitCode, int(cli::ExitCode::Usage));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestStreamInput)
#include "tst_stream_input.moc"
