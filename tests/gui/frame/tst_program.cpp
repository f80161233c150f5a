// The editor's start-up: the windows in their order, the dialogs behind the main window's questions,
// and an exception from an event handler shown in the error box while the program goes on.
#include "file_helpers.h"
#include "guarded_application.h"
#include "program.h"

#include "dialogs/dialog_questions.h"
#include "dialogs/error_message.h"
#include "dialogs/key_dialog.h"
#include "frame/main_window.h"
#include "widgets/field_edit.h"
#include "widgets/static_text.h"

#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace orva;

namespace {

// Throws from its event handler on a user event and counts the other events it handles.
class Faulty : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("disk removed");
        if (e->type() == QEvent::User + 1) {
            ++handled;
            return true;
        }
        return QObject::event(e);
    }

    int handled = 0;
};

std::unique_ptr<QSettings> TempSettings(const QTemporaryDir &dir)
{
    return std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
}

} // namespace

class ProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsInStartUpOrder();
    void questionsGoToTheDialogs();
    void exceptionFromAHandlerIsShownAndTheProgramGoesOn();
    void exceptionWithoutReporterIsSwallowed();
    void exceptionFromAClickHandler();
    void containerAtStartUpAsksInTheKeyDialog();
};

void ProgramTest::windowsInStartUpOrder()
{
    QTemporaryDir dir;
    Program program({}, TempSettings(dir));
    QStringList dialogs;
    const auto children = program.MainWindow().children();
    for (QObject *child : children) {
        if (qobject_cast<QDialog *>(child))
            dialogs << child->objectName();
    }
    QCOMPARE(dialogs,
             (QStringList{QStringLiteral("FormLogicalDisks"), QStringLiteral("FormErrorMessage"),
                          QStringLiteral("FormOkMessage"), QStringLiteral("DialogConfig"),
                          QStringLiteral("FormDialogSetKeyConfig"), QStringLiteral("FormSelectPathTree")}));
    QVERIFY(program.MainWindow().programFolder().endsWith(u'/'));
}

void ProgramTest::questionsGoToTheDialogs()
{
    QTemporaryDir dir;
    Program program({}, TempSettings(dir));
    QVERIFY(dynamic_cast<DialogQuestions *>(&program.MainWindow().questions()));

    // The information box is shown modally; "Продолжить" answers 1.
    auto *box = program.MainWindow().findChild<QDialog *>(QStringLiteral("FormOkMessage"));
    QTimer::singleShot(0, box, [box] {
        QTRY_VERIFY(box->isVisible());
        box->findChild<QPushButton *>(QStringLiteral("BitBtnContinue"))->click();
    });
    const Answer answer = program.MainWindow().questions().Ask(Question::Info(
        QStringLiteral("Операция выполнена"), QStringLiteral("Конфигурация сохранена"), false));
    QCOMPARE(answer.result, ModalResult::Ok);
    QCOMPARE(box->findChild<StaticText *>(QStringLiteral("StaticTextRecomendation"))->text(),
             QStringLiteral("Конфигурация сохранена"));
}

void ProgramTest::exceptionFromAHandlerIsShownAndTheProgramGoesOn()
{
    QTemporaryDir dir;
    Program program({}, TempSettings(dir));
    auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance());
    QVERIFY(app);
    app->SetExceptionReporter([&program](const QString &what) { program.ReportException(what); });

    auto *box = program.MainWindow().findChild<TFormErrorMessage *>(QStringLiteral("FormErrorMessage"));
    QString shown;
    QTimer::singleShot(0, box, [box, &shown] {
        QTRY_VERIFY(box->isVisible());
        shown = box->findChild<StaticText *>(QStringLiteral("ST_Message"))->text() + u'|' +
                box->findChild<StaticText *>(QStringLiteral("ST_Recomendation"))->text();
        box->findChild<QPushButton *>(QStringLiteral("B_Continue"))->click();
    });
    Faulty faulty;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    QVERIFY(shown.startsWith(QStringLiteral("Непредвиденная ошибка программы|disk removed.")));

    // Events keep being delivered.
    QEvent plain(QEvent::Type(QEvent::User + 1));
    QVERIFY(QCoreApplication::sendEvent(&faulty, &plain));
    QCOMPARE(faulty.handled, 1);
    app->SetExceptionReporter({});
}

void ProgramTest::exceptionWithoutReporterIsSwallowed()
{
    Faulty faulty;
    QEvent event(QEvent::User);
    // The failed delivery reports "not handled" and nothing escapes.
    QVERIFY(!QCoreApplication::sendEvent(&faulty, &event));
    QEvent plain(QEvent::Type(QEvent::User + 1));
    QVERIFY(QCoreApplication::sendEvent(&faulty, &plain));
    QCOMPARE(faulty.handled, 1);
}

void ProgramTest::exceptionFromAClickHandler()
{
    auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance());
    QStringList reported;
    app->SetExceptionReporter([&reported](const QString &what) { reported << what; });
    QPushButton button(QStringLiteral("Сохранить"));
    int clicks = 0;
    connect(&button, &QPushButton::clicked, &button, [&clicks] {
        if (++clicks == 1)
            throw std::runtime_error("no space left");
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(reported, QStringList{QStringLiteral("no space left")});
    // The button still works.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(reported.size(), 1);
    app->SetExceptionReporter({});
}

// The start-up load runs after the first showing: its key dialog is a real modal dialog, shown from the
// event loop, answered here first with a wrong key and then with the right one.
void ProgramTest::containerAtStartUpAsksInTheKeyDialog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("panel.cry"));
    const QString key = QStringLiteral("Key 7");
    QVERIFY(test::WriteBytes(path, test::ContainerOf(QByteArrayLiteral("oa-Sklad\r\n"), key)));
    Program program({path}, TempSettings(dir));
    auto *dialog =
        program.MainWindow().findChild<TFormDialogSetKeyConfig *>(QStringLiteral("FormDialogSetKeyConfig"));
    QVERIFY(dialog);

    QList<bool> wrongKeyShown;
    QTimer answerer;
    answerer.setInterval(10);
    connect(&answerer, &QTimer::timeout, dialog, [&] {
        if (!dialog->isVisible() || !dialog->isActiveWindow())
            return;
        wrongKeyShown << dialog->findChild<StaticText *>(QStringLiteral("StaticTextErrorKey"))->isVisible();
        auto *entry = dialog->findChild<FieldEdit *>(QStringLiteral("EditKEYConfig"));
        entry->clear();
        QTest::keyClicks(entry, wrongKeyShown.size() == 1 ? QStringLiteral("wrong") : key);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("BtnOK")), Qt::LeftButton);
    });
    answerer.start();
    program.Show();
    QTRY_VERIFY(program.MainWindow().StartUpFinished());
    answerer.stop();

    QCOMPARE(wrongKeyShown, (QList<bool>{false, true}));
    QCOMPARE(program.MainWindow().model().record(Cmd::ks, 1).text(1), key);
    QCOMPARE(program.MainWindow().model().record(Cmd::oa).text(1), QStringLiteral("Sklad"));
    QCOMPARE(program.MainWindow().windowTitle(), TForm2::CaptionPrefix + path);
    QCOMPARE(dialog->LastConfirmedKey(), key);
}

int main(int argc, char *argv[])
{
    GuardedApplication app(argc, argv);
    ProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program.moc"
