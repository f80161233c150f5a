// The page "Ключи": the fifteen rows built at run time, the redraw from the stored aliases, alias and
// type changes stored at once (marks, the cut to 9 characters), the type box that ignores typing, the
// focus colouring of the row, and the hook through which the SMS-by-keys page hears of a new name.
#include "list_pages_support.h"

#include "device_model/vocabularies.h"
#include "pages/keys_page.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_colouring.h"
#include "widgets/key_type_box.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace orva;

namespace {

struct KeysFixture : ListPageFixture
{
    bool Start() { return ListPageFixture::Start("TabKeys"); }

    KeysPage *Page() const { return PageAs<KeysPage>(*window, PageSlot::Keys); }
    FieldEdit *Name(int key) const { return Page()->Row(key).name; }
    KeyTypeBox *TypeBox(int key) const { return Page()->Row(key).type; }
    QString Stored(int key) const { return working.record(Cmd::ua, key).text(1); }
    // The user picks a type with the keyboard: Home is the first item, End the last.
    void ChooseType(int key, Qt::Key which) const
    {
        TypeBox(key)->setFocus();
        QTest::keyClick(TypeBox(key), which);
    }
};

} // namespace

class KeysPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsBuiltAtRunTime();
    void redrawFromStoredAliases_data();
    void redrawFromStoredAliases();
    void plainAliasSwitchedToPatrolAndBack();
    void emptyAliasOfATypedKeyIsItsMark_data();
    void emptyAliasOfATypedKeyIsItsMark();
    void typingIntoTheTypeBoxChangesNothing();
    void aliasEditStoresAtOnceAndTellsTheSmsPage();
    void learnedKeyShowsAsterisks();
    void rowColouringFollowsTheFocus();
};

void KeysPageTest::rowsBuiltAtRunTime()
{
    KeysFixture f;
    QVERIFY(f.Start());
    for (int key = 1; key <= 15; ++key) {
        const KeysPage::KeyRow &row = f.Page()->Row(key);
        const int top = 46 + 26 * (key - 1);
        QCOMPARE(row.label->text(), QStringLiteral("Ключ №%1:").arg(key));
        QCOMPARE(row.label->geometry(), QRect(8, top, 121, 24));
        QCOMPARE(row.label->buddy(), row.name);
        QCOMPARE(row.name->objectName(), QStringLiteral("E_Key_Name%1").arg(key));
        QCOMPARE(row.name->geometry(), QRect(125, top, 124, 26));
        QCOMPARE(row.name->keyFilter(), KeyFilter::Text);
        QCOMPARE(row.type->geometry(), QRect(262, top, 330, 26));
        QCOMPARE(row.code->geometry(), QRect(600, top, 163, 26));
        QVERIFY(!row.code->isEnabled());
        QCOMPARE(row.code->echoMode(), QLineEdit::Password);
        for (int zone = 0; zone < 4; ++zone) {
            QVERIFY(!row.zones[zone]->isVisible());
            QVERIFY(!row.zoneLabels[zone]->isVisible());
            QCOMPARE(row.zoneLabels[zone]->buddy(), row.zones[zone]);
        }
    }
    const KeyTypeBox *box = f.TypeBox(1);
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->itemText(0), QStringLiteral("Постановка/Снятие"));
    QCOMPARE(box->itemText(1), QStringLiteral("Принуждение"));
    QCOMPARE(box->itemText(2), QStringLiteral("Патруль"));
    QVERIFY(f.Find<QLabel>("L_Key_Name")->isVisible());
    QVERIFY(f.Find<QLabel>("L_Key_Code")->isVisible());
    QVERIFY(!f.Find<QLabel>("L_Key_Zone")->isVisible());
    QVERIFY(!f.Find<QLabel>("L_Key_ZoneLabel3")->isVisible());
    // A click on the row label enters the alias.
    QTest::mouseClick(f.Page()->Row(7).label, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.Name(7));
}

void KeysPageTest::redrawFromStoredAliases_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("limit");
    QTest::newRow("duress, 10 characters")
        << QStringLiteral("ua05-!ABCDEFGHIJ.") << 1 << QStringLiteral("ABCDEFGHI")
        << QStringLiteral("!ABCDEFGHI") << 9;
    QTest::newRow("patrol, 9 characters") << QStringLiteral("ua05-*Обход_123.") << 2
                                          << QStringLiteral("Обход_123") << QStringLiteral("*Обход_123") << 9;
    QTest::newRow("plain") << QStringLiteral("ua05-Gate.") << 0 << QStringLiteral("Gate")
                           << QStringLiteral("Gate") << 10;
    // A longer plain alias from a file is shown and kept whole.
    QTest::newRow("plain, 12 characters")
        << QStringLiteral("ua05-ABCDEFGHIJKL.") << 0 << QStringLiteral("ABCDEFGHIJKL")
        << QStringLiteral("ABCDEFGHIJKL") << 10;
}

void KeysPageTest::redrawFromStoredAliases()
{
    QFETCH(QString, line);
    QFETCH(int, type);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(int, limit);
    KeysFixture f;
    QVERIFY(f.Start());
    f.Load({line});
    QCOMPARE(f.TypeBox(5)->currentIndex(), type);
    QCOMPARE(HighlightedColour(f.TypeBox(5)), KeysPage::GetColorKeyType(type));
    QCOMPARE(f.Name(5)->text(), shown);
    QCOMPARE(f.Name(5)->typingLimit(), limit);
    QCOMPARE(f.Stored(5), stored);
    // A second load of the same file finds the text in the field already and stores the same form.
    f.Load({line});
    QCOMPARE(f.Stored(5), stored);
}

void KeysPageTest::plainAliasSwitchedToPatrolAndBack()
{
    KeysFixture f;
    QVERIFY(f.Start());
    f.Name(2)->setFocus();
    Type(f.Name(2), QStringLiteral("ABCDEFGHIJK"));
    // Typing stops at 10 characters for a plain key.
    QCOMPARE(f.Stored(2), QStringLiteral("ABCDEFGHIJ"));
    f.ChooseType(2, Qt::Key_End);
    QCOMPARE(f.TypeBox(2)->currentIndex(), 2);
    QCOMPARE(f.Name(2)->text(), QStringLiteral("ABCDEFGHI"));
    QCOMPARE(f.Name(2)->typingLimit(), 9);
    QCOMPARE(f.Stored(2), QStringLiteral("*ABCDEFGHI"));
    QCOMPARE(KeyType(f.working, 2), 2);
    // Back to a plain key, the alias is whole again: passing a type loses no character.
    f.ChooseType(2, Qt::Key_Home);
    QCOMPARE(f.Name(2)->text(), QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(f.Stored(2), QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(f.Name(2)->typingLimit(), 10);
    // What the user types after the type was chosen is what a later change of type starts from.
    f.ChooseType(2, Qt::Key_End);
    f.Name(2)->setFocus();
    f.Name(2)->end(false);
    QTest::keyClick(f.Name(2), Qt::Key_Backspace);
    Type(f.Name(2), QStringLiteral("Z"));
    QCOMPARE(f.Stored(2), QStringLiteral("*ABCDEFGHZ"));
    f.ChooseType(2, Qt::Key_Home);
    QCOMPARE(f.Stored(2), QStringLiteral("ABCDEFGHZ"));
}

void KeysPageTest::emptyAliasOfATypedKeyIsItsMark_data()
{
    QTest::addColumn<int>("presses"); // Down presses from "Постановка/Снятие"
    QTest::addColumn<QString>("stored");
    QTest::newRow("Принуждение") << 1 << QStringLiteral("!");
    QTest::newRow("Патруль") << 2 << QStringLiteral("*");
}

void KeysPageTest::emptyAliasOfATypedKeyIsItsMark()
{
    QFETCH(int, presses);
    QFETCH(QString, stored);
    KeysFixture f;
    QVERIFY(f.Start());
    f.TypeBox(9)->setFocus();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(f.TypeBox(9), Qt::Key_Down);
    QCOMPARE(f.Stored(9), stored);
    QCOMPARE(KeyType(f.working, 9), presses);
}

void KeysPageTest::typingIntoTheTypeBoxChangesNothing()
{
    KeysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("ua04-!Boss.")});
    KeyTypeBox *box = f.TypeBox(4);
    box->setFocus();
    // Letters that start other items, and the blank that would open the list.
    Type(box, QStringLiteral("ППпп  ppP"));
    QTest::keyClicks(box, QStringLiteral("PPpp"));
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(f.Stored(4), QStringLiteral("!Boss"));
    QVERIFY(!box->view()->isVisible());
}

void KeysPageTest::aliasEditStoresAtOnceAndTellsTheSmsPage()
{
    KeysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("ua11-*Night.")});
    QSignalSpy spy(f.Page(), &KeysPage::KeyNameChanged);
    f.Name(11)->setFocus();
    f.Name(11)->selectAll();
    Type(f.Name(11), QStringLiteral("Ночь"));
    QCOMPARE(f.Stored(11), QStringLiteral("*Ночь"));
    QCOMPARE(KeyDisplayName(f.working, 11), QStringLiteral("Ночь (патруль)"));
    QVERIFY(!spy.isEmpty());
    for (const QList<QVariant> &call : spy)
        QCOMPARE(call.at(0).toInt(), 11);
    // Nothing is left for the store step.
    T_Command_DEVICE before;
    before = f.working;
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::ua, 11).text(1), before.record(Cmd::ua, 11).text(1));
}

void KeysPageTest::learnedKeyShowsAsterisks()
{
    KeysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("ua03-Door.A1B2C3D4E5F6")});
    const QLineEdit *learned = f.Page()->Row(3).code;
    QCOMPARE(learned->text(), f.working.record(Cmd::ua, 3).text(2));
    QVERIFY(!learned->text().isEmpty());
    QVERIFY(learned->displayText().count(u'*') == learned->text().size());
    QVERIFY(f.Page()->Row(4).code->text().isEmpty());
    QVERIFY(!learned->isEnabled());
}

void KeysPageTest::rowColouringFollowsTheFocus()
{
    KeysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("ua06-!Boss.")});
    const KeysPage::KeyRow &row = f.Page()->Row(6);
    const QColor rowColour(255, 255, 150);
    row.name->setFocus();
    QCOMPARE(HighlightedColour(row.name), Colours::Focused);
    QCOMPARE(HighlightedColour(row.code), rowColour);
    QCOMPARE(f.window->LastFocused(PageSlot::Keys), row.name);
    row.type->setFocus();
    QCOMPARE(HighlightedColour(row.name), WindowColour());
    QCOMPARE(HighlightedColour(row.type), Colours::Focused);
    QCOMPARE(HighlightedColour(row.code), rowColour);
    // Leaving the type box gives it the colour of its type; the code field the look of an untouched row's
    // (the grey of a disabled field, not white).
    f.Name(7)->setFocus();
    QCOMPARE(HighlightedColour(row.type), KeysPage::GetColorKeyType(1));
    QCOMPARE(HighlightedColour(row.type), QColor(255, 170, 170));
    QCOMPARE(HighlightedColour(row.code), HighlightedColour(f.Page()->Row(12).code));
    QVERIFY(HighlightedColour(row.code) != WindowColour());
    QCOMPARE(HighlightedColour(f.Page()->Row(7).code), rowColour);
}

QTEST_MAIN(KeysPageTest)
#include "tst_keys_page.moc"
