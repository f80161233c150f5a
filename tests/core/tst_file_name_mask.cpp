// The file name the mask proposes for "Сохранить".
#include "storage/file_name_mask.h"
#include "storage/record_file_name.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

using Kinds = std::array<int, 4>;
Q_DECLARE_METATYPE(Kinds)

class FileNameMaskTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void effectiveKind_data();
    void effectiveKind();
    void recordPdfPath_data();
    void recordPdfPath();
    void longDeviceNameShortened_data();
    void longDeviceNameShortened();
};

void FileNameMaskTest::names_data()
{
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("ident");
    QTest::addColumn<QStringList>("delimiters");
    QTest::addColumn<QString>("name");

    const QString orva = QStringLiteral("Orva");
    const QString device = QStringLiteral("ОБЪЕКТ1");
    const QString ident = QStringLiteral("0102030405AB");
    const QStringList underscores{QStringLiteral("_"), QStringLiteral("_"), QStringLiteral("_")};
    const QStringList distinct{QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("=")};
    QTest::newRow("defaults") << Kinds{1, 2, 3, 4} << orva << QString() << device << ident << underscores
                              << QStringLiteral("Orva_ОБЪЕКТ1_0102030405AB.ini");
    QTest::newRow("empty device name") << Kinds{1, 2, 3, 4} << orva << QString() << QString() << ident
                                       << underscores << QStringLiteral("Orva_0102030405AB.ini");
    QTest::newRow("all Пусто") << Kinds{0, 0, 0, 0} << orva << QStringLiteral("end") << device << ident
                               << distinct << QStringLiteral(".ini");
    QTest::newRow("no leading delimiter") << Kinds{0, 2, 3, 4} << orva << QString() << device << ident
                                          << underscores << QStringLiteral("ОБЪЕКТ1_0102030405AB.ini");
    QTest::newRow("suffix after an empty element")
        << Kinds{1, 0, 0, 4} << orva << QStringLiteral("x") << device << ident << distinct
        << QStringLiteral("Orva-x.ini");
    QTest::newRow("delimiter of the last non-empty element")
        << Kinds{2, 3, 0, 4} << orva << QStringLiteral("s") << device << ident << distinct
        << QStringLiteral("ОБЪЕКТ1-0102030405AB+s.ini");
    QTest::newRow("only the last element") << Kinds{0, 0, 0, 4} << orva << QStringLiteral("s") << device
                                           << ident << distinct << QStringLiteral("s.ini");
    QTest::newRow("out-of-range kinds take the defaults")
        << Kinds{7, -1, 5, 9} << orva << QString() << device << ident << distinct
        << QStringLiteral("Orva-ОБЪЕКТ1+0102030405AB.ini");
    QTest::newRow("same element twice") << Kinds{3, 3, 0, 0} << orva << QString() << device << ident
                                        << distinct << QStringLiteral("0102030405AB-0102030405AB.ini");

    // Characters that cannot stand in a file name (from a file's device name or identifier, or a
    // prefix, delimiter or suffix in the settings store) become "_": the name never leaves the folder.
    QTest::newRow("device name with path characters")
        << Kinds{1, 2, 3, 4} << orva << QString() << QStringLiteral("A/B:C") << ident << underscores
        << QStringLiteral("Orva_A_B_C_0102030405AB.ini");
    QTest::newRow("every refused character")
        << Kinds{0, 2, 0, 0} << orva << QString() << QStringLiteral("\"*/:<>?\\|") << ident << underscores
        << QStringLiteral("_________.ini");
    QTest::newRow("control characters")
        << Kinds{0, 2, 0, 0} << orva << QString() << QStringLiteral("a\tb\u0001c\u007Fd") << ident
        << underscores << QStringLiteral("a_b_c_d.ini");
    QTest::newRow("back slashes in the identifier")
        << Kinds{0, 0, 3, 0} << orva << QString() << device << QStringLiteral("..\\..\\x") << underscores
        << QStringLiteral(".._.._x.ini");
    QTest::newRow("prefix, delimiter and suffix from the store")
        << Kinds{1, 2, 0, 4} << QStringLiteral("C:") << QStringLiteral("?s") << device << ident
        << QStringList{QStringLiteral("/"), QStringLiteral("|"), QStringLiteral("_")}
        << QStringLiteral("C__ОБЪЕКТ1__s.ini");
    QTest::newRow("blanks, dots and letters stay")
        << Kinds{1, 2, 0, 0} << orva << QString() << QStringLiteral("Дом 2.Ёж") << ident << underscores
        << QStringLiteral("Orva_Дом 2.Ёж.ini");
}

void FileNameMaskTest::names()
{
    QFETCH(Kinds, kinds);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(QString, device);
    QFETCH(QString, ident);
    QFETCH(QStringList, delimiters);
    QFETCH(QString, name);
    FileNameMask mask;
    mask.kinds = kinds;
    mask.prefix = prefix;
    mask.suffix = suffix;
    mask.delimiters = {delimiters.at(0), delimiters.at(1), delimiters.at(2)};
    QCOMPARE(FormFileNameByMask(mask, device, ident), name);
}

void FileNameMaskTest::effectiveKind_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("kind");
    QTest::newRow("0 stays") << 1 << 0 << 0;
    QTest::newRow("4 stays") << 2 << 4 << 4;
    QTest::newRow("MaskIdent3 = 7") << 3 << 7 << 3;
    QTest::newRow("MaskIdent1 = -1") << 1 << -1 << 1;
    QTest::newRow("MaskIdent4 = 5") << 4 << 5 << 4;
}

void FileNameMaskTest::effectiveKind()
{
    QFETCH(int, element);
    QFETCH(int, stored);
    QFETCH(int, kind);
    QCOMPARE(EffectiveMaskKind(element, stored), kind);
}

void FileNameMaskTest::recordPdfPath_data()
{
    QTest::addColumn<bool>("maskMode");
    QTest::addColumn<bool>("listMode");
    QTest::addColumn<QString>("loadedFile");
    QTest::addColumn<QString>("path");
    // The default mask: prefix, device name, identifier, joined by "_".
    QTest::newRow("mask, list mode") << true << true << "/panels/old.ini"
                                     << "/lists/Orva_Склад_0A1B2C3D4E5F.pdf";
    QTest::newRow("mask, normal mode") << true << false << ""
                                       << "/home/u/Orva_Склад_0A1B2C3D4E5F.pdf";
    QTest::newRow("own name, list mode") << false << true << "/panels/Склад 7.ini"
                                         << "/lists/Склад 7.pdf";
    QTest::newRow("own name of a container") << false << false << "/panels/panel.v2.cry"
                                             << "/home/u/panel.v2.pdf";
    QTest::newRow("nothing loaded") << false << false << ""
                                    << "/home/u/config.pdf";
}

void FileNameMaskTest::recordPdfPath()
{
    QFETCH(bool, maskMode);
    QFETCH(bool, listMode);
    QFETCH(QString, loadedFile);
    QFETCH(QString, path);
    ProgramSettings settings;
    settings.maskMode = maskMode;
    settings.listMode = listMode;
    settings.listPath = QStringLiteral("/lists/");
    QCOMPARE(RecordPdfPath(settings, QStringLiteral("Склад"), QStringLiteral("0A1B2C3D4E5F"), loadedFile,
                           QStringLiteral("/home/u")),
             path);
}

void FileNameMaskTest::longDeviceNameShortened_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("300 Latin letters") << QString(300, u'A');
    QTest::newRow("300 Cyrillic letters, two bytes each") << QString(300, u'Я');
    QTest::newRow("letters outside the BMP") << QString::fromUtf16(u"\U0001F600").repeated(100);
}

// A device name longer than a file name may be is shortened from its end; the prefix, the identifier,
// the suffix and ".ini" stay, and a file of that name can be made.
void FileNameMaskTest::longDeviceNameShortened()
{
    QFETCH(QString, device);
    FileNameMask mask;
    mask.prefix = QStringLiteral("Orva");
    mask.delimiters = {QStringLiteral("_"), QStringLiteral("_"), QStringLiteral("_")};
    mask.suffix = QStringLiteral("v2");
    const QString name = FormFileNameByMask(mask, device, QStringLiteral("0102030405AB"));
    QVERIFY(FileNameFits(name));
    QVERIFY(name.startsWith(QStringLiteral("Orva_") + device.left(20)));
    QVERIFY(name.endsWith(QStringLiteral("_0102030405AB_v2.ini")));
    QVERIFY(!name.contains(QChar(QChar::ReplacementCharacter)));
    // Not shorter than it must be: one more character of the device name would not fit.
    const QString kept = name.chopped(QStringLiteral("_0102030405AB_v2.ini").size()).mid(5);
    QVERIFY(kept.size() < device.size());
    const qsizetype next = device.at(kept.size()).isHighSurrogate() ? 2 : 1;
    QVERIFY(!FileNameFits(QStringLiteral("Orva_") + device.left(kept.size() + next) +
                          QStringLiteral("_0102030405AB_v2.ini")));
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
}

QTEST_APPLESS_MAIN(FileNameMaskTest)
#include "tst_file_name_mask.moc"
