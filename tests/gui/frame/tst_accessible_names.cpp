// Every control a user can reach on a page has an accessible name, and no two controls of a page share
// one: a screen reader tells them apart by it.
#include "editor_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

using namespace orva;

class AccessibleNamesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void uniqueOnEveryPage();
    void gprsControlsSayWhatTheyAre();
    void comboBoxesGiveTheirItem();
};

void AccessibleNamesTest::uniqueOnEveryPage()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *pages = f.window->PagesParam();
    QStringList faults;
    for (int index = 0; index < pages->count(); ++index) {
        QWidget *page = pages->widget(index);
        QHash<QString, QString> seen; // name -> objectName of the first control with it
        const QList<QWidget *> controls = page->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (control->focusPolicy() == Qt::NoFocus || control->isWindow() ||
                control->objectName().isEmpty() || !control->isVisibleTo(page))
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            if (!accessible)
                continue;
            const QString name = accessible->text(QAccessible::Name);
            if (name.trimmed().isEmpty()) {
                faults << QStringLiteral("%1: %2 has no name").arg(page->objectName(), control->objectName());
                continue;
            }
            if (seen.contains(name)) {
                faults << QStringLiteral("%1: %2 and %3 are both \"%4\"")
                              .arg(page->objectName(), seen.value(name), control->objectName(), name);
                continue;
            }
            seen.insert(name, control->objectName());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    // The names that said something else than their control.
    const auto nameOf = [&f](const char *control) {
        QWidget *widget = f.window->findChild<QWidget *>(QString::fromLatin1(control));
        return widget ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nameOf("RB_Mode_SIMSymmetr"), QStringLiteral("Режим выбора SIM-карты: симметричный"));
    QCOMPARE(nameOf("CB_GPRS_Active"), QStringLiteral("Активность GPRS"));
    QCOMPARE(nameOf("E_GPRS_Port3"), QStringLiteral("порт сервера №3 SIM-карты №1"));
    QCOMPARE(nameOf("E_GPRS_Port4"), QStringLiteral("порт сервера №1 SIM-карты №2"));
}

// The "=" box and the port fields are announced by what they are, not by their captions alone.
void AccessibleNamesTest::gprsControlsSayWhatTheyAre()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    const auto nameOf = [&](const char *control) {
        auto *w = f.window->findChild<QWidget *>(QString::fromLatin1(control));
        return w ? QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nameOf("CB_GPRS_Equal"), QStringLiteral("адреса SIM-карты №2 как у SIM-карты №1"));
    QCOMPARE(nameOf("E_GPRS_Port2"), QStringLiteral("порт сервера №2 SIM-карты №1"));
    QCOMPARE(nameOf("E_GPRS_Port4"), QStringLiteral("порт сервера №1 SIM-карты №2"));
}

// A combo box is announced by its name, and its current item reaches a screen reader as its text and as
// the selected item of its one child, a list; both follow the item the user picks with the keyboard.
void AccessibleNamesTest::comboBoxesGiveTheirItem()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *pages = f.window->PagesParam();
    pages->setCurrentWidget(f.window->findChild<QWidget *>(QStringLiteral("TabShleifs")));
    auto *combo = f.window->findChild<QComboBox *>(QStringLiteral("CB_Shleif_AlarmRepeat"));
    QVERIFY(combo);
    combo->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(combo));
    for (int step = 0; step < 2; ++step) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(combo);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Число повторов тревог по каждому шлейфу"));
        QAccessibleTextInterface *text = face->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), combo->currentText());
        QCOMPARE(face->childCount(), 1);
        QAccessibleInterface *list = face->child(0);
        QVERIFY(list && list->role() == QAccessible::List);
        QStringList selected;
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->state().selected)
                selected << list->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(selected, QStringList{combo->currentText()});
        QTest::keyClick(combo, Qt::Key_Down);
    }
}

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible_names.moc"
