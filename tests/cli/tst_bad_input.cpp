// orva-config given files that are no configuration at all: each gives the defaults or a clear message,
// never a crash or a hang.
#include "../support/cli_runner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using orva::test::runCli;
using orva::test::WriteBytes;

namespace {

QByteArray binary(int size)
{
    QByteArray bytes(size, '\0');
    quint32 x = 12345;
    for (char &c : bytes) {
        x = x * 1103515245u + 12345u;
        c = char(x >> 24);
    }
    return bytes;
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void filesReadAsDefaults_data();
    void filesReadAsDefaults();
    void notFiles_data();
    void notFiles();
};

void TestBadInput::filesReadAsDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << binary(64 * 1024);
    QTest::newRow("nul bytes") << QByteArray(4096, '\0');
    QTest::newRow("one 1 MB line") << QByteArray(1 << 20, 'x');
    QTest::newRow("50 MB") << QByteArray("; filler\r\n").repeated(5 * 1024 * 1024);
    QTest::newRow("huge instance numbers") << QByteArray("ua99999999999999999999-x\r\nlm4294967297-1.1\r\n");
}

// normalize, check and list all read such files; what they hold that is no command is skipped.
void TestBadInput::filesReadAsDefaults()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteBytes(path, bytes));

    const auto normalized = runCli({QStringLiteral("normalize"), path});
    QCOMPARE(normalized.exitCode, 0);
    const auto defaults = runCli({QStringLiteral("defaults")});
    // Everything but the version line, which takes the file's free text (or "??????").
    QCOMPARE(normalized.out.mid(normalized.out.indexOf('\n')), defaults.out.mid(defaults.out.indexOf('\n')));

    const auto checked = runCli({QStringLiteral("check"), path, QStringLiteral("--json")});
    QVERIFY(checked.exitCode == 0 || checked.exitCode == 1);
    const auto listed = runCli({QStringLiteral("list"), dir.path()});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY(listed.out.endsWith("\tconfig.ini\n"));
}

void TestBadInput::notFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder named config.ini") << QStringLiteral("folder");
#ifdef Q_OS_UNIX
    QTest::newRow("pipe named config.ini") << QStringLiteral("pipe");
#endif
    QTest::newRow("missing") << QStringLiteral("missing");
}

// Each command says why it cannot read, with the one exit code of an unreadable file. A named pipe is
// read as a stream (tst_stream_input); the list does not wait on one.
void TestBadInput::notFiles()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
#ifdef Q_OS_UNIX
    if (kind == u"pipe")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    // A named pipe is no failure for them: they read it as a stream.
    const QStringList commands =
        kind == u"pipe"
            ? QStringList()
            : QStringList{QStringLiteral("normalize"), QStringLiteral("check"), QStringLiteral("save")};
    for (const QString &command : commands) {
        QStringList arguments{command, path};
        if (command == u"save")
            arguments << QStringLiteral("-o") << dir.filePath(QStringLiteral("out.ini"));
        const auto run = runCli(arguments);
        QCOMPARE(run.exitCode, int(orva::cli::ExitCode::Unreadable));
        QVERIFY2(run.err.contains(QStringLiteral("cannot read")), qPrintable(run.err));
    }
    const auto listed = runCli({QStringLiteral("list"), dir.path()});
    QCOMPARE(listed.exitCode, 0);
    // A folder is no configuration file of the list; a pipe named like one is listed, as unreadable.
    if (kind == u"pipe")
        QVERIFY2(listed.out.endsWith("\tconfig.ini\t(unreadable)\n"), listed.out.constData());
    else
        QVERIFY(listed.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_bad_input.moc"
