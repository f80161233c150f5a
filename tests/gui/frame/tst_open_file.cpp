// "Открыть" in normal mode: the open dialog, plain files through Memo1, containers through the key loop
// (the first key from the key dialog's entry field), the failures in the error box, the status line and
// the caption.
#include "editor_fixture.h"
#include "file_helpers.h"
#include "orva_version.h"

#include "frame/status_line.h"
#include "widgets/static_text.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

const QString Prefix = QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v." ORVA_VERSION "   =>   ");
const QByteArray ContainerText = QByteArrayLiteral("Zentrix-Config Orva soft v3\r\noa-Sklad\r\nlm2-5.45\r\n");
const QString SignatureHeadline = QStringLiteral(
    "Ошибка контрольной сигнатуры файла конфигурации - файл не относится к \"Zentrix\" ППКОП Orva");
const QString SizeHeadline = QStringLiteral("Ошибка размера файла конфигурации - файл не верный ");

// Clicks "Открыть"; the scripted answers are queued before.
void ClickOpen(EditorFixture &f)
{
    QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
}

Answer Chosen(const QString &path)
{
    return Answer{ModalResult::Ok, path, 3};
}

} // namespace

class OpenFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void openDialogFiltersAndCancel();
    void plainFile();
    void plainFileWithBareLineEnds();
    void containerFirstTriesTheEntryText();
    void containerWrongKeyThenRightKey();
    void containerKeyDialogCancelled();
    void blankKeyShowsTheDialogAgain();
    void containerKeepsItsOwnFileKey();
    void keyWithBlanksAtItsEnds();
    void badContainers_data();
    void badContainers();
    void fileThatCannotBeOpened();
    void lockBesideTheOpenedFile_data();
    void lockBesideTheOpenedFile();
};

void OpenFileTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void OpenFileTest::openDialogFiltersAndCancel()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    const QString caption = f.window->windowTitle();
    f.working.record(Cmd::oa).setText(1, QStringLiteral("Kept"));
    f.questions->Then(ModalResult::Cancel);
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::OpenFile});
    const Question &asked = f.questions->asked().at(0);
    QCOMPARE(asked.filters, (QStringList{QStringLiteral("Конфигурация прибора (*.ini)"),
                                         QStringLiteral("Конфигурация GSM-прибора (*.gsm)"),
                                         QStringLiteral("Шифрованная конфигурация (*.cry)"),
                                         QStringLiteral("Все поддерживаемые форматы (*.ini *.gsm *.cry)")}));
    QCOMPARE(asked.selectedFilter, 3);
    QCOMPARE(asked.defaultSuffix, QStringLiteral("ini"));
    // Cancelled: nothing changes.
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Kept"));
    QCOMPARE(f.window->windowTitle(), caption);
}

void OpenFileTest::plainFile()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.gsm"));
    const QByteArray bytes = ReadBytes(FixturePath(QStringLiteral("opensave/stored.ini")));
    QVERIFY(WriteBytes(path, bytes));
    QVERIFY(SetModified(path, QDateTime(QDate(2023, 12, 31), QTime(8, 0))));
    f.questions->Then(Chosen(path));
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::OpenFile});
    QCOMPARE(f.window->windowTitle(), Prefix + path);
    QCOMPARE(f.window->StaticTextStatus()->text(),
             QStringLiteral("Конфигурация сохраненная (Config Orva soft v3) от 31.12.2023 года "));
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("ОБЪЕКТ1"));
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("Ключ1"));
    QVERIFY(f.window->PagesParam()->isVisible());
    QVERIFY(!f.window->IsReadOnly());
}

// Lines ending right after parameter 1, with bare LF and CR line ends and no final line break: each command
// still reads, because the text reaches the lexer with CR LF line breaks through Memo1.
void OpenFileTest::plainFileWithBareLineEnds()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bare.ini"));
    const QByteArray bytes = QByteArrayLiteral(
        "ks1-abc\nks2-old\noa-Sklad\ncm-2\nxo-45\nla1-Door\nlm1-3\nlm4-12.30\r!!-pass\rca-7");
    QVERIFY(WriteBytes(path, bytes));
    f.questions->Then(Chosen(path));
    ClickOpen(f);

    T_Command_DEVICE expected;
    CoreLoad(bytes, expected);
    QCOMPARE(expected.record(Cmd::ca).value(1), 7);
    const std::pair<quint8, int> records[] = {{Cmd::ks, 1}, {Cmd::ks, 2}, {Cmd::oa, 0},       {Cmd::cm, 0},
                                              {Cmd::xo, 0}, {Cmd::la, 1}, {Cmd::Password, 0}, {Cmd::ca, 0},
                                              {Cmd::lm, 1}, {Cmd::lm, 4}, {Cmd::Zentrix, 0}};
    for (const auto &[code, instance] : records)
        QVERIFY2(SameRecord(f.working.record(code, instance), expected.record(code, instance)),
                 qPrintable(QStringLiteral("row %1 instance %2").arg(code).arg(instance)));
    QCOMPARE(f.window->Memo1()->toPlainText().split(u'\n').size(), 10);
}

void OpenFileTest::containerFirstTriesTheEntryText()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.cry"));
    QVERIFY(WriteBytes(path, ContainerOf(ContainerText, QStringLiteral("typed before"))));
    // What the key dialog's entry field holds is tried without showing the dialog.
    f.questions->SetKeyEntryText(QStringLiteral("typed before"));
    f.questions->Then(Chosen(path));
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::OpenFile});
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("typed before"));
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Sklad"));
    QCOMPARE(f.window->windowTitle(), Prefix + path);
    QVERIFY(f.window->StaticTextStatus()->text().startsWith(QStringLiteral("Конфигурация сохраненная (")));
}

void OpenFileTest::containerWrongKeyThenRightKey()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    // ".CRY" in capitals is a container as well.
    const QString path = folder.filePath(QStringLiteral("PANEL.CRY"));
    QVERIFY(WriteBytes(path, ContainerOf(ContainerText, QStringLiteral("right"))));
    f.questions->SetKeyEntryText(QStringLiteral("wrong"));
    f.questions->Then(Chosen(path)).Then(ModalResult::Ok, QStringLiteral("still wrong"));
    f.questions->Then(ModalResult::Ok, QStringLiteral("right"));
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::OpenFile, QuestionKind::FileKey, QuestionKind::FileKey}));
    // The entry text failed: the dialog comes with the wrong-key line, its layout prepared once.
    QVERIFY(f.questions->asked().at(1).prepareLayout);
    QVERIFY(f.questions->asked().at(1).wrongKey);
    QVERIFY(!f.questions->asked().at(2).prepareLayout);
    QVERIFY(f.questions->asked().at(2).wrongKey);
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("right"));
    QCOMPARE(f.working.record(Cmd::ks, 2).text(1), QStringLiteral("right"));
    QCOMPARE(f.window->windowTitle(), Prefix + path);
    QCOMPARE(f.questions->KeyState().lastConfirmedKey, QStringLiteral("right"));
}

void OpenFileTest::containerKeyDialogCancelled()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    const QString caption = f.window->windowTitle();
    const QString status = f.window->StaticTextStatus()->text();
    f.working.record(Cmd::oa).setText(1, QStringLiteral("Kept"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.cry"));
    QVERIFY(WriteBytes(path, ContainerOf(ContainerText, QStringLiteral("right"))));
    f.questions->Then(Chosen(path)).Then(ModalResult::Cancel);
    ClickOpen(f);

    // An empty entry field: the dialog is shown at once, without the wrong-key line; giving up says
    // nothing and changes nothing.
    QCOMPARE(f.questions->askedKinds(), (QList<QuestionKind>{QuestionKind::OpenFile, QuestionKind::FileKey}));
    QVERIFY(!f.questions->asked().at(1).wrongKey);
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Kept"));
    QCOMPARE(f.window->windowTitle(), caption);
    QCOMPARE(f.window->StaticTextStatus()->text(), status);
}

void OpenFileTest::blankKeyShowsTheDialogAgain()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.cry"));
    QVERIFY(WriteBytes(path, ContainerOf(ContainerText, QStringLiteral("right"))));
    f.questions->Then(Chosen(path)).Then(ModalResult::Ok, QStringLiteral("   "));
    f.questions->Then(ModalResult::Ok, QStringLiteral("right"));
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::OpenFile, QuestionKind::FileKey, QuestionKind::FileKey}));
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("right"));
}

void OpenFileTest::containerKeepsItsOwnFileKey()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.cry"));
    QVERIFY(WriteBytes(
        path, ContainerOf(QByteArrayLiteral("ks1-Own\r\nks2-Older\r\n"), QStringLiteral("opening"))));
    f.questions->Then(Chosen(path)).Then(ModalResult::Ok, QStringLiteral("opening"));
    ClickOpen(f);

    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("Own"));
    QCOMPARE(f.working.record(Cmd::ks, 2).text(1), QStringLiteral("Older"));
}

// Blanks at the ends of a key do not change the cipher key; the file key taken from it is the key
// without them, which reads back and passes the save checks.
void OpenFileTest::keyWithBlanksAtItsEnds()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.cry"));
    QVERIFY(WriteBytes(path, ContainerOf(ContainerText, QStringLiteral("secret"))));
    f.questions->Then(Chosen(path)).Then(ModalResult::Ok, QStringLiteral("  secret "));
    ClickOpen(f);

    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("secret"));
    QCOMPARE(f.working.record(Cmd::ks, 2).text(1), QStringLiteral("secret"));
    // The dialog keeps the key as typed.
    QCOMPARE(f.questions->KeyState().entryText, QStringLiteral("  secret "));
}

void OpenFileTest::badContainers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("headline");
    QByteArray good = ContainerOf(ContainerText, QStringLiteral("key"));
    QTest::newRow("bad signature") << QByteArrayLiteral("PPKOP something else\r\n0123456789012345678901")
                                   << SignatureHeadline;
    QTest::newRow("bad size") << good.left(good.size() - 3) << SizeHeadline;
    QTest::newRow("no body") << good.left(good.indexOf('\n') + 1 + 22) << SizeHeadline;
}

void OpenFileTest::badContainers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, headline);
    EditorFixture f;
    QVERIFY(f.ShowActive());
    const QString caption = f.window->windowTitle();
    f.working.record(Cmd::oa).setText(1, QStringLiteral("Kept"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bad.cry"));
    QVERIFY(WriteBytes(path, bytes));
    f.questions->SetKeyEntryText(QStringLiteral("key"));
    f.questions->Then(Chosen(path)).Then(ModalResult::Retry);
    ClickOpen(f);

    // One error box, with the fix button only; the file is not tried with another key.
    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::OpenFile, QuestionKind::ErrorBox}));
    const Question &box = f.questions->asked().at(1);
    QCOMPARE(box.headline, headline);
    QCOMPARE(box.hint, QStringLiteral("Проверьте источник файла"));
    QVERIFY(box.fix);
    QVERIFY(!box.cont);
    QVERIFY(!box.offerDefault);
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Kept"));
    QCOMPARE(f.window->windowTitle(), caption);
}

void OpenFileTest::fileThatCannotBeOpened()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    f.working.record(Cmd::oa).setText(1, QStringLiteral("Kept"));
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.ini")));
    f.questions->Then(Chosen(folder.filePath(QStringLiteral("gone.ini")))).Then(ModalResult::Retry);
    f.questions->Then(Chosen(folder.filePath(QStringLiteral("folder.ini")))).Then(ModalResult::Retry);
    ClickOpen(f);
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::OpenFile, QuestionKind::ErrorBox, QuestionKind::OpenFile,
                                  QuestionKind::ErrorBox}));
    for (int i : {1, 3}) {
        QCOMPARE(f.questions->asked().at(i).headline, QStringLiteral("Ошибка открытия файла"));
        QCOMPARE(f.questions->asked().at(i).hint, QStringLiteral("Проверьте наличие файла"));
    }
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("Kept"));
}

// The card's file system does not tell letter cases apart; a copy of it on another disk may.
void OpenFileTest::lockBesideTheOpenedFile_data()
{
    QTest::addColumn<QString>("lockName");
    QTest::newRow("lock.txt") << QStringLiteral("lock.txt");
    QTest::newRow("LOCK.TXT") << QStringLiteral("LOCK.TXT");
    QTest::newRow("Lock.Txt") << QStringLiteral("Lock.Txt");
}

void OpenFileTest::lockBesideTheOpenedFile()
{
    QFETCH(QString, lockName);
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir armed;
    const QString path = armed.filePath(QStringLiteral("config.ini"));
    QVERIFY(QFile::copy(FixturePath(QStringLiteral("opensave/stored.ini")), path));
    QVERIFY(WriteBytes(armed.filePath(lockName), QByteArray()));
    f.questions->Then(Chosen(path)).Then(ModalResult::Ok);
    ClickOpen(f);

    QCOMPARE(f.questions->askedKinds(),
             (QList<QuestionKind>{QuestionKind::OpenFile, QuestionKind::ErrorBox}));
    QCOMPARE(f.questions->asked().at(1).headline,
             QStringLiteral("Прибор находится во взятом состоянии, редактирование параметров невозможно"));
    QVERIFY(f.window->IsReadOnly());
    QVERIFY(f.window->Buttons().saveToDevice->isHidden());
    QVERIFY(f.window->StaticTextStatus()->text().endsWith(QStringLiteral("(только чтение)")));
    // The configuration is loaded all the same: editing and saving to a file stay possible.
    QCOMPARE(f.working.record(Cmd::oa).text(1), QStringLiteral("ОБЪЕКТ1"));
}

QTEST_MAIN(OpenFileTest)
#include "tst_open_file.moc"
