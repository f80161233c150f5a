// The program settings in their store: defaults, a round trip, values out of range, a failed write.
#include "storage/program_settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

namespace {

std::unique_ptr<QSettings> IniAt(const QString &path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace

class ProgramSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsWhenNothingIsStored();
    void roundTrip();
    void maskIdentOutOfRange();
    void listFolderAlwaysEndsWithASeparator();
    void storedValueNamesAndForms();
    void failedWriteIsReported();
};

void ProgramSettingsTest::defaultsWhenNothingIsStored()
{
    QTemporaryDir dir;
    SettingsStore store(IniAt(dir.filePath(QStringLiteral("s.ini"))), QStringLiteral("/opt/orva/"));
    const ProgramSettings s = store.Read();
    QCOMPARE(s.listPath, QStringLiteral("/opt/orva/"));
    QCOMPARE(s.listMode, false);
    QCOMPARE(s.maskMode, true);
    QCOMPARE(s.mask.prefix, QStringLiteral("Orva"));
    QCOMPARE(s.mask.delimiters[0], QStringLiteral("_"));
    QCOMPARE(s.mask.delimiters[2], QStringLiteral("_"));
    QVERIFY(s.mask.suffix.isEmpty());
    QCOMPARE(s.mask.kinds, (std::array<int, 4>{1, 2, 3, 4}));
}

void ProgramSettingsTest::roundTrip()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.ini"));
    ProgramSettings s;
    s.listPath = QStringLiteral("/media/card/Объекты/");
    s.listMode = true;
    s.maskMode = false;
    s.mask.prefix = QStringLiteral("Панель");
    s.mask.delimiters = {QStringLiteral("-"), QString(), QStringLiteral("#")};
    s.mask.suffix = QStringLiteral("v2");
    s.mask.kinds = {0, 4, 2, 1};
    {
        SettingsStore store(IniAt(file), QStringLiteral("/x/"));
        QVERIFY(store.Write(s).ok);
    }
    SettingsStore again(IniAt(file), QStringLiteral("/x/"));
    QCOMPARE(again.Read(), s);
}

void ProgramSettingsTest::maskIdentOutOfRange()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.ini"));
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.setValue(QStringLiteral("MaskIdent1"), 0);
        raw.setValue(QStringLiteral("MaskIdent2"), -3);
        raw.setValue(QStringLiteral("MaskIdent3"), 7);
        raw.setValue(QStringLiteral("MaskIdent4"), QStringLiteral("не число"));
    }
    SettingsStore store(IniAt(file), QStringLiteral("/x/"));
    QCOMPARE(store.Read().mask.kinds, (std::array<int, 4>{0, 2, 3, 4}));
}

void ProgramSettingsTest::listFolderAlwaysEndsWithASeparator()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.ini"));
    ProgramSettings s;
    s.listPath = QStringLiteral("/srv/panels");
    {
        SettingsStore store(IniAt(file), QStringLiteral("/x/"));
        QVERIFY(store.Write(s).ok);
    }
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("ListPathSave")).toString(),
             QDir::toNativeSeparators(QStringLiteral("/srv/panels/")));
    // A folder stored by hand without its separator reads with it.
    raw.setValue(QStringLiteral("ListPathSave"), QStringLiteral("/srv/other"));
    raw.sync();
    SettingsStore store(IniAt(file), QStringLiteral("/x/"));
    QCOMPARE(store.Read().listPath, QStringLiteral("/srv/other/"));
    QCOMPARE(WithTrailingSeparator(QStringLiteral("C:\\Data\\")), QStringLiteral("C:\\Data\\"));
}

void ProgramSettingsTest::storedValueNamesAndForms()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.ini"));
    {
        SettingsStore store(IniAt(file), QStringLiteral("/x/"));
        QVERIFY(store.Write(ProgramSettings{QStringLiteral("/y/")}).ok);
    }
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.allKeys().size(), 12);
    for (const char *name :
         {"ListPathSave", "ListModeOpenSave", "MaskMode", "MaskPref", "MaskDelim1", "MaskDelim2",
          "MaskDelim3", "MaskSuff", "MaskIdent1", "MaskIdent2", "MaskIdent3", "MaskIdent4"})
        QVERIFY2(raw.contains(QString::fromLatin1(name)), name);
    // Booleans as numbers, as the registry has always held them.
    QCOMPARE(raw.value(QStringLiteral("MaskMode")).toString(), QStringLiteral("1"));
    QCOMPARE(raw.value(QStringLiteral("ListModeOpenSave")).toString(), QStringLiteral("0"));
}

void ProgramSettingsTest::failedWriteIsReported()
{
    QTemporaryDir dir;
    // The settings file would have to live below a plain file: it can never be written.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(IniAt(dir.filePath(QStringLiteral("blocker/s.ini"))), QStringLiteral("/x/"));
    ProgramSettings s;
    s.listMode = true;
    const SettingsWriteResult result = store.Write(s);
    QVERIFY(!result.ok);
    QCOMPARE(result.headline, QStringLiteral("Ошибка записи параметров работы программы"));
    QVERIFY(result.hint.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("blocker/s.ini")))));
}

QTEST_APPLESS_MAIN(ProgramSettingsTest)
#include "tst_program_settings.moc"
