// Standard output that cannot be written is a failure of every command, in a process of its own: the
// same exit code (12) and a message on standard error, for outputs shorter than any buffer and longer.
#include "container_encoder.h"
#include "file_bytes.h"

#include "config_text/win1251_codec.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

const QString Fixtures = QStringLiteral(ORVA_FIXTURES_DIR);

// A folder with two configurations, and a container of one of them under the key "k".
struct Files
{
    QTemporaryDir dir;
    QString a, b, container;
    bool made = false;

    Files()
    {
        a = dir.filePath(QStringLiteral("a.ini"));
        b = dir.filePath(QStringLiteral("b.ini"));
        container = dir.filePath(QStringLiteral("c.cry"));
        const QByteArray text = ReadBytes(Fixtures + QStringLiteral("/check/passing.ini"));
        ContainerParts parts;
        parts.text = text;
        parts.keyBytes = RepeatKeyBytes(EncodeWindows1251(QStringLiteral("k")).bytes);
        parts.deviceName = QByteArrayLiteral("Office");
        parts.identifier = QByteArrayLiteral("0102030405AB");
        made = WriteBytes(a, text) &&
               WriteBytes(b, ReadBytes(Fixtures + QStringLiteral("/report/filled.ini"))) &&
               WriteBytes(container, EncodeContainer(parts));
    }
};

} // namespace

class OutputFailureTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullOutputIsAFailure_data();
    void fullOutputIsAFailure();
};

void OutputFailureTest::fullOutputIsAFailure_data()
{
    // The arguments, with A, B, C and DIR standing for the files above.
    QTest::addColumn<QStringList>("arguments");
    const auto row = [](const char *name, const QString &line) { QTest::newRow(name) << line.split(u' '); };
    // Short outputs: a few lines, far below the C library's buffer.
    row("--version", QStringLiteral("--version"));
    row("--help", QStringLiteral("--help"));
    row("list --help", QStringLiteral("list --help"));
    row("list", QStringLiteral("list DIR"));
    row("list --json", QStringLiteral("list --json DIR"));
    row("check --json", QStringLiteral("check --json A"));
    row("check", QStringLiteral("check B"));
    row("audit", QStringLiteral("audit DIR"));
    row("audit --json", QStringLiteral("audit --json DIR"));
    row("diff", QStringLiteral("diff A B"));
    row("set --dry-run", QStringLiteral("set A --field sms.name=Sklad --dry-run"));
    // Long outputs: kilobytes.
    row("exit-codes", QStringLiteral("exit-codes"));
    row("defaults", QStringLiteral("defaults"));
    row("normalize", QStringLiteral("normalize A"));
    row("decrypt", QStringLiteral("decrypt C --key k"));
    row("show", QStringLiteral("show A"));
    row("show --json", QStringLiteral("show --json A"));
    row("fields --json", QStringLiteral("fields --json"));
    row("diff --json", QStringLiteral("diff --json A B"));
    row("report", QStringLiteral("report A"));
}

void OutputFailureTest::fullOutputIsAFailure()
{
    QFETCH(QStringList, arguments);
    Files files;
    QVERIFY(files.made);
    arguments.replaceInStrings(QStringLiteral("DIR"), files.dir.path());
    for (QString &argument : arguments) {
        if (argument == u"A")
            argument = files.a;
        else if (argument == u"B")
            argument = files.b;
        else if (argument == u"C")
            argument = files.container;
    }
    QProcess cli;
    cli.setStandardOutputFile(QStringLiteral("/dev/full"));
    cli.start(QStringLiteral(ORVA_CONFIG_BINARY), arguments);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    const QString complaint = QString::fromLocal8Bit(cli.readAllStandardError());
    QVERIFY2(complaint.contains(QStringLiteral("cannot write to standard output")), qPrintable(complaint));
    QCOMPARE(cli.exitCode(), 12);
}

QTEST_GUILESS_MAIN(OutputFailureTest)
#include "tst_output_failure.moc"
