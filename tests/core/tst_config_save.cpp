// Writing a configuration file and writing to the panel's disk: the old file is only ever replaced by a
// complete new one, a write-protected file stays as it is (for an administrator too), the clock file
// follows a complete config.ini only; the messages of the failure table.
#include "storage/config_save.h"
#include "storage/crypto_container.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

namespace {

const QByteArray NewBytes = QByteArrayLiteral("oa-New\r\n");
const QByteArray OldBytes = QByteArrayLiteral("oa-Old, a longer old configuration\r\n");
const QByteArray Clock = QByteArrayLiteral("PPKOP Orva clock file");

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    void messages();
    void containerFileNames_data();
    void containerFileNames();
};

void ConfigSaveTest::saveWritesAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    QCOMPARE(SaveConfigurationFile(path, NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadAll(path), NewBytes);
    QVERIFY(Write(path, OldBytes));
    QCOMPARE(SaveConfigurationFile(path, NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadAll(path), NewBytes);
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
    QVERIFY(Write(protectedPath, OldBytes));
    QVERIFY(WriteProtect(protectedPath));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    QCOMPARE(int(SaveConfigurationFile(dir.filePath(target), NewBytes)), outcome);
    QCOMPARE(ReadAll(protectedPath), OldBytes);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

void ConfigSaveTest::deviceWritesConfigThenClock()
{
    QTemporaryDir disk;
    QVERIFY(Write(disk.filePath(QStringLiteral("config.ini")), OldBytes));
    QVERIFY(Write(disk.filePath(QStringLiteral("clock.txt")), OldBytes));
    QCOMPARE(WriteToDevice(disk.path(), NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadAll(disk.filePath(QStringLiteral("config.ini"))), NewBytes);
    QCOMPARE(ReadAll(disk.filePath(QStringLiteral("clock.txt"))), Clock);
    QCOMPARE(Clock.size(), 21);
}

void ConfigSaveTest::deviceKeepsAProtectedConfigAndWritesNoClock()
{
    QTemporaryDir disk;
    const QString config = disk.filePath(QStringLiteral("config.ini"));
    QVERIFY(Write(config, OldBytes));
    QVERIFY(WriteProtect(config));
    QCOMPARE(WriteToDevice(disk.path(), NewBytes), SaveOutcome::CannotReplace);
    QCOMPARE(ReadAll(config), OldBytes);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

// A clock file that cannot be written is skipped without a message.
void ConfigSaveTest::deviceWithAProtectedClockStillWritesTheConfig()
{
    QTemporaryDir disk;
    const QString clock = disk.filePath(QStringLiteral("clock.txt"));
    QVERIFY(Write(clock, OldBytes));
    QVERIFY(WriteProtect(clock));
    QCOMPARE(WriteToDevice(disk.path(), NewBytes), SaveOutcome::Saved);
    QCOMPARE(ReadAll(disk.filePath(QStringLiteral("config.ini"))), NewBytes);
    QCOMPARE(ReadAll(clock), OldBytes);
}

void ConfigSaveTest::deviceRootMissing()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("card"));
    QCOMPARE(WriteToDevice(root, NewBytes), SaveOutcome::CannotCreate);
    QVERIFY(!QFile::exists(root));
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
