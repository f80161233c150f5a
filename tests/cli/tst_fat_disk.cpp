// write-device onto a real FAT file system: a FAT12 image made with mkfs.fat and mounted with fusefat,
// as the panel's card. The card takes the configuration and the clock file and reads back the same; a
// card that holds lock.txt in any letter case is refused; a card too full for the new file keeps the
// old config.ini byte for byte and gets no clock file.
#include "../support/cli_runner.h"
#include "../support/fat_image.h"
#include "exit_codes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

// The configuration written: a fixture copied into a folder of its own (the folder of the file is
// checked for lock.txt too).
struct Source
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("panel.ini"));
    bool ok = WriteBytes(path, fixture(QStringLiteral("fleet/panel_a.ini")));

    // What `save` writes for it: the bytes the card must hold.
    QByteArray saved() const
    {
        const QString out = dir.filePath(QStringLiteral("saved.ini"));
        return runCli({QStringLiteral("save"), path, QStringLiteral("-o"), out}).exitCode == 0
                   ? ReadBytes(out)
                   : QByteArray();
    }
};

CliRun writeDevice(const Source &source, const FatImage &card)
{
    return runCli({QStringLiteral("write-device"), source.path, QStringLiteral("--disk"), card.root()});
}

// The names on the card, as its root lists them (the volume label shows as an entry too).
QStringList namesOn(const FatImage &card)
{
    return QDir(card.root()).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

} // namespace

class FatDiskTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void writesAndReadsBack_data();
    void writesAndReadsBack();
    void armedCardIsRefused_data();
    void armedCardIsRefused();
    void fullCardKeepsTheOldFile_data();
    void fullCardKeepsTheOldFile();
};

void FatDiskTest::initTestCase()
{
    if (const QString why = FatImage::Unavailable(); !why.isEmpty())
        QSKIP(qPrintable(why));
}

void FatDiskTest::writesAndReadsBack_data()
{
    QTest::addColumn<QByteArray>("before"); // config.ini already on the card, or none
    QTest::newRow("empty card") << QByteArray();
    QTest::newRow("card with an older config.ini") << QByteArray("oa-Old\r\n").repeated(900);
}

// The card takes config.ini and clock.txt; the read-back on FAT passes and the card holds what `save`
// writes.
void FatDiskTest::writesAndReadsBack()
{
    QFETCH(QByteArray, before);
    const Source source;
    QVERIFY(source.ok);
    FatImage card(360);
    QVERIFY(card.mounted());
    if (!before.isEmpty())
        QVERIFY(WriteBytes(card.filePath(QStringLiteral("CONFIG.INI")), before));

    const CliRun run = writeDevice(source, card);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(ReadBytes(card.filePath(QStringLiteral("config.ini"))), source.saved());
    QVERIFY(!ReadBytes(card.filePath(QStringLiteral("clock.txt"))).isEmpty());
    // One config.ini whatever its letter case, and no temporary file left behind.
    QStringList names = namesOn(card);
    names.removeAll(QStringLiteral("ORVACARD"));
    QCOMPARE(names.size(), 2);
}

void FatDiskTest::armedCardIsRefused_data()
{
    QTest::addColumn<QString>("lockName");
    QTest::newRow("LOCK.TXT") << QStringLiteral("LOCK.TXT");
    QTest::newRow("Lock.Txt") << QStringLiteral("Lock.Txt");
    QTest::newRow("lock.txt") << QStringLiteral("lock.txt");
}

// A card that holds the lock file in any letter case belongs to an armed panel: nothing is written.
void FatDiskTest::armedCardIsRefused()
{
    QFETCH(QString, lockName);
    const Source source;
    QVERIFY(source.ok);
    FatImage card(360);
    QVERIFY(card.mounted());
    const QByteArray old("oa-Armed\r\n");
    QVERIFY(WriteBytes(card.filePath(QStringLiteral("config.ini")), old));
    QVERIFY(WriteBytes(card.filePath(lockName), "1"));

    const CliRun run = writeDevice(source, card);
    QCOMPARE(run.exitCode, int(cli::ExitCode::PanelArmed));
    QVERIFY2(run.err.contains(QStringLiteral("взятом состоянии")), qPrintable(run.err));
    QCOMPARE(ReadBytes(card.filePath(QStringLiteral("config.ini"))), old);
    QVERIFY(!QFileInfo::exists(card.filePath(QStringLiteral("clock.txt"))));
}

void FatDiskTest::fullCardKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("oldIsLarge"); // the old config.ini as large as the new one, else small
    QTest::addColumn<int>("left");        // free bytes left on the card, less than the new file needs
    QTest::newRow("small old file, a few clusters free") << false << 4096;
    QTest::newRow("old file as large, a few clusters free") << true << 4096;
    QTest::newRow("small old file, a full card") << false << 0;
}

// A FAT12 card with less room than the new config.ini: the write fails with the card's message, the
// old config.ini stays byte for byte, no clock file is written and no piece of the new file is left.
// (A file system in user space may take the bytes into the page cache and drop them at the sync without
// an error: only the room asked for first keeps the old file.)
void FatDiskTest::fullCardKeepsTheOldFile()
{
    QFETCH(bool, oldIsLarge);
    QFETCH(int, left);
    const Source source;
    QVERIFY(source.ok);
    const QByteArray saved = source.saved();
    QVERIFY(saved.size() > left);
    FatImage card(200);
    QVERIFY(card.mounted());
    const QByteArray old = oldIsLarge ? saved : QByteArray("oa-Old\r\n").repeated(100);
    QVERIFY(WriteBytes(card.filePath(QStringLiteral("config.ini")), old));
    QVERIFY(card.FillUntil(left));
    QVERIFY(card.available() < saved.size());
    const QStringList before = namesOn(card);

    const CliRun run = writeDevice(source, card);
    QCOMPARE(run.exitCode, int(cli::ExitCode::Failure));
    QVERIFY2(run.err.contains(QStringLiteral("не может быть создан")), qPrintable(run.err));
    QCOMPARE(ReadBytes(card.filePath(QStringLiteral("config.ini"))), old);
    QVERIFY(!QFileInfo::exists(card.filePath(QStringLiteral("clock.txt"))));
    QCOMPARE(namesOn(card), before);
}

QTEST_GUILESS_MAIN(FatDiskTest)
#include "tst_fat_disk.moc"
