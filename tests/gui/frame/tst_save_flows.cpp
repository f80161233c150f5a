// "Сохранить", "В устройство..." and "По-умолчанию": the checks first, the proposed name and folder, the
// files written byte for byte, the failures in the error box (the old file kept), the information box.
#include "editor_fixture.h"
#include "file_helpers.h"
#include "orva_version.h"

#include "widgets/static_text.h"

#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

const QString Prefix = QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v." ORVA_VERSION "   =>   ");
const QByteArray OldBytes = QByteArrayLiteral("old configuration, must survive\r\n");

// A configuration that passes every check.
QByteArray Stored()
{
    return ReadBytes(FixturePath(QStringLiteral("opensave/stored.ini")));
}

// What the window meant to write: the configuration text of its model as the save left it.
QByteArray Written(EditorFixture &f)
{
    return EncodeConfiguration(f.working).bytes;
}

// The window started with the stored configuration as config.ini of the current folder.
bool StartWithStored(EditorFixture &f)
{
    return WriteBytes(f.current.filePath(QStringLiteral("config.ini")), Stored()) && f.ShowActive();
}

void SetRawSettings(EditorFixture &f, const QList<std::pair<QString, QVariant>> &values)
{
    QSettings raw(f.dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    for (const auto &[name, value] : values)
        raw.setValue(name, value);
}

// Raw values of the settings file, read at the first showing.
using SettingValues = QList<std::pair<QString, QVariant>>;

bool MakeReadOnly(const QString &path)
{
    return QFile::setPermissions(path,
                                 QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

class SaveFlowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveProposesAName_data();
    void saveProposesAName();
    void saveNameFromADeviceNameWithPathCharacters();
    void saveInListModeStartsInTheListFolder();
    void saveStopsAtAFailingCheck();
    void saveCancelled();
    void saveReplacesAnExistingFile();
    void saveFailures_data();
    void saveFailures();
    void writeToDeviceWritesBothFiles();
    void writeToDeviceWriteProtectedConfig();
    void writeToDeviceRefusesAnArmedDisk_data();
    void writeToDeviceRefusesAnArmedDisk();
    void writeToDeviceMissingDisk();
    void writeToDeviceStopsAtAFailingCheck();
    void defaultsConfirmed();
    void defaultsRefused();
};

void SaveFlowsTest::saveProposesAName_data()
{
    QTest::addColumn<SettingValues>("settings");
    QTest::addColumn<QString>("proposed");
    using Values = SettingValues;
    QTest::newRow("mask of the defaults") << Values{} << QStringLiteral("Orva_ОБЪЕКТ1_0102030405AB.ini");
    QTest::newRow("mask off") << Values{{QStringLiteral("MaskMode"), 0}} << QStringLiteral("config.ini");
    QTest::newRow("mask without prefix, own delimiters")
        << Values{{QStringLiteral("MaskIdent1"), 0},
                  {QStringLiteral("MaskDelim2"), QStringLiteral("-")},
                  {QStringLiteral("MaskSuff"), QStringLiteral("v2")}}
        << QStringLiteral("ОБЪЕКТ1-0102030405AB_v2.ini");
    // A settings store written by hand may hold what the dialog refuses; the name stays in the folder.
    QTest::newRow("path characters become _") << Values{{QStringLiteral("MaskPref"), QStringLiteral("C:/x")},
                                                        {QStringLiteral("MaskDelim1"), QStringLiteral("\\")}}
                                              << QStringLiteral("C__x_ОБЪЕКТ1_0102030405AB.ini");
}

void SaveFlowsTest::saveProposesAName()
{
    QFETCH(SettingValues, settings);
    QFETCH(QString, proposed);
    EditorFixture f;
    SetRawSettings(f, settings);
    QVERIFY(StartWithStored(f));
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("saved.ini"));
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(), (QList<QuestionKind>{QuestionKind::SaveFile, QuestionKind::InfoBox}));
    const Question &dialog = f.questions->asked().at(0);
    QCOMPARE(dialog.text, proposed);
    QCOMPARE(dialog.filters, (QStringList{QStringLiteral("Конфигурация прибора (*.ini)"),
                                          QStringLiteral("Конфигурация GSM-прибора (*.gsm)"),
                                          QStringLiteral("Все поддерживаемые форматы (*.ini *.gsm)")}));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("ini"));
    QVERIFY(dialog.folder.isEmpty());
    const Question &info = f.questions->asked().at(1);
    QCOMPARE(info.headline, QStringLiteral("Операция выполнена"));
    QCOMPARE(info.hint, QStringLiteral("Конфигурация сохранена"));
    QVERIFY(!info.offerCancel);
    QCOMPARE(ReadBytes(path), Written(f));
    QVERIFY(ReadBytes(path).contains(EncodeWindows1251(u"\r\noa-ОБЪЕКТ1     ").bytes));
    // Saving changes neither the caption nor the status line.
    QCOMPARE(f.window->windowTitle(), Prefix + QDir::toNativeSeparators(QStringLiteral("./config.ini")));
}

// A device name from a file may hold characters a file name cannot: the proposed name has "_" for them
// and stays in the chosen folder, and the save succeeds.
void SaveFlowsTest::saveNameFromADeviceNameWithPathCharacters()
{
    EditorFixture f;
    QByteArray text = Stored();
    const qsizetype at = text.indexOf("\r\noa-") + 2;
    text.replace(at, text.indexOf("\r\n", at) - at, "oa-A/B:C");
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.ini")), text));
    QVERIFY(f.ShowActive());
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("A/B:C"));
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("Orva_A_B_C_0102030405AB.ini"));
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(), (QList<QuestionKind>{QuestionKind::SaveFile, QuestionKind::InfoBox}));
    QCOMPARE(f.questions->asked().at(0).text, QStringLiteral("Orva_A_B_C_0102030405AB.ini"));
    QCOMPARE(ReadBytes(path), Written(f));
}

void SaveFlowsTest::saveInListModeStartsInTheListFolder()
{
    EditorFixture f;
    QTemporaryDir list;
    SetRawSettings(f,
                   {{QStringLiteral("ListModeOpenSave"), 1}, {QStringLiteral("ListPathSave"), list.path()}});
    QVERIFY(StartWithStored(f));
    const QString path = list.filePath(QStringLiteral("one.ini"));
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    QCOMPARE(f.questions->asked().at(0).folder, list.path() + u'/');
    QCOMPARE(ReadBytes(path), Written(f));

    // Once given, the folder stays for the run, whatever the settings say later.
    f.window->settings().listPath = QStringLiteral("/elsewhere/");
    f.questions->clear();
    f.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::SaveFile});
    QCOMPARE(f.questions->asked().at(0).folder, list.path() + u'/');
}

void SaveFlowsTest::saveStopsAtAFailingCheck()
{
    EditorFixture f;
    QVERIFY(f.ShowActive()); // the defaults: no file key
    f.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::ErrorBox});
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Не задан ключ шифрования файла конфигурации"));
}

void SaveFlowsTest::saveCancelled()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    f.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::SaveFile});
    QCOMPARE(f.questions->unexpected(), 0);
}

void SaveFlowsTest::saveReplacesAnExistingFile()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("saved.gsm"));
    QVERIFY(WriteBytes(path, OldBytes + OldBytes + OldBytes + OldBytes + OldBytes + OldBytes));
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), (QList<QuestionKind>{QuestionKind::SaveFile, QuestionKind::InfoBox}));
    QCOMPARE(ReadBytes(path), Written(f));
    QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{QStringLiteral("saved.gsm")});
}

void SaveFlowsTest::saveFailures_data()
{
    QTest::addColumn<QString>("target"); // in a temporary folder
    QTest::addColumn<bool>("existing");  // an old, write-protected file is there
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("hint");
    QTest::newRow("write-protected file")
        << QStringLiteral("saved.ini") << true << CannotWrite << CannotWriteHint;
    QTest::newRow("folder missing") << QStringLiteral("missing/saved.ini") << false << CannotCreate
                                    << CannotCreateHint;
}

void SaveFlowsTest::saveFailures()
{
    QFETCH(QString, target);
    QFETCH(bool, existing);
    QFETCH(QString, headline);
    QFETCH(QString, hint);
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir folder;
    const QString path = folder.filePath(target);
    if (existing) {
        QVERIFY(WriteBytes(path, OldBytes));
        QVERIFY(MakeReadOnly(path));
    }
    f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Retry);
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::SaveFile, QuestionKind::ErrorBox}));
    const Question &box = f.questions->asked().at(1);
    QCOMPARE(box.headline, headline);
    QCOMPARE(box.hint, hint);
    QVERIFY(box.fix);
    QVERIFY(!box.cont);
    QCOMPARE(ReadBytes(path), existing ? OldBytes : QByteArray());
}

void SaveFlowsTest::writeToDeviceWritesBothFiles()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir disk;
    QVERIFY(WriteBytes(disk.filePath(QStringLiteral("config.ini")), OldBytes));
    QVERIFY(WriteBytes(disk.filePath(QStringLiteral("clock.txt")),
                       QByteArrayLiteral("an old clock file, longer")));
    f.questions->Then(ModalResult::Ok, disk.path()).Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::RemovableDisk, QuestionKind::InfoBox}));
    QCOMPARE(f.questions->asked().at(1).headline, QStringLiteral("Операция выполнена"));
    QCOMPARE(f.questions->asked().at(1).hint, QStringLiteral("Файлы успешно записаны в устройство"));
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))), Written(f));
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("clock.txt"))),
             QByteArrayLiteral("PPKOP Orva clock file"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("clock.txt"), QStringLiteral("config.ini")}));
}

void SaveFlowsTest::writeToDeviceRefusesAnArmedDisk_data()
{
    QTest::addColumn<QString>("lockName");
    QTest::newRow("lock.txt") << QStringLiteral("lock.txt");
    QTest::newRow("LOCK.TXT") << QStringLiteral("LOCK.TXT");
    QTest::newRow("Lock.Txt") << QStringLiteral("Lock.Txt");
}

// The configuration comes from another folder, but the chosen disk holds the lock: the panel is armed
// and its card stays as it was.
void SaveFlowsTest::writeToDeviceRefusesAnArmedDisk()
{
    QFETCH(QString, lockName);
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir disk;
    QVERIFY(WriteBytes(disk.filePath(lockName), QByteArrayLiteral("armed")));
    QVERIFY(WriteBytes(disk.filePath(QStringLiteral("config.ini")), OldBytes));
    f.questions->Then(ModalResult::Ok, disk.path()).Then(ModalResult::Retry);
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::RemovableDisk, QuestionKind::ErrorBox}));
    QCOMPARE(f.questions->asked().at(1).headline, ArmedPanelMessage().headline);
    QCOMPARE(ReadBytes(disk.filePath(QStringLiteral("config.ini"))), OldBytes);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

void SaveFlowsTest::writeToDeviceWriteProtectedConfig()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir disk;
    const QString config = disk.filePath(QStringLiteral("config.ini"));
    QVERIFY(WriteBytes(config, OldBytes));
    QVERIFY(MakeReadOnly(config));
    f.questions->Then(ModalResult::Ok, disk.path()).Then(ModalResult::Retry);
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);

    // No clock file and no success box after a config.ini that was not written.
    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::RemovableDisk, QuestionKind::ErrorBox}));
    QCOMPARE(f.questions->asked().at(1).headline, CannotWrite);
    QCOMPARE(f.questions->asked().at(1).hint, CannotWriteHint);
    QCOMPARE(ReadBytes(config), OldBytes);
    QVERIFY(!QFile::exists(disk.filePath(QStringLiteral("clock.txt"))));
}

void SaveFlowsTest::writeToDeviceMissingDisk()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir folder;
    const QString gone = folder.filePath(QStringLiteral("removed-card"));
    f.questions->Then(ModalResult::Cancel).Then(ModalResult::Ok, gone).Then(ModalResult::Retry);
    // The chooser closed without a disk: nothing happens.
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::RemovableDisk});
    // A card removed after it was chosen: the file cannot be created.
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::RemovableDisk, QuestionKind::RemovableDisk,
                                  QuestionKind::ErrorBox}));
    QCOMPARE(f.questions->asked().at(2).headline, CannotCreate);
    QVERIFY(!QFile::exists(gone));
}

void SaveFlowsTest::writeToDeviceStopsAtAFailingCheck()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    f.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::ErrorBox});
}

void SaveFlowsTest::defaultsConfirmed()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("Ключ1"));
    f.questions->Then(ModalResult::Ok);
    QTest::mouseClick(f.window->Buttons().defaults, Qt::LeftButton);

    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::InfoBox});
    const Question &asked = f.questions->asked().at(0);
    QCOMPARE(asked.headline, QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"));
    QCOMPARE(asked.hint, QStringLiteral("(все введённые значения параметров будут потеряны)"));
    QVERIFY(asked.offerCancel);
    // Every value, the file key included (a record keeps its count of list items read, as a reset does).
    T_Command_DEVICE defaults;
    CoreLoad(Stored(), defaults);
    defaults.ResetToDefaults();
    QVERIFY(HoldsStored(*f.window, f.working, defaults));
    QCOMPARE(f.window->windowTitle(), Prefix);
    QCOMPARE(f.window->StaticTextStatus()->text(), QStringLiteral("Конфигурация \"по-умолчанию\""));
    QVERIFY(f.window->PagesParam()->isVisible());
}

void SaveFlowsTest::defaultsRefused()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    const QString caption = f.window->windowTitle();
    const QString status = f.window->StaticTextStatus()->text();
    f.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().defaults, Qt::LeftButton);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::InfoBox});
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("Ключ1"));
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("ОБЪЕКТ1"));
    QCOMPARE(f.window->windowTitle(), caption);
    QCOMPARE(f.window->StaticTextStatus()->text(), status);
}

QTEST_MAIN(SaveFlowsTest)
#include "tst_save_flows.moc"
