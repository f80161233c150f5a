// The phone pages' tick boxes as the window system delivers a double click: on "GSM-дозвон" a double
// click on a phone's tick box whose first click makes a list appear or vanish under the pointer, and on
// "SMS-К" a double click on a phone's only key box. Every case ends with "Сохранить" and the saved lines.
#include "user_input.h"

#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>

using namespace orva;
using namespace orva::test;

namespace {

const QString FileKey = QStringLiteral("ks1-k");

// Nine dial phones: two of each call without connection, three connected.
const QStringList NineInUse = {
    QStringLiteral("dn1-7.+71"), QStringLiteral("dn2-7.+72"), QStringLiteral("dn3-6.+73"),
    QStringLiteral("dn4-6.+74"), QStringLiteral("dn5-5.+75"), QStringLiteral("dn6-5.+76"),
    QStringLiteral("dn7-1.+77"), QStringLiteral("dn8-2.+78"), QStringLiteral("dn9-3.+79"),
};

// Eight of them in use; the last one free.
QStringList OneFree()
{
    QStringList lines = NineInUse;
    lines.last() = QStringLiteral("dn9-.");
    return lines;
}

// The lines of a command code, in order of their entry numbers.
QStringList SortedLines(EditorFixture &f, const QString &code)
{
    QStringList lines = LinesOf(SaveLines(f), code);
    lines.sort();
    return lines;
}

// What one gesture on a dial list's tick box leaves: the saved dial lines (none when the save's check
// stops it), the texts of the three lists, the number field and the row selected in each list.
struct DialOutcome
{
    QStringList lines;
    QStringList texts;
    QString number;
    QList<int> selected;
};

DialOutcome TickBoxGesture(const QStringList &phones, const QString &list, int row, bool doubleClick)
{
    EditorFixture f;
    if (!StartWithLines(f, QStringList{FileKey} + phones) || !ClickTab(f, QStringLiteral("TabDialGSM")))
        return {};
    auto *box = Find<QListWidget>(*f.window, list);
    if (row >= box->count())
        return {};
    const QPoint at = TickCentre(box, row);
    if (doubleClick)
        DoubleClickInWindow(box->viewport(), at);
    else
        ClickInWindow(box->viewport(), at);
    DialOutcome outcome;
    outcome.number = Find<QLineEdit>(*f.window, QStringLiteral("EditGSM_PhoneNumber"))->text();
    for (const char *name : {"ListGSM_Free", "ListGSM_Dial", "ListGSM_Connect"}) {
        auto *l = Find<QListWidget>(*f.window, QString::fromLatin1(name));
        outcome.selected.append(l->selectedItems().isEmpty() ? -1 : l->row(l->selectedItems().first()));
        for (int i = 0; i < l->count(); ++i)
            outcome.texts.append(l->item(i)->text());
    }
    outcome.lines = SortedLines(f, QStringLiteral("dn"));
    return outcome;
}

} // namespace

class PhoneGesturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialDoubleClickActsOnce_data();
    void dialDoubleClickActsOnce();
    void onlyKeyTickedAgainKeepsItsNumber_data();
    void onlyKeyTickedAgainKeepsItsNumber();
};

void PhoneGesturesTest::dialDoubleClickActsOnce_data()
{
    QTest::addColumn<QStringList>("phones");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    const QString free = QStringLiteral("ListGSM_Free");
    const QString dial = QStringLiteral("ListGSM_Dial");
    const QString connect = QStringLiteral("ListGSM_Connect");
    // Unticking a phone of a full set makes the free list appear above the others.
    QTest::newRow("nine in use, first connected phone") << NineInUse << connect << 0;
    QTest::newRow("nine in use, last connected phone") << NineInUse << connect << 2;
    QTest::newRow("nine in use, first dial phone") << NineInUse << dial << 0;
    QTest::newRow("nine in use, last dial phone") << NineInUse << dial << 5;
    // Ticking the last free phone makes the free list vanish.
    QTest::newRow("one free, the free phone") << OneFree() << free << 0;
    QTest::newRow("one free, second dial phone") << OneFree() << dial << 1;
    QTest::newRow("one free, first connected phone") << OneFree() << connect << 0;
}

// A double click on a tick box changes that one phone once: exactly what a single click on the box does,
// whatever list the second press lands on once the first click rebuilt the lists.
void PhoneGesturesTest::dialDoubleClickActsOnce()
{
    QFETCH(QStringList, phones);
    QFETCH(QString, list);
    QFETCH(int, row);
    const DialOutcome once = TickBoxGesture(phones, list, row, false);
    const DialOutcome twice = TickBoxGesture(phones, list, row, true);
    QCOMPARE(once.texts.size(), 9);
    // A new dial phone has no number yet, and the save's check stops; otherwise one phone changed.
    if (list != QStringLiteral("ListGSM_Free")) {
        int changed = 0;
        for (int i = 0; i < phones.size() && once.lines.size() == phones.size(); ++i)
            changed += once.lines.at(i) == phones.at(i) ? 0 : 1;
        QCOMPARE(changed, 1);
    }

    QCOMPARE(twice.texts, once.texts);
    QCOMPARE(twice.lines, once.lines);
    QCOMPARE(twice.number, once.number);
    QCOMPARE(twice.selected, once.selected);
}

void PhoneGesturesTest::onlyKeyTickedAgainKeepsItsNumber_data()
{
    QTest::addColumn<bool>("doubleClick"); // else two clicks, one after the other
    QTest::newRow("double click") << true;
    QTest::newRow("unticked, then ticked again") << false;
}

// "SMS-К": the only key of a phone unticked and ticked again. The phone ends as it was, with its key and
// its number, shown and saved alike.
void PhoneGesturesTest::onlyKeyTickedAgainKeepsItsNumber()
{
    QFETCH(bool, doubleClick);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("su1-3.+7111")}));
    QVERIFY(ClickTab(f, QStringLiteral("TabSMSK")));
    ClickRow(Find<QListWidget>(*f.window, QStringLiteral("ListSMSK_Phones")), 0);
    auto *key = Find<QCheckBox>(*f.window, QStringLiteral("CheckBoxSMSK_03"));
    auto *field = Find<QLineEdit>(*f.window, QStringLiteral("EditSMSK_PhoneNumber"));
    QStyleOptionButton option;
    option.initFrom(key);
    const QPoint at = key->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, key).center();
    if (doubleClick) {
        DoubleClickInWindow(key, at);
    } else {
        ClickInWindow(key, at);
        QVERIFY(!key->isChecked());
        QVERIFY(!field->isEnabled());
        QCOMPARE(field->text(), QString());
        ClickInWindow(key, at);
    }
    QVERIFY(key->isChecked());
    QVERIFY(field->isEnabled());
    QCOMPARE(field->text(), QStringLiteral("+7111"));
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("su1")), QStringList{QStringLiteral("su1-3.+7111")});
}

QTEST_MAIN(PhoneGesturesTest)
#include "tst_phone_gestures.moc"
