#include "../support/cli_runner.h"
#include "save_commands.h"
#include "storage/config_save.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using orva::test::fixture;
using orva::test::ReadBytes;
using orva::test::runCli;
using orva::test::WriteBytes;

namespace {

const QString Opened = QStringLiteral(ORVA_FIXTURES_DIR "/save/opened.ini");
const QString Failing = QStringLiteral(ORVA_FIXTURES_DIR "/check/failures.ini");

} // namespace

class TestSaveCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void saveWritesTheEditorsStoredForm();
    void saveRefusesFailingChecks();
    void saveFailures_data();
    void saveFailures();
    void writeDeviceWritesConfigurationAndClock();
    void writeDeviceRefusesArmedPanel_data();
    void writeDeviceRefusesArmedPanel();
    void writeDeviceKeepsOldFileWhenReplaceFails();
    void writeDeviceRefusesAnArmedDisk_data();
    void writeDeviceRefusesAnArmedDisk();
    void writeDeviceNeedsADiskFolder_data();
    void writeDeviceNeedsADiskFolder();
    void writeProtectedFilesAreKept();
    void usage_data();
    void usage();
};

// Server addresses with ",", identifier and key digits, GPRS mode 1, dial phones limited and sorted,
// a patrol key's alias cut to 9 characters.
void TestSaveCommands::saveWritesTheEditorsStoredForm()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("saved.ini"));
    const auto run = runCli({QStringLiteral("save"), Opened, QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QCOMPARE(ReadBytes(out), fixture(QStringLiteral("save/opened.saved.ini")));
}

void TestSaveCommands::saveRefusesFailingChecks()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("saved.ini"));
    const auto run = runCli({QStringLiteral("save"), Failing, QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, int(cli::ExitCode::ChecksFail));
    QVERIFY(run.err.contains(QStringLiteral("Задано больше одного управляющего шлейфа.")));
    QVERIFY(!QFile::exists(out));
}

void TestSaveCommands::saveFailures_data()
{
    QTest::addColumn<QString>("target"); // relative to a temporary folder
    QTest::addColumn<QString>("headline");
    QTest::newRow("folder missing") << QStringLiteral("missing/saved.ini")
                                    << QStringLiteral("Ошибка записи в файл - файл не может быть создан");
    QTest::newRow("target is a folder")
        << QStringLiteral("folder") << QStringLiteral("Ошибка записи в файл - файл не может быть записан");
}

void TestSaveCommands::saveFailures()
{
    QFETCH(QString, target);
    QFETCH(QString, headline);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const auto run = runCli({QStringLiteral("save"), Opened, QStringLiteral("-o"), dir.filePath(target)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(headline), qPrintable(run.err));
}

void TestSaveCommands::writeDeviceWritesConfigurationAndClock()
{
    QTemporaryDir disk;
    QVERIFY(
        WriteBytes(disk.filePath(QStringLiteral("clock.txt")), "old clock text, longer than the new one"));
    const auto run = runCli({QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), disk.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))),
             fixture(QStringLiteral("save/opened.saved.ini")));
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("clock.txt"))), QByteArray("PPKOP Orva clock file"));
}

// The panel's card does not tell letter cases apart; a copy of it on another disk may.
void TestSaveCommands::writeDeviceRefusesArmedPanel_data()
{
    QTest::addColumn<QString>("lockName");
    QTest::newRow("lock.txt") << QStringLiteral("lock.txt");
    QTest::newRow("LOCK.TXT") << QStringLiteral("LOCK.TXT");
    QTest::newRow("Lock.Txt") << QStringLiteral("Lock.Txt");
}

void TestSaveCommands::writeDeviceRefusesArmedPanel()
{
    QFETCH(QString, lockName);
    QTemporaryDir source;
    const QString config = source.filePath(QStringLiteral("config.ini"));
    QVERIFY(QFile::copy(Opened, config));
    QVERIFY(WriteBytes(source.filePath(lockName), ""));
    QTemporaryDir disk;
    const auto run = runCli({QStringLiteral("write-device"), config, QStringLiteral("--disk"), disk.path()});
    QCOMPARE(run.exitCode, int(cli::ExitCode::PanelArmed));
    QVERIFY(run.err.contains(ArmedPanelMessage().headline));
    QVERIFY(QDir(disk.path()).isEmpty());

    const auto failing =
        runCli({QStringLiteral("write-device"), Failing, QStringLiteral("--disk"), disk.path()});
    QCOMPARE(failing.exitCode, int(cli::ExitCode::ChecksFail));
    QVERIFY(QDir(disk.path()).isEmpty());
}

// The disk written to holds the lock (the configuration was opened from another folder): nothing is
// written to it.
void TestSaveCommands::writeDeviceRefusesAnArmedDisk_data()
{
    writeDeviceRefusesArmedPanel_data();
}

void TestSaveCommands::writeDeviceRefusesAnArmedDisk()
{
    QFETCH(QString, lockName);
    QTemporaryDir disk;
    QVERIFY(WriteBytes(disk.filePath(lockName), "armed"));
    QVERIFY(WriteBytes(disk.filePath(QStringLiteral("config.ini")), "panel's own\r\n"));
    const auto run = runCli({QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), disk.path()});
    QCOMPARE(run.exitCode, int(cli::ExitCode::PanelArmed));
    QVERIFY(run.err.contains(ArmedPanelMessage().headline));
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))), QByteArray("panel's own\r\n"));
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

// An empty --disk would be the current folder, a missing one no disk at all: both are refused as a
// wrong command line, and nothing is written anywhere.
void TestSaveCommands::writeDeviceNeedsADiskFolder_data()
{
    QTest::addColumn<QString>("disk");
    QTest::newRow("empty") << QString();
    QTest::newRow("missing") << QStringLiteral("no/such/disk");
}

void TestSaveCommands::writeDeviceNeedsADiskFolder()
{
    QFETCH(QString, disk);
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    const auto run = runCli({QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), disk});
    QDir::setCurrent(previous);
    QCOMPARE(run.exitCode, int(cli::ExitCode::Usage));
    QVERIFY(run.err.contains(QStringLiteral("--disk")));
    QVERIFY(QDir(current.path()).isEmpty());
}

// A config.ini that cannot be replaced keeps its place, and no clock file is written.
void TestSaveCommands::writeDeviceKeepsOldFileWhenReplaceFails()
{
    QTemporaryDir disk;
    QVERIFY(QDir(disk.path()).mkdir(QStringLiteral("config.ini")));
    const auto run = runCli({QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), disk.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("файл не может быть записан")));
    QVERIFY(QFileInfo(disk.filePath(QStringLiteral("config.ini"))).isDir());
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

// A write-protected old file (no write permission for its owner) is neither replaced by `save` nor by
// `write-device`, whoever runs the command; write-device then writes no clock file.
void TestSaveCommands::writeProtectedFilesAreKept()
{
    const QByteArray old = QByteArrayLiteral("oa-Old\r\n");
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.ini"));
    QVERIFY(WriteBytes(out, old));
    QVERIFY(QFile::setPermissions(out, readOnly));
    const auto saved = runCli({QStringLiteral("save"), Opened, QStringLiteral("-o"), out});
    QCOMPARE(saved.exitCode, 1);
    QVERIFY(saved.err.contains(QStringLiteral("файл не может быть записан")));
    QCOMPARE(ReadBytes(out), old);

    QTemporaryDir disk;
    const QString config = disk.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteBytes(config, old));
    QVERIFY(QFile::setPermissions(config, readOnly));
    const auto written =
        runCli({QStringLiteral("write-device"), Opened, QStringLiteral("--disk"), disk.path()});
    QCOMPARE(written.exitCode, 1);
    QVERIFY(written.err.contains(QStringLiteral("файл не может быть записан")));
    QCOMPARE(ReadBytes(config), old);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

void TestSaveCommands::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("save without -o") << QStringList{QStringLiteral("save"), Opened};
    QTest::newRow("save without file")
        << QStringList{QStringLiteral("save"), QStringLiteral("-o"), QStringLiteral("x")};
    QTest::newRow("write-device without disk") << QStringList{QStringLiteral("write-device"), Opened};
}

void TestSaveCommands::usage()
{
    QFETCH(QStringList, arguments);
    const auto run = runCli(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!run.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestSaveCommands)
#include "tst_save_commands.moc"
