// A Russian-speaking user on any system: Qt's own dialogs speak Russian once the program has loaded
// Qt's translation, and dates read "10.12.2026" whatever the system's locale.
#include "editor_fixture.h"
#include "file_helpers.h"

#include "qt_translation.h"

#include "dialogs/dialog_questions.h"
#include "report/configuration_report.h"
#include "storage/short_date.h"
#include "widgets/static_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace orva;

namespace {

// The texts of the modal dialog's buttons and labels, without their "&" marks.
QStringList ShownTexts(QWidget *dialog)
{
    QStringList texts;
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text().remove(u'&');
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text().remove(u'&');
    return texts;
}

} // namespace

class RussianTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fileDialogsSpeakRussian_data();
    void fileDialogsSpeakRussian();
    void datesInTheRussianShortForm();
};

void RussianTest::initTestCase()
{
    if (!InstallQtRussian(*qApp))
        QSKIP("Qt's Russian translation (qt6-translations-l10n) is not installed");
    QCOMPARE(QLocale().language(), QLocale::Russian);
    // The dates below must not depend on the locale: a system with an English one.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void RussianTest::fileDialogsSpeakRussian_data()
{
    QTest::addColumn<QuestionKind>("kind");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("open") << QuestionKind::OpenFile
                          << QStringList{QStringLiteral("Открыть"), QStringLiteral("Отмена"),
                                         QStringLiteral("Имя файла:")};
    QTest::newRow("save") << QuestionKind::SaveFile
                          << QStringList{QStringLiteral("Сохранить"), QStringLiteral("Отмена"),
                                         QStringLiteral("Имя файла:")};
}

void RussianTest::fileDialogsSpeakRussian()
{
    QFETCH(QuestionKind, kind);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Панели")));
    QVERIFY(test::WriteBytes(dir.filePath(QStringLiteral("a.ini")), "oa-A\r\n"));
    QVERIFY(test::WriteBytes(dir.filePath(QStringLiteral("b.cry")), "x"));
    QWidget owner;
    ProgramDialogs dialogs;
    dialogs.owner = &owner;
    DialogQuestions questions(dialogs);
    Question question = Question::Of(kind);
    question.folder = dir.path();
    question.filters = {QStringLiteral("Файлы конфигурации (*.ini *.cry)")};
    QStringList seen;
    QHash<QString, QString> types; // the "Тип" column by name
    // The dialog is Qt's own and modal: it is read and closed from the event loop it runs.
    QTimer::singleShot(0, this, [&seen, &types] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }))
            return;
        QWidget *dialog = QApplication::activeModalWidget();
        seen = ShownTexts(dialog);
        // What the dialog's list shows: its view's model, over Qt's file model.
        auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        QAbstractItemModel *model = view ? view->model() : nullptr;
        const auto readTypes = [&] {
            const QModelIndex root = view->rootIndex();
            types.clear();
            for (int row = 0; row < model->rowCount(root); ++row) {
                const QString name = model->index(row, 0, root).data().toString();
                types.insert(name, model->index(row, 2, root).data().toString());
                types.insert(name + QStringLiteral("/size"), model->index(row, 1, root).data().toString());
            }
            return types.size() == 6;
        };
        if (model)
            (void)QTest::qWaitFor(readTypes); // the types are compared below
        static_cast<QFileDialog *>(dialog)->reject();
    });
    questions.Ask(question);
    for (const QString &text : expected)
        QVERIFY2(seen.contains(text), qPrintable(text + u" not in " + seen.join(u" | ")));
    // The types are Russian too, also where the system's file-type database speaks English.
    QCOMPARE(types.value(QStringLiteral("Панели")), QStringLiteral("Папка"));
    QCOMPARE(types.value(QStringLiteral("a.ini")), QStringLiteral("Файл конфигурации"));
    QCOMPARE(types.value(QStringLiteral("b.cry")), QStringLiteral("Зашифрованный файл конфигурации"));
    // Sizes in Russian whatever the locale of the system (the test runs with an English one).
    QCOMPARE(types.value(QStringLiteral("a.ini/size")), QLocale(QLocale::Russian).formattedDataSize(6));
    QVERIFY(types.value(QStringLiteral("a.ini/size")).contains(QStringLiteral("байт")));
}

void RussianTest::datesInTheRussianShortForm()
{
    QCOMPARE(ShortDateText(QDate(2026, 12, 10)), QStringLiteral("10.12.2026"));
    QCOMPARE(ReportDateText(QDate(2026, 1, 5)), QStringLiteral("05.01.2026"));

    // The status line of a file opened at start-up shows its date so.
    EditorFixture f;
    const QString file = f.current.filePath(QStringLiteral("config.ini"));
    QVERIFY(test::WriteBytes(file, "oa-Sklad\r\n"));
    QVERIFY(test::SetModified(file, QDateTime(QDate(2026, 12, 10), QTime(12, 0))));
    QVERIFY(f.ShowActive());
    QVERIFY2(f.window->StaticTextStatus()->text().contains(QStringLiteral(" от 10.12.2026 года")),
             qPrintable(f.window->StaticTextStatus()->text()));
}

QTEST_MAIN(RussianTest)
#include "tst_russian.moc"
