// The editor and the panel's card as a real FAT file system (a FAT12 image made with mkfs.fat and
// mounted with fusefat): the disk chooser lists the mounted card and gives its root, and
// "В устройство..." writes onto it what "Сохранить" saves, or, on a card too full for it, shows the
// write error and keeps the old config.ini.
#include "../../support/fat_image.h"
#include "dialogs/logical_disks.h"
#include "dialogs/removable_disks.h"
#include "user_input.h"

#include <QListWidget>
#include <QPushButton>

using namespace orva;
using namespace orva::test;

namespace {

const QStringList Lines = {QStringLiteral("ks1-k"), QStringLiteral("oa-Card"), QStringLiteral("lm1-2.0")};

// The file "Сохранить" writes for the window's configuration.
QByteArray SavedBytes(EditorFixture &f)
{
    const QString path = f.dir.filePath(QStringLiteral("saved.ini"));
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    return ReadBytes(path);
}

} // namespace

class FatDeviceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void chooserListsTheMountedCard();
    void writesWhatIsSaved();
    void fullCardShowsTheErrorAndKeepsTheOldFile();
};

void FatDeviceTest::initTestCase()
{
    if (const QString why = FatImage::Unavailable(); !why.isEmpty())
        QSKIP(qPrintable(why));
}

// The mounted card is a line of the chooser, named as the mounted volume is; choosing it with the mouse
// gives its root.
void FatDeviceTest::chooserListsTheMountedCard()
{
    FatImage card(360);
    QVERIFY(card.mounted());
    const RemovableDisk disk = MountedDisk(card.root());
    QCOMPARE(disk.rootPath, card.root() + u'/');
    TFormLogicalDisks dialog;
    dialog.SetDiskSource(std::make_unique<GivenDisks>(QList<RemovableDisk>{disk}));
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("ListBoxDisks"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), DiskLine(disk));
    QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Disk ")));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnOK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Ok);
    QCOMPARE(dialog.SelectedDisk().rootPath, card.root() + u'/');
}

// "В устройство..." on the card: config.ini holds exactly what "Сохранить" writes, the clock file is
// there, and the read-back on FAT passes (no error box).
void FatDeviceTest::writesWhatIsSaved()
{
    FatImage card(360);
    QVERIFY(card.mounted());
    QVERIFY(WriteBytes(card.filePath(QStringLiteral("CONFIG.INI")), "oa-Old\r\n"));
    EditorFixture f;
    QVERIFY(StartWithLines(f, Lines));
    f.questions->Then(ModalResult::Ok, card.root()).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::RemovableDisk, QuestionKind::InfoBox}));
    const QByteArray onCard = ReadBytes(card.filePath(QStringLiteral("config.ini")));
    QCOMPARE(onCard, SavedBytes(f));
    QVERIFY(!ReadBytes(card.filePath(QStringLiteral("clock.txt"))).isEmpty());
    QCOMPARE(f.questions->unexpected(), 0);
}

// A card with room for less than the new file: the error box says the file cannot be written, the old
// config.ini stays byte for byte and no clock file is written.
void FatDeviceTest::fullCardShowsTheErrorAndKeepsTheOldFile()
{
    FatImage card(200);
    QVERIFY(card.mounted());
    const QByteArray old = QByteArray("oa-Old\r\n").repeated(100);
    QVERIFY(WriteBytes(card.filePath(QStringLiteral("config.ini")), old));
    QVERIFY(card.FillUntil(2048));
    EditorFixture f;
    QVERIFY(StartWithLines(f, Lines));
    f.questions->Then(ModalResult::Ok, card.root()).Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::RemovableDisk, QuestionKind::ErrorBox}));
    QVERIFY2(f.questions->asked().at(1).headline.contains(QStringLiteral("Ошибка записи")),
             qPrintable(f.questions->asked().at(1).headline));
    QCOMPARE(ReadBytes(card.filePath(QStringLiteral("config.ini"))), old);
    QVERIFY(!QFileInfo::exists(card.filePath(QStringLiteral("clock.txt"))));
    QCOMPARE(f.questions->unexpected(), 0);
}

QTEST_MAIN(FatDeviceTest)
#include "tst_fat_device.moc"
