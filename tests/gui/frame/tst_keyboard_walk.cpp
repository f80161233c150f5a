// A keyboard and screen-reader user's walk through the editor and its dialogs: every control Tab reaches
// is named for a screen reader, turns yellow while it has the focus and looks as before once left; the
// hidden pages can be reached neither by Ctrl+Tab nor through the accessibility tree.
#include "editor_fixture.h"
#include "keyboard_walk.h"

#include "config_text/text_utils.h"
#include "dialogs/config_dialog.h"
#include "dialogs/error_message.h"
#include "dialogs/key_dialog.h"
#include "dialogs/logical_disks.h"
#include "dialogs/ok_message.h"
#include "dialogs/path_tree.h"
#include "storage/config_file.h"
#include "storage/program_settings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace orva::test;

namespace {

bool TakesTabFocus(const QWidget *w)
{
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

// Walks the window's Tab chain once from where the focus is and checks every control it reaches. The
// failures are collected with the control's name and the place, so one run shows all of them.
QStringList WalkAndCheck(QWidget *window, const QString &where)
{
    QStringList failures;
    QHash<QWidget *, int> untouched; // yellow pixels of each control before the walk
    const auto all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (TakesTabFocus(w) && w->window() == window)
            untouched.insert(w, FocusLookPixels(w));
    }
    if (!QApplication::focusWidget())
        QTest::keyClick(window, Qt::Key_Tab);

    QList<QWidget *> reached;
    QHash<QString, QString> names; // accessible name -> object name
    for (int step = 0; step < 300; ++step) {
        QPointer<QWidget> from = QApplication::focusWidget();
        if (!from)
            break;
        QTest::keyClick(from, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        // The control that had the focus when the walk began shows its unfocused look only now.
        if (step == 0 && from && untouched.contains(from))
            untouched.insert(from, FocusLookPixels(from));
        // The control just left looks as it did before the walk.
        if (step > 0 && from && untouched.contains(from) && FocusLookPixels(from) != untouched.value(from))
            failures << where + u": " + from->objectName() + u" keeps the focus colour after Tab";
        if (!now || reached.contains(now))
            break;
        reached.append(now);
        const QString id = now->objectName().isEmpty() ? QString::fromLatin1(now->metaObject()->className())
                                                       : now->objectName();
        const QString name = AccessibleName(now);
        if (name.trimmed().isEmpty())
            failures << where + u": " + id + u" has no accessible name";
        else if (names.contains(name))
            failures << where + u": " + id + u" has the name \"" + name + u"\" of " + names.value(name);
        else
            names.insert(name, id);
        if (ShowsFocusColour(now) && FocusLookPixels(now) < untouched.value(now) + 20)
            failures << where + u": " + id + u" is not yellow while it has the focus";
    }
    if (reached.size() < 2)
        failures << where + u": Tab reached " + QString::number(reached.size()) + u" controls";
    return failures;
}

// Every accessible object of the window's tree.
void CollectObjects(QAccessibleInterface *face, QList<QObject *> &objects, QStringList &pageTabs,
                    int depth = 0)
{
    if (!face || depth > 60)
        return;
    objects.append(face->object());
    if (face->role() == QAccessible::PageTab)
        pageTabs.append(face->text(QAccessible::Name));
    for (int i = 0; i < face->childCount(); ++i)
        CollectObjects(face->child(i), objects, pageTabs, depth + 1);
}

bool ShowAndActivate(QWidget *dialog)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    return QTest::qWaitForWindowActive(dialog);
}

} // namespace

class KeyboardWalkTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyPageByTab();
    void pageControlsComeBeforeTheButtons();
    void ctrlTabLeavesAComboBox();
    void hiddenPagesStayHidden_data();
    void hiddenPagesStayHidden();
    void everyDialogByTab();
    void screenReaderTexts();
    void learnedKeyFieldLooksUntouchedAfterItsRow();
};

void KeyboardWalkTest::everyPageByTab()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *tabs = f.window->PagesParam();
    QStringList failures;
    for (int page = 0; page < tabs->count(); ++page) {
        if (page > 0) {
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : tabs;
            QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
        }
        QCOMPARE(tabs->currentIndex(), page);
        failures << WalkAndCheck(f.window.get(), tabs->tabText(page));
    }
    for (const QString &failure : std::as_const(failures))
        qWarning("%s", qPrintable(failure));
    QVERIFY2(failures.isEmpty(), qPrintable(QString::number(failures.size()) + QStringLiteral(" failures")));
}

// From the tab bar, Tab passes every control of the current page before it reaches the bottom buttons,
// also the rows and boxes a page builds after the window, and the "-debug" text buffer, which Tab
// leaves as it leaves every other field.
void KeyboardWalkTest::pageControlsComeBeforeTheButtons()
{
    EditorFixture f({QStringLiteral("-debug")});
    QVERIFY(f.ShowActive());
    QTabWidget *tabs = f.window->PagesParam();
    const QList<QWidget *> buttons = {f.window->Buttons().open,         f.window->Buttons().print,
                                      f.window->Buttons().saveToDevice, f.window->Buttons().save,
                                      f.window->Buttons().defaults,     f.window->Buttons().config};
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QWidget *tab = tabs->widget(page);
        tabs->tabBar()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(tabs->tabBar()));
        QList<QWidget *> reached;
        for (int step = 0; step < 200; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            if (buttons.contains(now))
                break;
            QVERIFY2(tab->isAncestorOf(now),
                     qPrintable(tabs->tabText(page) + QStringLiteral(": Tab reached ") + now->objectName() +
                                QStringLiteral(" before the buttons")));
            if (reached.contains(now))
                break;
            reached.append(now);
        }
        QCOMPARE(QApplication::focusWidget(), buttons.first());
        const auto controls = tab->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (TakesTabFocus(control) && !control->focusProxy() &&
                !qobject_cast<QWidget *>(control->parent())->focusProxy() &&
                control->window() == f.window.get() && !reached.contains(control) &&
                !qobject_cast<QAbstractButton *>(control))
                QVERIFY2(false, qPrintable(tabs->tabText(page) + QStringLiteral(": Tab never reaches ") +
                                           control->objectName()));
        }
    }
}

// Ctrl+Tab and Ctrl+Shift+Tab change the page from a combo box as from any control, and the combo box
// keeps its item (it would take the Tab as a typed character and search its items for it).
void KeyboardWalkTest::ctrlTabLeavesAComboBox()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *tabs = f.window->PagesParam();
    int combos = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        const auto boxes = tabs->widget(page)->findChildren<QComboBox *>();
        for (QComboBox *box : boxes) {
            tabs->setCurrentIndex(page);
            if (!box->isVisible() || !box->isEnabled())
                continue;
            for (const bool back : {false, true}) {
                tabs->setCurrentIndex(page);
                box->setFocus(Qt::TabFocusReason);
                QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
                const int item = box->currentIndex();
                QTest::keyClick(box, Qt::Key_Tab,
                                back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
                QCOMPARE(tabs->currentIndex(), (page + (back ? tabs->count() - 1 : 1)) % tabs->count());
                QCOMPARE(box->currentIndex(), item);
                QVERIFY(!box->view()->isVisible());
            }
            ++combos;
        }
    }
    QVERIFY(combos >= 15);
}

void KeyboardWalkTest::hiddenPagesStayHidden_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("debug");
    QTest::newRow("plain") << QStringList{} << false;
    QTest::newRow("-debug") << QStringList{QStringLiteral("-debug")} << true;
}

void KeyboardWalkTest::hiddenPagesStayHidden()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, debug);
    EditorFixture f(arguments);
    QVERIFY(f.ShowActive());
    QTabWidget *tabs = f.window->PagesParam();
    QStringList shown;
    for (int i = 0; i < tabs->count(); ++i)
        shown << tabs->widget(i)->objectName();
    QVERIFY(!shown.contains(QStringLiteral("TabZone")));
    QCOMPARE(shown.contains(QStringLiteral("TabDebug")), debug);
    QCOMPARE(shown.constLast(), debug ? QStringLiteral("TabDebug") : QStringLiteral("TabGPRS"));

    // Ctrl+Tab and Ctrl+Shift+Tab from every page reach its neighbours in the tab bar, wrapping.
    const int count = tabs->count();
    for (int page = 0; page < count; ++page) {
        for (const bool back : {false, true}) {
            tabs->setCurrentIndex(page);
            tabs->widget(page)->setFocus();
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : tabs;
            QTest::keyClick(focus, Qt::Key_Tab,
                            back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), (page + (back ? count - 1 : 1)) % count);
        }
    }

    // The accessibility tree holds neither page, nor anything on them, nor their tabs.
    QList<QObject *> objects;
    QStringList pageTabs;
    CollectObjects(QAccessible::queryAccessibleInterface(f.window.get()), objects, pageTabs);
    QWidget *zone = f.window->Page(PageSlot::Zone)->tab();
    QWidget *text = f.window->Memo1()->parentWidget();
    for (QObject *object : std::as_const(objects)) {
        auto *w = qobject_cast<QWidget *>(object);
        QVERIFY(!w || (w != zone && !zone->isAncestorOf(w)));
        if (!debug)
            QVERIFY(!w || (w != text && !text->isAncestorOf(w)));
    }
    QVERIFY(!pageTabs.contains(QStringLiteral("Разделы")));
    QCOMPARE(pageTabs.contains(QStringLiteral("Текст")), debug);
    QCOMPARE(pageTabs.size(), count);
}

void KeyboardWalkTest::everyDialogByTab()
{
    QStringList failures;
    QTemporaryDir dir;
    {
        ProgramSettings settings;
        SettingsStore store(
            std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
            dir.path() + u'/');
        settings = store.Read();
        settings.listMode = true; // the folder field and its button take part
        TDialogConfig dialog(settings, store);
        QVERIFY(ShowAndActivate(&dialog));
        failures << WalkAndCheck(&dialog, QStringLiteral("Параметры работы"));
    }
    {
        TFormDialogSetKeyConfig dialog;
        QVERIFY(ShowAndActivate(&dialog));
        failures << WalkAndCheck(&dialog, QStringLiteral("Ключ"));
    }
    {
        TFormLogicalDisks dialog;
        dialog.SetDiskSource(
            std::make_unique<GivenDisks>(QList<RemovableDisk>{{dir.path() + u'/', QStringLiteral("E")}}));
        QVERIFY(ShowAndActivate(&dialog));
        failures << WalkAndCheck(&dialog, QStringLiteral("Выбор диска"));
    }
    {
        TFormSelectPathTree dialog;
        dialog.SetChosenPath(dir.path());
        QVERIFY(ShowAndActivate(&dialog));
        failures << WalkAndCheck(&dialog, QStringLiteral("Выбор папки"));
    }
    {
        TFormErrorMessage box;
        box.SetMessages(QStringLiteral("Ошибка открытия файла"), QStringLiteral("Проверьте наличие файла"),
                        true, true);
        QVERIFY(ShowAndActivate(&box));
        failures << WalkAndCheck(&box, QStringLiteral("Ошибка"));
    }
    {
        TFormOkMessage box;
        box.SetMessages(QStringLiteral("Вопрос"), QStringLiteral("Вторая строка"), true);
        QVERIFY(ShowAndActivate(&box));
        failures << WalkAndCheck(&box, QStringLiteral("Сообщение"));
    }
    for (const QString &failure : std::as_const(failures))
        qWarning("%s", qPrintable(failure));
    QVERIFY2(failures.isEmpty(), qPrintable(QString::number(failures.size()) + QStringLiteral(" failures")));
}

// The identifier and address fields are read as shown, combo boxes by their name with their value, a
// learned key as such.
void KeyboardWalkTest::screenReaderTexts()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    const QStringList lines{QStringLiteral("gi-0000000012AB"), QStringLiteral("ua01-Door1     .********"),
                            QStringLiteral("ua02-Boss      .")};
    LoadConfigurationText(NormalizeLineBreaks(QString(lines.join(u'\n') + u'\n')), f.working);
    f.window->Redraw_All();
    const auto value = [&f](const char *name) {
        QWidget *w = f.window->findChild<QWidget *>(QString::fromLatin1(name));
        QAccessibleInterface *face = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        return face ? face->text(QAccessible::Value) : QStringLiteral("(none)");
    };
    const auto text = [&f](const char *name, QAccessible::Text which) {
        QWidget *w = f.window->findChild<QWidget *>(QString::fromLatin1(name));
        QAccessibleInterface *face = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        return face ? face->text(which) : QStringLiteral("(none)");
    };
    QCOMPARE(value("E_GPRS_Ident"), QStringLiteral("0000-0000-12AB"));
    auto *server = f.window->findChild<QLineEdit *>(QStringLiteral("E_GPRS_Server1"));
    QCOMPARE(value("E_GPRS_Server1"), server->displayText());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{3}\\.\\d{3}\\.\\d{3}\\.\\d{3}$"))
                .match(value("E_GPRS_Server1"))
                .hasMatch());
    QCOMPARE(text("E_GPRS_Key2", QAccessible::Name), QStringLiteral("Ключ шифрации, часть 2"));

    auto *type = f.window->findChild<QComboBox *>(QStringLiteral("CB_Key_Type4"));
    QCOMPARE(text("CB_Key_Type4", QAccessible::Name), QStringLiteral("Ключ 4: тип"));
    QCOMPARE(value("CB_Key_Type4"), type->currentText());
    QCOMPARE(text("E_Key_Code1", QAccessible::Name), QStringLiteral("Ключ 1: код"));
    QCOMPARE(text("E_Key_Code1", QAccessible::Description), QStringLiteral("ключ обучен"));
    QCOMPARE(text("E_Key_Code2", QAccessible::Description), QStringLiteral("ключ не обучен"));
    QCOMPARE(text("UD_Mode_ExitDelay", QAccessible::Name),
             text("E_Mode_ExitDelay", QAccessible::Name) + QStringLiteral(": изменить"));
    QCOMPARE(text("E_Mode_ExitDelay", QAccessible::Name), QStringLiteral("Задержка на выход (1..180)"));
}

// A key row's code field takes the row's colour while the row has the focus and looks exactly as before
// once the focus has left the row (a disabled field keeps its grey).
void KeyboardWalkTest::learnedKeyFieldLooksUntouchedAfterItsRow()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    LoadConfigurationText(NormalizeLineBreaks(QStringLiteral("ua01-Door1     .********\n")), f.working);
    f.window->Redraw_All();
    f.window->PagesParam()->setCurrentWidget(f.window->findChild<QWidget *>(QStringLiteral("TabKeys")));
    auto *code = f.window->findChild<QLineEdit *>(QStringLiteral("E_Key_Code1"));
    auto *name = f.window->findChild<QLineEdit *>(QStringLiteral("E_Key_Name1"));
    const QImage untouched = code->grab().toImage();
    QVERIFY(GiveFocus(name));
    QVERIFY(code->grab().toImage() != untouched);
    QTest::keyClick(name, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!name->hasFocus());
    QCOMPARE(code->grab().toImage(), untouched);
}

QTEST_MAIN(KeyboardWalkTest)
#include "tst_keyboard_walk.moc"
