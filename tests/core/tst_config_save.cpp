// Writing a configuration file and writing to the panel's disk: the old file is only ever replaced by a
// complete new one, a write-protected file stays as it is (for an administrator too), the clock file
// follows a complete config.ini only, the read-back comparison, the armed panel; the messages of the
// failure table.
#include "../support/file_bytes.h"
#include "../support/write_failures.h"

#include "storage/config_save.h"
#include "storage/crypto_container.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace orva;
using orva::test::ReadBytes;
using orva::test::WriteBytes;

namespace {

const QByteArray NewBytes = QByteArrayLiteral("oa-New\r\n");
const QByteArray OldBytes = QByteArrayLiteral("oa-Old, a longer old configuration\r\n");
const QByteArray Clock = QByteArrayLiteral("PPKOP Orva clock file");

// A configuration text larger than the limits of the short-write tests.
QByteArray LargeBytes()
{
    return QByteArray("oa-Large\r\n").repeated(600);
}

bool WriteProtect(const QString &path)
{
    return QFile::setPermissions(path,
                                 QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

class ConfigSaveTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveWritesAndReplaces();
    void saveFailures_data();
    void saveFailures();
    void deviceWritesConfigThenClock();
    void deviceKeepsAProtectedConfigAndWritesNoClock();
    void deviceWithAProtectedClockStillWritesTheConfig();
    void deviceRootMissing();
    void shortWriteKeepsTheOldFiles_data();
    void shortWriteKeepsTheOldFiles();
    void writeProtectedTargetIsRefused_data();
    void writeProtectedTargetIsRefused();
    void deviceReadBack_data();
    void deviceReadBack();
    void armedPanel_data();
    void armedPanel();
    void messages();
    void containerFileNames_data();
    void containerFileNames();
};

void ConfigSaveTest::saveWritesAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    QCOMPARE(SaveConfigurationFile(path, NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadBytes(path), NewBytes);
    QVERIFY(WriteBytes(path, OldBytes));
    QCOMPARE(SaveConfigurationFile(path, NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadBytes(path), NewBytes);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.ini")});
}

void ConfigSaveTest::saveFailures_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("outcome");
    QTest::newRow("write-protected") << QStringLiteral("protected.ini") << int(SaveOutcome::CannotReplace);
    QTest::newRow("a folder") << QStringLiteral("folder") << int(SaveOutcome::CannotReplace);
    QTest::newRow("folder missing") << QStringLiteral("missing/a.ini") << int(SaveOutcome::CannotCreate);
}

void ConfigSaveTest::saveFailures()
{
    QFETCH(QString, target);
    QFETCH(int, outcome);
    QTemporaryDir dir;
    const QString protectedPath = dir.filePath(QStringLiteral("protected.ini"));
    QVERIFY(WriteBytes(protectedPath, OldBytes));
    QVERIFY(WriteProtect(protectedPath));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    QCOMPARE(int(SaveConfigurationFile(dir.filePath(target), NewBytes)), outcome);
    QCOMPARE(ReadBytes(protectedPath), OldBytes);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

void ConfigSaveTest::deviceWritesConfigThenClock()
{
    QTemporaryDir disk;
    QVERIFY(WriteBytes(disk.filePath(QStringLiteral("config.ini")), OldBytes));
    QVERIFY(WriteBytes(disk.filePath(QStringLiteral("clock.txt")), OldBytes));
    QCOMPARE(WriteToDevice(disk.path(), NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))), NewBytes);
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("clock.txt"))), Clock);
    QCOMPARE(Clock.size(), 21);
}

void ConfigSaveTest::deviceKeepsAProtectedConfigAndWritesNoClock()
{
    QTemporaryDir disk;
    const QString config = disk.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteBytes(config, OldBytes));
    QVERIFY(WriteProtect(config));
    QCOMPARE(WriteToDevice(disk.path(), NewBytes), SaveOutcome::CannotReplace);
    QCOMPARE(ReadBytes(config), OldBytes);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

// A clock file that cannot be written is skipped without a message.
void ConfigSaveTest::deviceWithAProtectedClockStillWritesTheConfig()
{
    QTemporaryDir disk;
    const QString clock = disk.filePath(QStringLiteral("clock.txt"));
    QVERIFY(WriteBytes(clock, OldBytes));
    QVERIFY(WriteProtect(clock));
    QCOMPARE(WriteToDevice(disk.path(), NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))), NewBytes);
    QCOMPARE(ReadBytes(clock), OldBytes);
}

void ConfigSaveTest::deviceRootMissing()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("card"));
    QCOMPARE(WriteToDevice(root, NewBytes), SaveOutcome::CannotCreate);
    QVERIFY(!QFile::exists(root));
}

// A disk that takes fewer bytes than the configuration (a file size limit cuts the write short, as a full
// disk does): a failure, the old files byte for byte as they were, no temporary file, and on the panel's
// disk no clock file after a config.ini that was not written.
void ConfigSaveTest::shortWriteKeepsTheOldFiles_data()
{
    QTest::addColumn<bool>("device"); // WriteToDevice, else SaveConfigurationFile
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("oldClock"); // the disk holds a clock file already
    QTest::newRow("save, 1 KiB free") << false << qint64(1024) << false;
    QTest::newRow("save, one byte short") << false << qint64(LargeBytes().size() - 1) << false;
    QTest::newRow("save, nothing free") << false << qint64(0) << false;
    QTest::newRow("device, 1 KiB free") << true << qint64(1024) << false;
    QTest::newRow("device, one byte short, old clock file")
        << true << qint64(LargeBytes().size() - 1) << true;
}

void ConfigSaveTest::shortWriteKeepsTheOldFiles()
{
    QFETCH(bool, device);
    QFETCH(qint64, limit);
    QFETCH(bool, oldClock);
    QTemporaryDir disk;
    const QString target = disk.filePath(QStringLiteral("config.ini"));
    const QString clock = disk.filePath(QStringLiteral("clock.txt"));
    QVERIFY(WriteBytes(target, OldBytes));
    if (oldClock)
        QVERIFY(WriteBytes(clock, OldBytes));
    const QStringList before = test::FolderEntries(disk.path());
    SaveOutcome outcome = SaveOutcome::Saved;
    {
        const test::FileSizeLimit full(limit);
        if (!full.active())
            QSKIP("the file size limit cannot be set here");
        outcome =
            device ? WriteToDevice(disk.path(), LargeBytes()) : SaveConfigurationFile(target, LargeBytes());
    }
    QCOMPARE(outcome, SaveOutcome::CannotCreate);
    QCOMPARE(ReadBytes(target), OldBytes);
    QCOMPARE(test::FolderEntries(disk.path()), before);
    if (oldClock)
        QCOMPARE(ReadBytes(clock), OldBytes);
}

void ConfigSaveTest::writeProtectedTargetIsRefused_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("immutable"); // chattr +i, else the write bits taken away
    QTest::newRow("save, read-only attribute") << false << false;
    QTest::newRow("save, immutable") << false << true;
    QTest::newRow("device, read-only attribute") << true << false;
    QTest::newRow("device, immutable") << true << true;
}

// The user's protection holds for an administrator too (tests may run as one): the file keeps its bytes
// and its permissions, and the panel's disk gets no clock file.
void ConfigSaveTest::writeProtectedTargetIsRefused()
{
    QFETCH(bool, device);
    QFETCH(bool, immutable);
    QTemporaryDir disk;
    const QString target = disk.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteBytes(target, OldBytes));
    if (!immutable)
        QVERIFY(test::RemoveWriteBits(target));
    const QFileDevice::Permissions permissions = QFileInfo(target).permissions();
    std::optional<test::ImmutableFile> locked;
    if (immutable) {
        locked.emplace(target);
        if (!locked->ok())
            QSKIP(qPrintable(locked->reason()));
    }
    const SaveOutcome outcome =
        device ? WriteToDevice(disk.path(), NewBytes) : SaveConfigurationFile(target, NewBytes);
    locked.reset();
    QCOMPARE(outcome, SaveOutcome::CannotReplace);
    QCOMPARE(ReadBytes(target), OldBytes);
    QCOMPARE(QFileInfo(target).permissions(), permissions);
    QCOMPARE(test::FolderEntries(disk.path()), QStringList{QStringLiteral("config.ini")});
}

// The comparison after writing to the panel's disk, through a reader that sees what a failing card
// would give back.
void ConfigSaveTest::deviceReadBack_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QByteArray>("readBytes"); // what the reader returns; "written" for the file itself
    QTest::addColumn<int>("outcome");
    QTest::newRow("the written bytes") << true << QByteArray("written") << int(SaveOutcome::Saved);
    QTest::newRow("other bytes") << true << QByteArray("oa-Nev\r\n") << int(SaveOutcome::NotVerified);
    QTest::newRow("cut short") << true << NewBytes.first(NewBytes.size() - 1)
                               << int(SaveOutcome::NotVerified);
    QTest::newRow("empty") << true << QByteArray() << int(SaveOutcome::NotVerified);
    QTest::newRow("unreadable") << false << QByteArray() << int(SaveOutcome::NotVerified);
}

void ConfigSaveTest::deviceReadBack()
{
    QFETCH(bool, readable);
    QFETCH(QByteArray, readBytes);
    QFETCH(int, outcome);
    QTemporaryDir disk;
    QStringList readPaths;
    const DeviceReadBack reader = [&](const QString &path) {
        readPaths.append(path);
        if (readBytes == "written")
            return ReadFileBytes(path);
        return FileReadResult{readable, readBytes, readable ? QString() : QStringLiteral("card removed")};
    };
    QCOMPARE(int(WriteToDevice(disk.path(), NewBytes, reader)), outcome);
    QCOMPARE(readPaths, QStringList{QDir(disk.path()).filePath(QStringLiteral("config.ini"))});
    // Both files were written before the comparison.
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))), NewBytes);
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("clock.txt"))), Clock);
}

// The card's file system does not tell letter cases apart; a copy of it on another disk may.
void ConfigSaveTest::armedPanel_data()
{
    QTest::addColumn<QString>("entry"); // beside the configuration; a name ending in "/" is a folder
    QTest::addColumn<bool>("armed");
    QTest::newRow("lock.txt") << QStringLiteral("lock.txt") << true;
    QTest::newRow("LOCK.TXT") << QStringLiteral("LOCK.TXT") << true;
    QTest::newRow("Lock.Txt") << QStringLiteral("Lock.Txt") << true;
    QTest::newRow("hidden attribute name") << QStringLiteral(".lock.txt") << false;
    QTest::newRow("lock.txt.bak") << QStringLiteral("lock.txt.bak") << false;
    QTest::newRow("a folder LOCK.TXT") << QStringLiteral("LOCK.TXT/") << false;
    QTest::newRow("nothing") << QString() << false;
}

void ConfigSaveTest::armedPanel()
{
    QFETCH(QString, entry);
    QFETCH(bool, armed);
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteBytes(config, OldBytes));
    if (entry.endsWith(u'/'))
        QVERIFY(QDir(folder.path()).mkdir(entry.chopped(1)));
    else if (!entry.isEmpty())
        QVERIFY(WriteBytes(folder.filePath(entry), QByteArray()));
    QCOMPARE(PanelIsArmed(config), armed);
}

void ConfigSaveTest::messages()
{
    QCOMPARE(SaveFailureMessage(SaveOutcome::CannotCreate).headline,
             QStringLiteral("Ошибка записи в файл - файл не может быть создан"));
    QCOMPARE(SaveFailureMessage(SaveOutcome::CannotCreate).hint,
             QStringLiteral("Проверьте отсутствие запрета записи и наличие свободного места"));
    QCOMPARE(SaveFailureMessage(SaveOutcome::CannotReplace).headline,
             QStringLiteral("Ошибка записи в файл - файл не может быть записан"));
    QCOMPARE(SaveFailureMessage(SaveOutcome::CannotReplace).hint,
             QStringLiteral("Проверьте отсутствие запрета записи"));
    QCOMPARE(OpenFailureMessage().headline, QStringLiteral("Ошибка открытия файла"));
    QCOMPARE(OpenFailureMessage().hint, QStringLiteral("Проверьте наличие файла"));
    QVERIFY(SaveFailureMessage(SaveOutcome::Saved).headline.isEmpty());
    QVERIFY(!SaveFailureMessage(SaveOutcome::NotVerified).headline.isEmpty());
}

void ConfigSaveTest::containerFileNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("container");
    QTest::newRow("config.cry") << QStringLiteral("config.cry") << true;
    QTest::newRow("capitals") << QStringLiteral("/media/card/PANEL.CRY") << true;
    QTest::newRow("mixed") << QStringLiteral("panel.Cry") << true;
    QTest::newRow("two dots") << QStringLiteral("panel.old.cry") << true;
    QTest::newRow("ini") << QStringLiteral("config.ini") << false;
    QTest::newRow("cry in the folder") << QStringLiteral("/media/x.cry/config.ini") << false;
    QTest::newRow("longer extension") << QStringLiteral("config.cryx") << false;
    QTest::newRow("no extension") << QStringLiteral("cry") << false;
}

void ConfigSaveTest::containerFileNames()
{
    QFETCH(QString, path);
    QFETCH(bool, container);
    QCOMPARE(IsContainerFileName(path), container);
}

QTEST_MAIN(ConfigSaveTest)
#include "tst_config_save.moc"
