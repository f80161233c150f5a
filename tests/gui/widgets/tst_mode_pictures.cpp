// The pictures of the loop and relay modes: the build puts all of them beside the program, the program
// finds an installed copy in its data folder, and the loops and relays pages show a mode's picture, or
// its relative file name between "Файл с изображением" and "не найден" when the file is missing.
#include "list_clicks.h"
#include "list_pages_support.h"

#include "device_model/vocabularies.h"
#include "program.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

namespace {

// Every picture name the vocabularies give.
QSet<QString> PictureNames()
{
    QSet<QString> names;
    for (qint32 mode = 0; mode <= 16; ++mode)
        names.insert(LoopPictureOf(FromStored<LoopMode>(mode)));
    for (qint32 mode = 0; mode <= 10; ++mode)
        names.insert(RelayPictureOf(FromStored<RelayMode>(mode)));
    return names;
}

} // namespace

class ModePicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildPutsEveryPictureBesideTheProgram();
    void installedDataFolderIsFound();
    void pageShowsThePictureOrItsName_data();
    void pageShowsThePictureOrItsName();
    void undecodableFileShowsItsName();
};

void ModePicturesTest::buildPutsEveryPictureBesideTheProgram()
{
    const QString beside = QStringLiteral(ORVA_PROGRAM_DIR "/");
    const QSet<QString> names = PictureNames();
    QCOMPARE(names.size(), 26);
    for (const QString &name : names) {
        const QString path = PicturePath(beside, name);
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), QSize(320, 240));
    }
    QCOMPARE(QDir(beside + QStringLiteral("Image")).entryList({QStringLiteral("*.jpg")}, QDir::Files).size(),
             26);
}

void ModePicturesTest::installedDataFolderIsFound()
{
    // The test program's own folder has no Image/; the data folders are the installed place.
    QVERIFY(!QDir(QCoreApplication::applicationDirPath()).exists(QStringLiteral("Image")));
    QTemporaryDir data;
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("orva-configurator/Image")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    const QString folder = ProgramFolder();
    QCOMPARE(QDir(folder).canonicalPath(),
             QDir(data.filePath(QStringLiteral("orva-configurator"))).canonicalPath());
    QVERIFY(folder.endsWith(u'/'));
}

void ModePicturesTest::pageShowsThePictureOrItsName_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("names"); // picture, caption 1, file name, caption 2
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("picture");
    const QStringList loop = {QStringLiteral("I_Shleif_Image"), QStringLiteral("L_Shleif_Image1"),
                              QStringLiteral("L_Shleif_ImageFileName"), QStringLiteral("L_Shleif_Image2")};
    const QStringList relay = {QStringLiteral("ImageRele"), QStringLiteral("LabelReleImage1"),
                               QStringLiteral("LabelReleImageFileName"), QStringLiteral("LabelReleImage2")};
    for (const bool present : {false, true}) {
        const char *suffix = present ? ", present" : ", missing";
        QTest::addRow("loop%s", suffix) << QStringLiteral("TabShleifs") << QStringLiteral("L_Shleif_Shleifs")
                                        << loop << present << QStringLiteral("Image\\GuardDelay.jpg");
        QTest::addRow("relay%s", suffix) << QStringLiteral("TabRele") << QStringLiteral("L_Rele_Reles")
                                         << relay << present << QStringLiteral("Image\\Sirena1.jpg");
    }
}

void ModePicturesTest::pageShowsThePictureOrItsName()
{
    QFETCH(QString, tab);
    QFETCH(QString, list);
    QFETCH(QStringList, names);
    QFETCH(bool, present);
    QFETCH(QString, picture);
    QTemporaryDir empty;
    ListPageFixture f;
    QVERIFY(f.Start(tab.toLatin1().constData(), present ? PicturesProgramFolder() : empty.path() + u'/'));
    test::ClickRow(f.Find<QListWidget>(list), 0);

    auto *image = f.Find<QLabel>(names[0]);
    QCOMPARE(image->isVisible(), present);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(f.Find<QLabel>(names[i])->isVisible(), !present);
    if (present) {
        QCOMPARE(image->pixmap().size(), QSize(320, 240));
        QVERIFY(image->hasScaledContents());
    } else {
        QCOMPARE(f.Find<QLabel>(names[1])->text(), QStringLiteral("Файл с изображением"));
        QCOMPARE(f.Find<QLabel>(names[2])->text(), picture);
        QCOMPARE(f.Find<QLabel>(names[3])->text(), QStringLiteral("не найден"));
    }
}

void ModePicturesTest::undecodableFileShowsItsName()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Image")));
    QFile broken(folder.filePath(QStringLiteral("Image/NoGuard.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    ListPageFixture f;
    QVERIFY(f.Start("TabShleifs", folder.path() + u'/'));
    // No loop selected: the page shows the picture of a loop not in use.
    QVERIFY(!f.Find<QLabel>("I_Shleif_Image")->isVisible());
    QCOMPARE(f.Find<QLabel>("L_Shleif_ImageFileName")->text(), QStringLiteral("Image\\NoGuard.jpg"));
    QVERIFY(f.Find<QLabel>("L_Shleif_Image2")->isVisible());
}

QTEST_MAIN(ModePicturesTest)
#include "tst_mode_pictures.moc"
