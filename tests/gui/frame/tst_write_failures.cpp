// "Сохранить", "В устройство..." and printing to a PDF file on a disk that fails: a disk that takes only
// part of the file, a write-protected file (for an administrator too). The error box tells it, the old
// file stays byte for byte as it was, no temporary file and no clock file are left behind.
#include "../../support/write_failures.h"
#include "editor_fixture.h"
#include "file_helpers.h"
#include "pdf_answers.h"

#include "frame/bottom_buttons.h"

#include <QTest>

#include <optional>

using namespace orva;
using namespace orva::test;

namespace {

enum class Action { Save, WriteToDevice, PrintToPdf };

const QString PrintError = QStringLiteral("Ошибка печати");
const QByteArray OldBytes = QByteArrayLiteral("old file, known bytes\r\n");
// Less than a configuration text or a PDF record.
constexpr qint64 SmallLimit = 1024;

QString TargetName(Action action)
{
    switch (action) {
    case Action::Save:
        return QStringLiteral("saved.ini");
    case Action::WriteToDevice:
        return QStringLiteral("config.ini");
    case Action::PrintToPdf:
        break;
    }
    return QStringLiteral("record.pdf");
}

// Clicks the action's button and answers its dialog with the folder (the disk) or the file in it, then
// the error box, if one comes, with "Исправить". Returns what was asked.
QList<Question> Perform(EditorFixture &f, Action action, const QString &folder)
{
    const QString path = QDir(folder).filePath(TargetName(action));
    QPushButton *button = nullptr;
    switch (action) {
    case Action::Save:
        f.questions->Then(ModalResult::Ok, path).Then(ModalResult::Retry);
        button = f.window->Buttons().save;
        break;
    case Action::WriteToDevice:
        f.questions->Then(ModalResult::Ok, folder).Then(ModalResult::Retry);
        button = f.window->Buttons().saveToDevice;
        break;
    case Action::PrintToPdf:
        InstallPdfAnswers(f, path)->Then(ModalResult::Ok).Then(ModalResult::Retry);
        button = f.window->Buttons().print;
        break;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    return f.questions->asked();
}

bool StartWithStored(EditorFixture &f)
{
    return WriteBytes(f.current.filePath(QStringLiteral("config.ini")),
                      ReadBytes(FixturePath(QStringLiteral("opensave/stored.ini")))) &&
           f.ShowActive();
}

void AddActionRows(const char *failure, const QString &headline, const QString &hint)
{
    QTest::addRow("Сохранить, %s", failure) << int(Action::Save) << headline << hint;
    QTest::addRow("В устройство, %s", failure) << int(Action::WriteToDevice) << headline << hint;
    QTest::addRow("Печать в PDF-файл, %s", failure) << int(Action::PrintToPdf) << PrintError << hint;
}

} // namespace

class WriteFailuresTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shortWrite_data();
    void shortWrite();
    void writeProtected_data();
    void writeProtected();
    void deviceReadsBackOtherBytes();
};

void WriteFailuresTest::shortWrite_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("hint");
    AddActionRows("a disk that takes 1 KiB", CannotCreate, CannotCreateHint);
}

void WriteFailuresTest::shortWrite()
{
    QFETCH(int, action);
    QFETCH(QString, headline);
    QFETCH(QString, hint);
    {
        // On a sound disk the action writes more than the limit lets through.
        EditorFixture f;
        QVERIFY(StartWithStored(f));
        QTemporaryDir folder;
        QVERIFY(WriteBytes(folder.filePath(TargetName(Action(action))), OldBytes));
        const QList<Question> asked = Perform(f, Action(action), folder.path());
        QCOMPARE(asked.size(), action == int(Action::PrintToPdf) ? 1 : 2);
        QCOMPARE(asked.last().kind,
                 action == int(Action::PrintToPdf) ? QuestionKind::Print : QuestionKind::InfoBox);
        QVERIFY(ReadBytes(folder.filePath(TargetName(Action(action)))).size() > SmallLimit);
    }
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir folder;
    const QString target = folder.filePath(TargetName(Action(action)));
    QVERIFY(WriteBytes(target, OldBytes));
    QList<Question> asked;
    {
        const FileSizeLimit full(SmallLimit);
        if (!full.active())
            QSKIP("the file size limit cannot be set here");
        asked = Perform(f, Action(action), folder.path());
    }
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(1).kind, QuestionKind::ErrorBox);
    QCOMPARE(asked.at(1).headline, headline);
    QCOMPARE(asked.at(1).hint, hint);
    QCOMPARE(ReadBytes(target), OldBytes);
    // No temporary file, and on the disk no clock.txt after a config.ini that was not written.
    QCOMPARE(FolderEntries(folder.path()), QStringList{TargetName(Action(action))});
}

void WriteFailuresTest::writeProtected_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("immutable"); // chattr +i, else the write bits taken away
    for (const bool immutable : {false, true}) {
        const char *failure = immutable ? "immutable" : "read-only attribute";
        QTest::addRow("Сохранить, %s", failure)
            << int(Action::Save) << CannotWrite << CannotWriteHint << immutable;
        QTest::addRow("В устройство, %s", failure)
            << int(Action::WriteToDevice) << CannotWrite << CannotWriteHint << immutable;
        QTest::addRow("Печать в PDF-файл, %s", failure)
            << int(Action::PrintToPdf) << PrintError << CannotWriteHint << immutable;
    }
}

// Tests may run as an administrator, whom the system lets write any file: the program refuses all the
// same, and the file keeps its bytes and its permissions.
void WriteFailuresTest::writeProtected()
{
    QFETCH(int, action);
    QFETCH(QString, headline);
    QFETCH(QString, hint);
    QFETCH(bool, immutable);
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    QTemporaryDir folder;
    const QString target = folder.filePath(TargetName(Action(action)));
    QVERIFY(WriteBytes(target, OldBytes));
    if (!immutable)
        QVERIFY(RemoveWriteBits(target));
    const QFileDevice::Permissions permissions = QFileInfo(target).permissions();
    std::optional<ImmutableFile> locked;
    if (immutable) {
        locked.emplace(target);
        if (!locked->ok())
            QSKIP(qPrintable(locked->reason()));
    }
    const QList<Question> asked = Perform(f, Action(action), folder.path());
    locked.reset();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(1).kind, QuestionKind::ErrorBox);
    QCOMPARE(asked.at(1).headline, headline);
    QCOMPARE(asked.at(1).hint, hint);
    QCOMPARE(ReadBytes(target), OldBytes);
    QCOMPARE(QFileInfo(target).permissions(), permissions);
    QCOMPARE(FolderEntries(folder.path()), QStringList{TargetName(Action(action))});
}

// A card that gives back other bytes than were written: the error box says so instead of the success box.
void WriteFailuresTest::deviceReadsBackOtherBytes()
{
    EditorFixture f;
    QVERIFY(StartWithStored(f));
    f.window->SetDeviceReadBack([](const QString &path) {
        FileReadResult read = ReadFileBytes(path);
        read.bytes.chop(1);
        return read;
    });
    QTemporaryDir disk;
    const QList<Question> asked = Perform(f, Action::WriteToDevice, disk.path());
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(1).kind, QuestionKind::ErrorBox);
    QCOMPARE(asked.at(1).headline,
             QStringLiteral("Ошибка записи в устройство - записанный файл не совпадает с конфигурацией"));
    QCOMPARE(asked.at(1).hint, QStringLiteral("Проверьте носитель прибора и повторите запись"));
    QCOMPARE(FolderEntries(disk.path()),
             (QStringList{QStringLiteral("clock.txt"), QStringLiteral("config.ini")}));
}

QTEST_MAIN(WriteFailuresTest)
#include "tst_write_failures.moc"
