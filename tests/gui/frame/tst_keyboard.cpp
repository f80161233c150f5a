// The keyboard as the only input: Enter on picture buttons, Tab into radio groups, Up/Down in numeric
// fields, label clicks, and the configuration file list, all through real key and mouse events.
#include "file_helpers.h"
#include "keyboard_walk.h"
#include "list_pages_support.h"

#include "dialogs/config_dialog.h"
#include "frame/file_list_mode.h"
#include "storage/program_settings.h"
#include "widgets/up_down.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using orva::test::WriteBytes;

Q_DECLARE_METATYPE(orva::QuestionKind)

namespace {

// Presses Tab until the focus is on one of `group` (at most `limit` presses); the button reached.
QRadioButton *TabIntoGroup(const QList<QRadioButton *> &group, int limit = 60)
{
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto *radio = qobject_cast<QRadioButton *>(QApplication::focusWidget()); group.contains(radio))
            return radio;
    }
    return nullptr;
}

QList<QRadioButton *> RadiosNamed(const QWidget *root, const QStringList &names)
{
    QList<QRadioButton *> radios;
    for (const QString &name : names)
        radios.append(root->findChild<QRadioButton *>(name));
    return radios;
}

// Clicks the row of a list at its own rectangle.
void ClickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void enterPressesTheFocusedPictureButton_data();
    void enterPressesTheFocusedPictureButton();
    void tabEntersAPageRadioGroupOnItsChoice_data();
    void tabEntersAPageRadioGroupOnItsChoice();
    void tabEntersASettingsRadioGroupOnItsChoice_data();
    void tabEntersASettingsRadioGroupOnItsChoice();
    void upAndDownStepNumericFields_data();
    void upAndDownStepNumericFields();
    void labelClickSelectsTheFieldText_data();
    void labelClickSelectsTheFieldText();
    void fileListByKeyboard_data();
    void fileListByKeyboard();
};

void KeyboardTest::enterPressesTheFocusedPictureButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QuestionKind>("asked");
    QTest::newRow("Настройки, Enter")
        << QStringLiteral("B_Config") << int(Qt::Key_Return) << QuestionKind::Settings;
    QTest::newRow("Настройки, keypad Enter")
        << QStringLiteral("B_Config") << int(Qt::Key_Enter) << QuestionKind::Settings;
    QTest::newRow("По-умолчанию") << QStringLiteral("B_Default") << int(Qt::Key_Return)
                                  << QuestionKind::InfoBox;
    QTest::newRow("Открыть") << QStringLiteral("B_Open") << int(Qt::Key_Return) << QuestionKind::OpenFile;
}

void KeyboardTest::enterPressesTheFocusedPictureButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QuestionKind, asked);
    EditorFixture f;
    QVERIFY(f.ShowActive());
    auto *b = f.window->findChild<PictureButton *>(button);
    QVERIFY(b);
    QVERIFY(test::GiveFocus(b));
    f.questions->clear();
    QTest::keyClick(b, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(f.questions->askedKinds(), QList<QuestionKind>{asked});
}

void KeyboardTest::tabEntersAPageRadioGroupOnItsChoice_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<int>("checked"); // index in the group
    const QStringList loopGroup{QStringLiteral("RB_Shleif_GuardDelay"), QStringLiteral("RB_Shleif_Guard"),
                                QStringLiteral("RB_Shleif_GuardDrop"), QStringLiteral("RB_Shleif_GuardWalk"),
                                QStringLiteral("RB_Shleif_GuardWalkDrop")};
    QTest::newRow("loop 1, охранный без задержки")
        << QStringLiteral("TabShleifs") << QStringList{QStringLiteral("lm1-2.0")}
        << QStringLiteral("L_Shleif_Shleifs") << loopGroup << 1;
    QTest::newRow("loop 1, охранный проходной")
        << QStringLiteral("TabShleifs") << QStringList{QStringLiteral("lm1-4.0")}
        << QStringLiteral("L_Shleif_Shleifs") << loopGroup << 3;
}

void KeyboardTest::tabEntersAPageRadioGroupOnItsChoice()
{
    QFETCH(QString, page);
    QFETCH(QStringList, lines);
    QFETCH(QString, list);
    QFETCH(QStringList, group);
    QFETCH(int, checked);
    ListPageFixture f;
    QVERIFY(f.Start(page.toLatin1().constData()));
    f.Load(lines);
    auto *rows = f.Find<QListWidget>(list);
    ClickRow(rows, 0);
    QTRY_COMPARE(QApplication::focusWidget(), rows);
    const QList<QRadioButton *> radios = RadiosNamed(f.window.get(), group);
    QVERIFY(radios.at(checked)->isChecked());
    const qint32 modeBefore = f.working.record(Cmd::lm, 1).value(1);

    QCOMPARE(TabIntoGroup(radios), radios.at(checked));
    // Space on the choice changes nothing.
    QTest::keyClick(radios.at(checked), Qt::Key_Space);
    QVERIFY(radios.at(checked)->isChecked());
    QCOMPARE(f.working.record(Cmd::lm, 1).value(1), modeBefore);
    // Down moves the choice to the next button, as a click on it does.
    QTest::keyClick(radios.at(checked), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), radios.at(checked + 1));
    QVERIFY(radios.at(checked + 1)->isChecked());
    QCOMPARE(f.working.record(Cmd::lm, 1).value(1), checked + 2);
    // Tab goes on past the group: its other buttons are no stops.
    QTest::keyClick(radios.at(checked + 1), Qt::Key_Tab);
    QVERIFY(!group.contains(QApplication::focusWidget()->objectName()));
}

void KeyboardTest::tabEntersASettingsRadioGroupOnItsChoice_data()
{
    QTest::addColumn<bool>("listMode");
    QTest::addColumn<int>("element2Kind");
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("afterDown");
    const QStringList modes{QStringLiteral("RadioButtonNormal"), QStringLiteral("RadioButtonList")};
    QStringList element2;
    for (int kind = 0; kind < 5; ++kind)
        element2 << QStringLiteral("RadioButtonMask2_%1").arg(kind);
    QTest::newRow("список") << true << 2 << modes << QStringLiteral("RadioButtonList")
                            << QStringLiteral("RadioButtonNormal");
    QTest::newRow("обычный") << false << 2 << modes << QStringLiteral("RadioButtonNormal")
                             << QStringLiteral("RadioButtonList");
    QTest::newRow("Элемент №2: Идентификатор")
        << false << 3 << element2 << QStringLiteral("RadioButtonMask2_3")
        << QStringLiteral("RadioButtonMask2_4");
    QTest::newRow("Элемент №2: Постфикс wraps")
        << false << 4 << element2 << QStringLiteral("RadioButtonMask2_4")
        << QStringLiteral("RadioButtonMask2_0");
}

void KeyboardTest::tabEntersASettingsRadioGroupOnItsChoice()
{
    QFETCH(bool, listMode);
    QFETCH(int, element2Kind);
    QFETCH(QStringList, group);
    QFETCH(QString, checked);
    QFETCH(QString, afterDown);
    QTemporaryDir dir;
    SettingsStore store(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
        dir.path() + u'/');
    ProgramSettings settings = store.Read();
    settings.listMode = listMode;
    settings.mask.kinds[1] = element2Kind;
    TDialogConfig dialog(settings, store);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QRadioButton *> radios = RadiosNamed(&dialog, group);
    auto *choice = dialog.findChild<QRadioButton *>(checked);
    QVERIFY(choice->isChecked());
    QCOMPARE(TabIntoGroup(radios), choice);
    QTest::keyClick(choice, Qt::Key_Space);
    QVERIFY(choice->isChecked());
    QTest::keyClick(choice, Qt::Key_Down);
    auto *next = dialog.findChild<QRadioButton *>(afterDown);
    QCOMPARE(QApplication::focusWidget(), next);
    QVERIFY(next->isChecked());
    QVERIFY(!choice->isChecked());
}

void KeyboardTest::upAndDownStepNumericFields_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("upDown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected"); // "max", "max-1", "min": from the up-down's range
    QTest::newRow("exit delay up") << QStringLiteral("TabMode") << QStringLiteral("UD_Mode_ExitDelay")
                                   << QStringLiteral("10") << int(Qt::Key_Up) << QStringLiteral("11");
    QTest::newRow("exit delay down") << QStringLiteral("TabMode") << QStringLiteral("UD_Mode_ExitDelay")
                                     << QStringLiteral("10") << int(Qt::Key_Down) << QStringLiteral("9");
    QTest::newRow("exit delay stays at its maximum")
        << QStringLiteral("TabMode") << QStringLiteral("UD_Mode_ExitDelay") << QStringLiteral("max")
        << int(Qt::Key_Up) << QStringLiteral("max");
    QTest::newRow("SIM attempts down at the minimum")
        << QStringLiteral("TabMode") << QStringLiteral("UD_Mode_SIM_CountConect") << QStringLiteral("min")
        << int(Qt::Key_Down) << QStringLiteral("min");
    QTest::newRow("duty delay") << QStringLiteral("TabRezervAndSignal")
                                << QStringLiteral("UD_Indic_DutyDelay") << QStringLiteral("3")
                                << int(Qt::Key_Up) << QStringLiteral("4");
    QTest::newRow("external indicator")
        << QStringLiteral("TabRezervAndSignal") << QStringLiteral("UD_Indic_ExtIndic")
        << QStringLiteral("max") << int(Qt::Key_Down) << QStringLiteral("max-1");
}

void KeyboardTest::upAndDownStepNumericFields()
{
    QFETCH(QString, page);
    QFETCH(QString, upDown);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, expected);
    ListPageFixture f;
    QVERIFY(f.Start(page.toLatin1().constData()));
    auto *ud = f.Find<UpDown>(upDown);
    QVERIFY(ud);
    QLineEdit *field = ud->associate();
    QVERIFY(field->isEnabled());
    const auto limit = [ud](const QString &text) {
        return text == u"max"     ? QString::number(ud->maximum())
               : text == u"max-1" ? QString::number(ud->maximum() - 1)
               : text == u"min"   ? QString::number(ud->minimum())
                                  : text;
    };
    QVERIFY(test::GiveFocus(field));
    field->selectAll();
    Type(field, limit(typed));
    QCOMPARE(field->text(), limit(typed));
    QTest::keyClick(field, Qt::Key(key));
    QCOMPARE(field->text(), limit(expected));
    QCOMPARE(QApplication::focusWidget(), field);
}

void KeyboardTest::labelClickSelectsTheFieldText_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");
    QTest::newRow("exit delay") << QStringLiteral("TabMode") << QStringLiteral("L_Mode_ExitDelay1")
                                << QStringLiteral("E_Mode_ExitDelay");
    QTest::newRow("exit delay, unit label")
        << QStringLiteral("TabMode") << QStringLiteral("L_Mode_ExitDelay2")
        << QStringLiteral("E_Mode_ExitDelay");
    QTest::newRow("password") << QStringLiteral("TabCommon") << QStringLiteral("L_Common_Password")
                              << QStringLiteral("E_Common_Password");
}

void KeyboardTest::labelClickSelectsTheFieldText()
{
    QFETCH(QString, page);
    QFETCH(QString, label);
    QFETCH(QString, field);
    ListPageFixture f;
    QVERIFY(f.Start(page.toLatin1().constData()));
    auto *edit = f.Find<QLineEdit>(field);
    edit->setText(QStringLiteral("10"));
    auto *caption = f.Find<QLabel>(label);
    QTest::mouseClick(caption, Qt::LeftButton, Qt::NoModifier, caption->rect().center());
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    Type(edit, QStringLiteral("25"));
    QCOMPARE(edit->text(), QStringLiteral("25"));
}

void KeyboardTest::fileListByKeyboard_data()
{
    QTest::addColumn<QString>("escapeFrom"); // where Esc is pressed
    QTest::newRow("the list") << QStringLiteral("ListFileConfig");
    QTest::newRow("Отменить") << QStringLiteral("B_CancelOpenList");
    QTest::newRow("Открыть файл") << QStringLiteral("B_OpenLIst");
    QTest::newRow("Выбрать файл") << QStringLiteral("B_OpenDirectly");
}

void KeyboardTest::fileListByKeyboard()
{
    QFETCH(QString, escapeFrom);
    EditorFixture f;
    QTemporaryDir folder;
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("a.ini")), "oa-Plain\r\n"));
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("b.ini")), "oa-Other\r\n"));
    QVERIFY(f.ShowActive());
    f.window->settings().listMode = true;
    f.window->settings().listPath = WithTrailingSeparator(folder.path());
    QVERIFY(test::GiveFocus(f.window->Buttons().open));
    QTest::keyClick(f.window->Buttons().open, Qt::Key_Return);
    QTableWidget *list = f.window->FileList()->ListFileConfig();
    QTRY_VERIFY(list->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), list);
    // Yellow while focused.
    QVERIFY(test::YellowPixels(list->viewport()) > 1000);
    const QString chosen = f.window->FileList()->SelectedFileName();
    // Tab leaves the list for its buttons without changing the chosen file, and reaches the manual
    // choice; the list is no longer yellow.
    QList<QWidget *> reached = test::TabCycle();
    QCOMPARE(f.window->FileList()->SelectedFileName(), chosen);
    QVERIFY(reached.contains(f.window->findChild<QWidget *>(QStringLiteral("B_OpenDirectly"))));
    QVERIFY(reached.contains(f.window->FileList()->B_CancelOpenList()));
    QVERIFY(reached.contains(list));
    QVERIFY(test::GiveFocus(f.window->FileList()->B_OpenLIst()));
    QCOMPARE(test::YellowPixels(list->viewport()), 0);

    QWidget *target = f.window->findChild<QWidget *>(escapeFrom);
    QVERIFY(test::GiveFocus(target));
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QVERIFY(f.window->PagesParam()->isVisible());
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
