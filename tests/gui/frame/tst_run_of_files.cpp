// One run of the editor that opens, prints, writes to a panel's disk and saves many files one after
// another, through its buttons: every save must equal what a new window saves for the same file and
// what a new orva-config process saves, whatever the files before it left behind.
#include "config_corpus.h"
#include "editor_fixture.h"
#include "file_helpers.h"

#include "frame/bottom_buttons.h"

#include <QPrinter>
#include <QProcess>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

// Answers every question of the run as a user who picks the prepared files and a PDF printer, takes
// every offered default and otherwise closes the error box.
class RunAnswers : public ModalQuestions
{
public:
    Answer Ask(const Question &question) override
    {
        switch (question.kind) {
        case QuestionKind::OpenFile:
            return {ModalResult::Ok, open, 0};
        case QuestionKind::SaveFile:
            return {ModalResult::Ok, save, 0};
        case QuestionKind::RemovableDisk:
            return {ModalResult::Ok, disk, 0};
        case QuestionKind::Print:
            question.printer->setOutputFormat(QPrinter::PdfFormat);
            question.printer->setOutputFileName(pdf);
            return {ModalResult::Ok, QString(), 0};
        case QuestionKind::InfoBox:
            return {ModalResult::Ok, QString(), 0};
        case QuestionKind::ErrorBox:
            errors << question.headline;
            return {question.offerDefault ? ModalResult::Ok : ModalResult::Cancel, QString(), 0};
        default:
            errors << QStringLiteral("unexpected question");
            return {};
        }
    }

    QString open, save, disk, pdf;
    QStringList errors;
};

RunAnswers *InstallRunAnswers(EditorFixture &f)
{
    auto answers = std::make_unique<RunAnswers>();
    RunAnswers *run = answers.get();
    f.window->SetQuestions(std::move(answers));
    f.questions = nullptr;
    return run;
}

// Opens `path` and saves it as `target` in the window; the saved bytes, or none when the save stopped.
QByteArray OpenAndSave(EditorFixture &f, RunAnswers &answers, const QString &path, const QString &target)
{
    QFile::remove(target);
    answers.open = path;
    QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
    answers.save = target;
    QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
    return ReadBytes(target);
}

// What a new window saves for the file.
QByteArray SavedByNewWindow(const QString &path, const QString &target, QStringList *errors)
{
    EditorFixture f;
    if (!f.ShowActive())
        return QByteArrayLiteral("window not shown");
    RunAnswers *answers = InstallRunAnswers(f);
    const QByteArray saved = OpenAndSave(f, *answers, path, target);
    *errors = answers->errors;
    return saved;
}

// What `orva-config save` in a process of its own writes for the file.
QByteArray SavedByNewProcess(const QString &path, const QString &target)
{
    QFile::remove(target);
    QProcess process;
    process.start(QStringLiteral(ORVA_CONFIG_BINARY),
                  {QStringLiteral("save"), path, QStringLiteral("-o"), target});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArrayLiteral("orva-config save failed: ") + process.readAllStandardError();
    return ReadBytes(target);
}

} // namespace

class RunOfFilesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everySaveEqualsANewWindowsSave();
};

void RunOfFilesTest::everySaveEqualsANewWindowsSave()
{
    // The first two are a file whose dial phone is sorted to the front, then one that needs the
    // phones at their own numbers.
    QList<NamedConfiguration> files = {
        {QStringLiteral("sorted phone"), QByteArrayLiteral("ks1-K\r\ndn4-2.+79001234567\r\n")},
        {QStringLiteral("phones 1 and 2"),
         QByteArrayLiteral("ks1-K\r\ndn1-1.+79110000001\r\ndn2-1.+79220000002\r\n")},
    };
    files += FixtureConfigurations() + VariedConfigurations(30);

    EditorFixture f;
    QVERIFY(f.ShowActive());
    RunAnswers *answers = InstallRunAnswers(f);
    QTemporaryDir disk;
    answers->disk = disk.path();
    int saves = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const NamedConfiguration &file = files.at(i);
        const QString path = f.dir.filePath(QStringLiteral("in%1.ini").arg(i));
        QVERIFY(WriteBytes(path, file.bytes));
        answers->errors.clear();
        answers->open = path;
        QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
        // Printing and writing to the disk store the pages and sort the phones as a save does.
        if (i % 3 == 1) {
            answers->pdf = f.dir.filePath(QStringLiteral("record%1.pdf").arg(i));
            QTest::mouseClick(f.window->Buttons().print, Qt::LeftButton);
        } else if (i % 3 == 2) {
            QFile::remove(disk.filePath(QStringLiteral("config.ini")));
            QTest::mouseClick(f.window->Buttons().saveToDevice, Qt::LeftButton);
        }
        const QString target = f.dir.filePath(QStringLiteral("out%1.ini").arg(i));
        answers->save = target;
        QTest::mouseClick(f.window->Buttons().save, Qt::LeftButton);
        const QByteArray saved = ReadBytes(target);
        const QStringList runErrors = answers->errors;

        QStringList freshErrors;
        const QByteArray fresh =
            SavedByNewWindow(path, f.dir.filePath(QStringLiteral("fresh%1.ini").arg(i)), &freshErrors);
        const QString name = file.name;
        QVERIFY2(saved == fresh,
                 qPrintable(name + QStringLiteral(": the run saved what a new window does not")));
        if (saved.isEmpty())
            continue;
        ++saves;
        if (i % 3 == 2 && !runErrors.contains(QStringLiteral("unexpected question")))
            QVERIFY2(ReadBytes(disk.filePath(QStringLiteral("config.ini"))) == saved,
                     qPrintable(name + QStringLiteral(": the disk holds another text than the save")));
        if (freshErrors.isEmpty())
            QVERIFY2(SavedByNewProcess(path, f.dir.filePath(QStringLiteral("cli%1.ini").arg(i))) == saved,
                     qPrintable(name + QStringLiteral(": orva-config saves another text")));
    }
    // Most of the files pass the checks (or take their defaults); a run that saved nothing proves nothing.
    QVERIFY2(saves > files.size() / 2, qPrintable(QString::number(saves)));
}

QTEST_MAIN(RunOfFilesTest)
#include "tst_run_of_files.moc"
