// The start-up load of the main window: the command line ("-debug" only as the first argument, in any
// letter case), else config.ini then config.cry of the current folder; plain files and containers;
// the status line, the caption and Memo1.
#include "editor_fixture.h"
#include "file_helpers.h"
#include "orva_version.h"

#include "frame/bottom_buttons.h"
#include "frame/status_line.h"
#include "widgets/static_text.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

const QString Prefix = QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v." ORVA_VERSION "   =>   ");
const QString DefaultStatus = QStringLiteral("Конфигурация \"по-умолчанию\"");
const QDateTime Modified(QDate(2024, 2, 1), QTime(12, 0));

QString Native(const char *relative)
{
    return QDir::toNativeSeparators(QString::fromLatin1(relative));
}

// A text without file key, so that a container's opening key becomes it.
const QByteArray ContainerText = QByteArrayLiteral("Zentrix-Config Orva soft v3\r\noa-Sklad\r\nlm2-5.45\r\n");

bool DebugPageShown(TForm2 &window)
{
    QTabWidget *tabs = window.PagesParam();
    QWidget *page = window.findChild<QWidget *>(QStringLiteral("TabDebug"));
    return page && tabs->indexOf(page) >= 0 && tabs->isTabVisible(tabs->indexOf(page));
}

// The records a load fills from the fixtures (the pages store the others in their own forms).
void CompareLoaded(const T_Command_DEVICE &actual, const T_Command_DEVICE &expected)
{
    const std::pair<quint8, int> records[] = {
        {Cmd::Zentrix, 0}, {Cmd::ks, 1}, {Cmd::ks, 2}, {Cmd::Password, 0}, {Cmd::oa, 0},
        {Cmd::cm, 0},      {Cmd::lm, 1}, {Cmd::lm, 2}, {Cmd::lm, 4},       {Cmd::xo, 0},
    };
    for (const auto &[code, instance] : records) {
        QVERIFY2(SameRecord(actual.record(code, instance), expected.record(code, instance)),
                 qPrintable(QStringLiteral("row %1 instance %2").arg(code).arg(instance)));
    }
}

T_Command_DEVICE EmptyTextModel()
{
    T_Command_DEVICE model;
    CoreLoad(QByteArray(), model);
    return model;
}

} // namespace

class StartUpLoadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void withoutFilesTheDefaultsAndConfigCry();
    void configIniBeforeConfigCry();
    void containerAsksForTheKey();
    void containerWrongKeyThenRightKey();
    void containerCancelledStartsWithDefaults();
    void containerWithBadSignature();
    void commandLine_data();
    void commandLine();
    void lockBesideTheFile();
    void windowCompleteBeforeTheKeyDialog();
};

void StartUpLoadTest::initTestCase()
{
    // The status line shows dates in the short format of the locale.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void StartUpLoadTest::withoutFilesTheDefaultsAndConfigCry()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QCOMPARE(f.window->windowTitle(), Prefix + Native("./config.cry"));
    QCOMPARE(f.window->StaticTextStatus()->text(), DefaultStatus);
    QVERIFY(f.questions->asked().isEmpty());
    QVERIFY(f.window->Memo1()->toPlainText().isEmpty());
    QVERIFY(HoldsStored(*f.window, f.working, EmptyTextModel()));
    QVERIFY(f.window->PagesParam()->isVisible());
    QVERIFY(!DebugPageShown(*f.window));
}

void StartUpLoadTest::configIniBeforeConfigCry()
{
    EditorFixture f;
    const QString ini = f.current.filePath(QStringLiteral("config.ini"));
    const QByteArray bytes = ReadBytes(FixturePath(QStringLiteral("opensave/stored.ini")));
    QVERIFY(WriteBytes(ini, bytes));
    QVERIFY(SetModified(ini, Modified));
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.cry")),
                       ContainerOf(ContainerText, QStringLiteral("k"))));
    QVERIFY(f.ShowActive());

    QVERIFY(f.questions->asked().isEmpty());
    QCOMPARE(f.window->windowTitle(), Prefix + Native("./config.ini"));
    QCOMPARE(f.window->StaticTextStatus()->text(),
             QStringLiteral("Конфигурация сохраненная (Config Orva soft v3) от 01.02.2024 года "));
    T_Command_DEVICE expected;
    CoreLoad(bytes, expected);
    CompareLoaded(f.working, expected);
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("ОБЪЕКТ1"));
    // Memo1 holds the file's lines.
    const QStringList lines = f.window->Memo1()->toPlainText().split(u'\n');
    QCOMPARE(lines.first(), QStringLiteral("Zentrix-Config Orva soft v3").leftJustified(45));
    QVERIFY(lines.contains(QStringLiteral("oa-ОБЪЕКТ1").leftJustified(45)));
}

void StartUpLoadTest::containerAsksForTheKey()
{
    EditorFixture f;
    const QString cry = f.current.filePath(QStringLiteral("config.cry"));
    const QString key = QStringLiteral("Ключ 7");
    QVERIFY(WriteBytes(cry, ContainerOf(ContainerText, key)));
    QVERIFY(SetModified(cry, Modified));
    f.questions->Then(ModalResult::Ok, key);
    QVERIFY(f.ShowActive());

    // The first key is empty: the dialog comes in its check layout, without the wrong-key line while
    // its entry field is empty.
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::FileKey});
    const Question &asked = f.questions->asked().at(0);
    QVERIFY(asked.prepareLayout);
    QVERIFY(!asked.wrongKey);
    QCOMPARE(f.window->windowTitle(), Prefix + Native("./config.cry"));
    QCOMPARE(f.window->StaticTextStatus()->text(),
             QStringLiteral("Конфигурация сохраненная (Config Orva soft v3) от 01.02.2024 года "));
    // The text names no file key: the key that opened it becomes both.
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), key);
    QCOMPARE(f.working.record(Cmd::ks, 2).text(1), key);
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Sklad"));
    QCOMPARE(f.working.record(Cmd::lm, 2).value(1), 5);
    QCOMPARE(f.window->Memo1()->toPlainText(),
             QStringLiteral("Zentrix-Config Orva soft v3\noa-Sklad\nlm2-5.45\n"));
}

void StartUpLoadTest::containerWrongKeyThenRightKey()
{
    EditorFixture f;
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.cry")),
                       ContainerOf(ContainerText, QStringLiteral("right"))));
    f.questions->Then(ModalResult::Ok, QStringLiteral("wrong"))
        .Then(ModalResult::Ok, QStringLiteral("right"));
    QVERIFY(f.ShowActive());

    QCOMPARE(f.questions->askedKinds(), (QList<QuestionKind>{QuestionKind::FileKey, QuestionKind::FileKey}));
    QVERIFY(!f.questions->asked().at(0).wrongKey);
    QVERIFY(f.questions->asked().at(1).wrongKey);
    QVERIFY(!f.questions->asked().at(1).prepareLayout);
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("right"));
    QCOMPARE(f.window->windowTitle(), Prefix + Native("./config.cry"));
}

void StartUpLoadTest::containerCancelledStartsWithDefaults()
{
    EditorFixture f;
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.cry")),
                       ContainerOf(ContainerText, QStringLiteral("k"))));
    f.questions->Then(ModalResult::Cancel);
    QVERIFY(f.ShowActive());

    // No message: the user gave up.
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::FileKey});
    QCOMPARE(f.window->windowTitle(), Prefix);
    QCOMPARE(f.window->StaticTextStatus()->text(), DefaultStatus);
    QVERIFY(f.window->Memo1()->toPlainText().isEmpty());
    QVERIFY(HoldsStored(*f.window, f.working, EmptyTextModel()));
}

void StartUpLoadTest::containerWithBadSignature()
{
    EditorFixture f;
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.cry")),
                       QByteArrayLiteral("not a container\r\n")));
    f.questions->Then(ModalResult::Ok, QStringLiteral("key")).Then(ModalResult::Retry);
    QVERIFY(f.ShowActive());

    QCOMPARE(f.questions->askedKinds(), (QList<QuestionKind>{QuestionKind::FileKey, QuestionKind::ErrorBox}));
    const Question &box = f.questions->asked().at(1);
    QCOMPARE(box.headline,
             QStringLiteral("Ошибка контрольной сигнатуры файла конфигурации - файл не относится к "
                            "\"Zentrix\" ППКОП Orva"));
    QCOMPARE(box.hint, QStringLiteral("Проверьте источник файла"));
    QVERIFY(box.fix);
    QVERIFY(!box.cont);
    QCOMPARE(f.window->windowTitle(), Prefix);
    QCOMPARE(f.window->StaticTextStatus()->text(), DefaultStatus);
}

void StartUpLoadTest::commandLine_data()
{
    // Arguments with "FILE" for a plain file outside the current folder; whether config.ini lies in the
    // current folder; whether "Текст" is shown; the file of the caption ("FILE", or as written).
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("currentFile");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<QString>("captionFile");
    QTest::addColumn<bool>("loaded");

    const QString file = QStringLiteral("FILE");
    const QString configIni = QStringLiteral("config.ini");
    const QString none;
    const QString ends = QStringLiteral("--");
    QTest::newRow("-debug alone loads config.ini")
        << QStringList{QStringLiteral("-debug")} << configIni << true << Native("./config.ini") << true;
    QTest::newRow("-debug alone, no file")
        << QStringList{QStringLiteral("-debug")} << none << true << Native("./config.cry") << false;
    QTest::newRow("-DEBUG with a file")
        << QStringList{QStringLiteral("-DEBUG"), file} << configIni << true << file << true;
    QTest::newRow("a file") << QStringList{file} << configIni << false << file << true;
    QTest::newRow("-debug only as the first argument")
        << QStringList{file, QStringLiteral("-debug")} << none << false << file << true;
    QTest::newRow("a named file that is not there") << QStringList{QStringLiteral("nothere.ini")} << configIni
                                                    << false << QStringLiteral("nothere.ini") << false;
    QTest::newRow("-- then a file") << QStringList{ends, file} << configIni << false << file << true;
    QTest::newRow("-debug, -- then a file")
        << QStringList{QStringLiteral("-debug"), ends, file} << configIni << true << file << true;
    QTest::newRow("a file named like the switch, after --")
        << QStringList{ends, QStringLiteral("-debug")} << QStringLiteral("-debug") << false
        << QStringLiteral("-debug") << true;
    QTest::newRow("a file named like an option, after --")
        << QStringList{ends, QStringLiteral("--version")} << QStringLiteral("--version") << false
        << QStringLiteral("--version") << true;
}

void StartUpLoadTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, currentFile);
    QFETCH(bool, debug);
    QFETCH(QString, captionFile);
    QFETCH(bool, loaded);

    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("named.gsm"));
    const QByteArray bytes = ReadBytes(FixturePath(QStringLiteral("opensave/stored.ini")));
    QVERIFY(WriteBytes(named, bytes));
    arguments.replaceInStrings(QStringLiteral("FILE"), named);
    if (captionFile == QStringLiteral("FILE"))
        captionFile = named;

    EditorFixture f(arguments);
    if (!currentFile.isEmpty())
        QVERIFY(WriteBytes(f.current.filePath(currentFile), bytes));
    QVERIFY(f.ShowActive());

    QCOMPARE(DebugPageShown(*f.window), debug);
    QCOMPARE(f.window->windowTitle(), Prefix + captionFile);
    QVERIFY(f.questions->asked().isEmpty());
    if (loaded) {
        QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("ОБЪЕКТ1"));
        QVERIFY(f.window->StaticTextStatus()->text().startsWith(
            QStringLiteral("Конфигурация сохраненная (Config Orva soft v3) от ")));
    } else {
        QVERIFY(HoldsStored(*f.window, f.working, EmptyTextModel()));
        QCOMPARE(f.window->StaticTextStatus()->text(), DefaultStatus);
    }
}

void StartUpLoadTest::lockBesideTheFile()
{
    EditorFixture f;
    QVERIFY(QFile::copy(FixturePath(QStringLiteral("opensave/stored.ini")),
                        f.current.filePath(QStringLiteral("config.ini"))));
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("lock.txt")), QByteArray()));
    f.questions->Then(ModalResult::Ok);
    QVERIFY(f.ShowActive());

    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::ErrorBox});
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Прибор находится во взятом состоянии, редактирование параметров невозможно"));
    QVERIFY(f.window->IsReadOnly());
    QVERIFY(f.window->StaticTextStatus()->text().endsWith(QStringLiteral("(только чтение)")));
    QVERIFY(f.window->Buttons().saveToDevice->isHidden());
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("ОБЪЕКТ1"));
}

namespace {

// Notes how the window looks when the key dialog comes up over it.
class WindowAtKeyDialog : public ScriptedQuestions
{
public:
    explicit WindowAtKeyDialog(TForm2 *window) : m_window(window) {}
    Answer Ask(const Question &question) override
    {
        if (question.kind == QuestionKind::FileKey) {
            caption = m_window->windowTitle();
            pagesShown = m_window->PagesParam()->isVisible();
            exitDelay = m_window->findChild<QLineEdit *>(QStringLiteral("E_Mode_ExitDelay"))->text();
            openFace = m_window->Buttons().open->face();
        }
        return ScriptedQuestions::Ask(question);
    }

    QString caption;
    bool pagesShown = false;
    QString exitDelay;
    QPixmap openFace;

private:
    TForm2 *m_window;
};

} // namespace

// A container opened at start (from a file manager) asks for its key over a complete window: the
// running version's caption, the pages, the pictures on the buttons.
void StartUpLoadTest::windowCompleteBeforeTheKeyDialog()
{
    EditorFixture f;
    QVERIFY(WriteBytes(f.current.filePath(QStringLiteral("config.cry")),
                       ContainerOf(ContainerText, QStringLiteral("k"))));
    auto answers = std::make_unique<WindowAtKeyDialog>(f.window.get());
    WindowAtKeyDialog *seen = answers.get();
    seen->Then(ModalResult::Ok, QStringLiteral("k"));
    f.window->SetQuestions(std::move(answers));
    f.questions = seen;
    QVERIFY(f.ShowActive());

    QCOMPARE(seen->askedKinds(), QList<QuestionKind>{QuestionKind::FileKey});
    QCOMPARE(seen->caption, Prefix);
    QVERIFY(seen->pagesShown);
    // The pages show the factory configuration, as the status line says, not empty fields.
    QCOMPARE(seen->exitDelay, QStringLiteral("90"));
    QVERIFY(!seen->openFace.isNull());
    // The face is the one the window keeps after the load.
    QCOMPARE(seen->openFace.toImage(), f.window->Buttons().open->face().toImage());
    QCOMPARE(f.window->windowTitle(), Prefix + Native("./config.cry"));
}

QTEST_MAIN(StartUpLoadTest)
#include "tst_start_up_load.moc"
