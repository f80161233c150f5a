// Trying the modes of a loop or a relay, by the arrow keys or by the mouse, leaves no trace: the file
// saved holds what a single click on the mode the item ends with would have saved. The zones, which
// the window never shows, a delay and a key's alias are the side effects that browsing used to leave.
#include "user_input.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

using namespace orva;
using namespace orva::test;

namespace {

// Loop 1 "охранный с задержкой" with 180 s in zone 2 (which lists it alone) and zone 1 listing the
// other three; relay 1 "SMS" in zones 2 and 3; key 2 a plain key with a 10-character alias.
const QStringList Lines = {
    QStringLiteral("ks1-K"),     QStringLiteral("lm1-1.180"),
    QStringLiteral("zn1-2,3,4"), QStringLiteral("zn2-1"),
    QStringLiteral("zn3-"),      QStringLiteral("rm1-0.90"),
    QStringLiteral("rz1-2,3"),   QStringLiteral("ua02-ABCDEFGHIJ"),
};

struct Page
{
    QString tab, list, group;
};
const Page Loops{QStringLiteral("TabShleifs"), QStringLiteral("L_Shleif_Shleifs"),
                 QStringLiteral("GB_Shleif_Type")};
const Page Relays{QStringLiteral("TabRele"), QStringLiteral("L_Rele_Reles"),
                  QStringLiteral("GroupBoxReleMode")};

// The page's mode buttons, top to bottom.
QList<QRadioButton *> ModeButtons(EditorFixture &f, const Page &page)
{
    QList<QRadioButton *> buttons =
        Find<QWidget>(*f.window, page.group)->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    std::sort(buttons.begin(), buttons.end(),
              [](QRadioButton *a, QRadioButton *b) { return a->y() < b->y(); });
    return buttons;
}

QRadioButton *Ticked(const QList<QRadioButton *> &buttons)
{
    for (QRadioButton *button : buttons) {
        if (button->isChecked())
            return button;
    }
    return nullptr;
}

// A window with the lines opened, on the page, its first item selected by a click.
bool OpenOnFirstItem(EditorFixture &f, const Page &page)
{
    if (!StartWithLines(f, Lines) || !ClickTab(f, page.tab))
        return false;
    ClickRow(Find<QListWidget>(*f.window, page.list), 0);
    return Ticked(ModeButtons(f, page)) != nullptr;
}

enum class Way { Click, Arrows, MouseTour, ThereAndBack, Untouched };

// Saves after reaching the mode button `target` the given way; returns the saved lines.
QStringList SavedAfter(const Page &page, const QString &target, Way way)
{
    EditorFixture f;
    if (!OpenOnFirstItem(f, page))
        return {QStringLiteral("not opened")};
    const QList<QRadioButton *> buttons = ModeButtons(f, page);
    QRadioButton *origin = Ticked(buttons);
    QRadioButton *goal = Find<QRadioButton>(*f.window, target);
    switch (way) {
    case Way::Click:
        ClickButton(goal);
        break;
    case Way::Arrows: {
        // The ticked button takes the focus by a click (it stays ticked), then the arrows walk.
        ClickButton(origin);
        const Qt::Key key = buttons.indexOf(goal) > buttons.indexOf(origin) ? Qt::Key_Down : Qt::Key_Up;
        for (int step = 0; step < buttons.size() && !goal->isChecked(); ++step)
            QTest::keyClick(QApplication::focusWidget(), key);
        break;
    }
    case Way::MouseTour:
        for (QRadioButton *button : buttons)
            ClickButton(button);
        ClickButton(goal);
        break;
    case Way::ThereAndBack:
        ClickButton(goal);
        ClickButton(origin);
        break;
    case Way::Untouched:
        break;
    }
    if (way != Way::ThereAndBack && way != Way::Untouched && !goal->isChecked())
        return {QStringLiteral("mode not reached")};
    return SaveLines(f);
}

} // namespace

class ModeBrowsingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyWayEqualsOneClick_data();
    void everyWayEqualsOneClick();
    void loopWalkedDownToFixedDelayKeepsItsZone();
    void relayWalkedUpPastTheLockKeepsItsZones();
    void keyTypeWalkedPastPatrolKeepsTheAlias();
};

void ModeBrowsingTest::everyWayEqualsOneClick_data()
{
    QTest::addColumn<bool>("loops");
    QTest::addColumn<QString>("target");
    for (const bool loops : {true, false}) {
        EditorFixture f;
        QVERIFY(OpenOnFirstItem(f, loops ? Loops : Relays));
        for (QRadioButton *button : ModeButtons(f, loops ? Loops : Relays))
            QTest::addRow("%s", qPrintable(button->objectName())) << loops << button->objectName();
    }
}

void ModeBrowsingTest::everyWayEqualsOneClick()
{
    QFETCH(bool, loops);
    QFETCH(QString, target);
    const Page &page = loops ? Loops : Relays;
    const QStringList clicked = SavedAfter(page, target, Way::Click);
    QVERIFY2(clicked.size() > 1, qPrintable(clicked.join(u' ')));
    QCOMPARE(SavedAfter(page, target, Way::Arrows), clicked);
    QCOMPARE(SavedAfter(page, target, Way::MouseTour), clicked);
    QCOMPARE(SavedAfter(page, target, Way::ThereAndBack), SavedAfter(page, target, Way::Untouched));
}

void ModeBrowsingTest::loopWalkedDownToFixedDelayKeepsItsZone()
{
    const QStringList saved = SavedAfter(Loops, QStringLiteral("RB_Shleif_Fixed"), Way::Arrows);
    QCOMPARE(LinesOf(saved, QStringLiteral("zn1")), QStringList{QStringLiteral("zn1-2,3,4")});
    QCOMPARE(LinesOf(saved, QStringLiteral("zn2")), QStringList{QStringLiteral("zn2-1")});
    QCOMPARE(LinesOf(saved, QStringLiteral("lm1")), QStringList{QStringLiteral("lm1-16.180")});
}

void ModeBrowsingTest::relayWalkedUpPastTheLockKeepsItsZones()
{
    EditorFixture f;
    QVERIFY(OpenOnFirstItem(f, Relays));
    const QList<QRadioButton *> buttons = ModeButtons(f, Relays);
    QRadioButton *lock = Find<QRadioButton>(*f.window, QStringLiteral("RB_ReleLocker"));
    QRadioButton *origin = Ticked(buttons);
    // From "SMS", the first mode, Up goes round to the lock, the last, and on past it.
    QCOMPARE(origin, buttons.constFirst());
    QCOMPARE(lock, buttons.constLast());
    ClickButton(origin);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QVERIFY(lock->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QVERIFY(buttons.at(buttons.size() - 2)->isChecked());
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("rz1")), QStringList{QStringLiteral("rz1-2,3")});
}

void ModeBrowsingTest::keyTypeWalkedPastPatrolKeepsTheAlias()
{
    EditorFixture f;
    QVERIFY(StartWithLines(f, Lines));
    QVERIFY(ClickTab(f, QStringLiteral("TabKeys")));
    auto *type = Find<QComboBox>(*f.window, QStringLiteral("CB_Key_Type2"));
    QVERIFY(type);
    type->setFocus();
    // Down through every type, then back up to the plain key.
    for (int step = 1; step < type->count(); ++step)
        QTest::keyClick(type, Qt::Key_Down);
    for (int step = 1; step < type->count(); ++step)
        QTest::keyClick(type, Qt::Key_Up);
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("ua02")), QStringList{QStringLiteral("ua02-ABCDEFGHIJ.")});
}

QTEST_MAIN(ModeBrowsingTest)
#include "tst_mode_browsing.moc"
