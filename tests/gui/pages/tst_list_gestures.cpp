// The list pages as a user works them, with the mouse and keyboard only: a tick box clicked or double
// clicked, a list entered by Tab or by a click on its page's tab, rows shown one after the other, a
// key's type chosen with the keys, a save from another page. Every case ends with "Сохранить" and the
// lines of the saved file.
#include "../../support/typing.h"
#include "user_input.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

using namespace orva;
using namespace orva::test;

namespace {

const QString FileKey = QStringLiteral("ks1-k");

QListWidget *List(EditorFixture &f, const char *name)
{
    return f.window->findChild<QListWidget *>(QString::fromLatin1(name));
}

// Puts the focus into the control with Tab presses from the page's tab bar, as far as `limit` presses.
bool TabInto(EditorFixture &f, QWidget *control, int limit = 40)
{
    for (int i = 0; i < limit && QApplication::focusWidget() != control; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f.window.get(),
                        Qt::Key_Tab);
    return QApplication::focusWidget() == control;
}

} // namespace

class ListGesturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loopTickBoxActsOnItsRow_data();
    void loopTickBoxActsOnItsRow();
    void showingLoopsKeepsZones_data();
    void showingLoopsKeepsZones();
    void dialDoubleClickChangesOnePhone_data();
    void dialDoubleClickChangesOnePhone();
    void focusAloneChangesNoPhone_data();
    void focusAloneChangesNoPhone();
    void smsKeysOutOfRangeKeepTheNumber_data();
    void smsKeysOutOfRangeKeepTheNumber();
    void typeZeroAliasLosesItsMarks_data();
    void typeZeroAliasLosesItsMarks();
    void defaultFromAnotherPageIsShown_data();
    void defaultFromAnotherPageIsShown();
    void dialSelectionFollowsItsPhoneAfterSave_data();
    void dialSelectionFollowsItsPhoneAfterSave();
    void fixShowsTheTimeAsTyped_data();
    void fixShowsTheTimeAsTyped();
    void deselectedPhoneCannotBeEdited_data();
    void deselectedPhoneCannotBeEdited();
    void spaceTicksTheRowTabReached_data();
    void spaceTicksTheRowTabReached();
};

void ListGesturesTest::loopTickBoxActsOnItsRow_data()
{
    QTest::addColumn<int>("rowClickedFirst"); // -1: no row selected
    QTest::addColumn<int>("tickClicks");
    QTest::addColumn<QString>("line");
    // Unticked and ticked again, the loop is back in its mode with its delay, as if never touched.
    QTest::newRow("no row selected, unticked and ticked again") << -1 << 2 << QStringLiteral("lm4-12.90");
    QTest::newRow("another row selected, unticked and ticked again") << 0 << 2 << QStringLiteral("lm4-12.90");
    QTest::newRow("no row selected, unticked") << -1 << 1 << QStringLiteral("lm4-7");
    QTest::newRow("its own row selected, unticked and ticked again") << 3 << 2 << QStringLiteral("lm4-12.90");
}

// Loop 4 is "пожарный тип 2 (с контрольным сбросом)" in the factory configuration.
void ListGesturesTest::loopTickBoxActsOnItsRow()
{
    QFETCH(int, rowClickedFirst);
    QFETCH(int, tickClicks);
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey}));
    QVERIFY(ClickTab(f, QStringLiteral("TabShleifs")));
    QListWidget *loops = List(f, "L_Shleif_Shleifs");
    if (rowClickedFirst >= 0)
        ClickRow(loops, rowClickedFirst);
    for (int i = 0; i < tickClicks; ++i)
        ClickTick(loops, 3);
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("lm4")), QStringList{line});
    QCOMPARE(f.questions->unexpected(), 0);
}

void ListGesturesTest::showingLoopsKeepsZones_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("rowsShown");
    QTest::addColumn<QStringList>("zones");
    QTest::newRow("a loop in no zone shown")
        << QStringList{QStringLiteral("zn1-1,,3"), QStringLiteral("zn2-1"), QStringLiteral("zn3-4,4"),
                       QStringLiteral("zn4-9"), QStringLiteral("lm2-5")}
        << QList<int>{0, 1}
        << QStringList{QStringLiteral("zn1-1,3"), QStringLiteral("zn2-1"), QStringLiteral("zn3-4,4"),
                       QStringLiteral("zn4-9")};
    QTest::newRow("a patrol loop listed in a zone shown")
        << QStringList{QStringLiteral("lm3-14")} << QList<int>{2, 0}
        << QStringList{QStringLiteral("zn1-1,2,3,4"), QStringLiteral("zn2-"), QStringLiteral("zn3-"),
                       QStringLiteral("zn4-")};
}

void ListGesturesTest::showingLoopsKeepsZones()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, rowsShown);
    QFETCH(QStringList, zones);
    EditorFixture f;
    QVERIFY(StartWithLines(f, QStringList{FileKey} + lines));
    QVERIFY(ClickTab(f, QStringLiteral("TabShleifs")));
    for (const int row : rowsShown)
        ClickRow(List(f, "L_Shleif_Shleifs"), row);
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("zn")), zones);
}

void ListGesturesTest::dialDoubleClickChangesOnePhone_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("onTheBox"); // else on the row's text
    QTest::addColumn<QString>("freed"); // the line of the one phone that changes
    QTest::newRow("second dial phone, on its box") << "ListGSM_Dial" << 1 << true << "dn2-.";
    QTest::newRow("first dial phone, on its box") << "ListGSM_Dial" << 0 << true << "dn1-.";
    QTest::newRow("third dial phone, on its text") << "ListGSM_Dial" << 2 << false << "dn3-.";
}

void ListGesturesTest::dialDoubleClickChangesOnePhone()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(bool, onTheBox);
    QFETCH(QString, freed);
    const QStringList phones = {QStringLiteral("dn1-7.+71"), QStringLiteral("dn2-6.+72"),
                                QStringLiteral("dn3-5.+73"), QStringLiteral("dn4-7.+74"),
                                QStringLiteral("dn5-6.+75"), QStringLiteral("dn6-5.+76"),
                                QStringLiteral("dn7-1.+77")};
    EditorFixture f;
    QVERIFY(StartWithLines(f, QStringList{FileKey} + phones));
    QVERIFY(ClickTab(f, QStringLiteral("TabDialGSM")));
    auto *box = Find<QListWidget>(*f.window, list);
    if (onTheBox) {
        DoubleClickTick(box, row);
    } else {
        const QPoint at = RowCentre(box, row);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at);
    }

    QStringList expected = phones;
    for (QString &line : expected) {
        if (line.left(3) == freed.left(3))
            line = freed;
    }
    expected << QStringLiteral("dn8-.") << QStringLiteral("dn9-.");
    QStringList saved = LinesOf(SaveLines(f), QStringLiteral("dn"));
    saved.sort();
    QCOMPARE(saved, expected);
    QCOMPARE(f.questions->unexpected(), 0);
}

void ListGesturesTest::focusAloneChangesNoPhone_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("otherField"); // focused on another page before the page's tab is clicked
    QTest::addColumn<QString>("thenClick");  // a control of the page clicked afterwards
    QTest::addColumn<QStringList>("lines");
    const QStringList smsk = {QStringLiteral("su1-.+7111")};
    const QStringList sms = {QStringLiteral("sn1-2.+7111")};
    QTest::newRow("SMS-К list entered by Tab") << "TabSMSK"
                                               << "ListSMSK_Phones" << QString() << QString() << smsk;
    QTest::newRow("SMS-К tab clicked while a field had the focus") << "TabSMSK"
                                                                   << "ListSMSK_Phones"
                                                                   << "E_SMS_Name" << QString() << smsk;
    QTest::newRow("SMS-К key box clicked after Tab")
        << "TabSMSK"
        << "ListSMSK_Phones" << QString() << "CheckBoxSMSK_03" << smsk;
    QTest::newRow("SMS message set clicked after Tab")
        << "TabSMS"
        << "ListSMSPhones" << QString() << "RadioButtonSMSAll" << sms;
}

void ListGesturesTest::focusAloneChangesNoPhone()
{
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QString, otherField);
    QFETCH(QString, thenClick);
    QFETCH(QStringList, lines);
    EditorFixture f;
    QVERIFY(StartWithLines(f, QStringList{FileKey} + lines));
    auto *phones = Find<QListWidget>(*f.window, list);
    if (otherField.isEmpty()) {
        QVERIFY(ClickTab(f, page));
        QVERIFY(TabInto(f, phones));
    } else {
        QVERIFY(ClickTab(f, QStringLiteral("TabSMS")));
        ClickAt(Find<QWidget>(*f.window, otherField));
        QCOMPARE(QApplication::focusWidget()->objectName(), otherField);
        QVERIFY(ClickTab(f, page));
    }
    // Nothing is highlighted, so nothing is shown for editing.
    QVERIFY(phones->selectedItems().isEmpty());
    if (!thenClick.isEmpty())
        ClickButton(Find<QAbstractButton>(*f.window, thenClick));

    const QString code = lines.first().left(3);
    QCOMPARE(LinesOf(SaveLines(f), code), QStringList{lines.first()});
}

void ListGesturesTest::smsKeysOutOfRangeKeepTheNumber_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("saved");
    QTest::newRow("keys outside 1..15") << "su7-16,99.+7777"
                                        << "su7-16,99.+7777";
    QTest::newRow("one key in range") << "su7-3.+7777"
                                      << "su7-3.+7777";
    QTest::newRow("no key: the number goes") << "su7-.+7777"
                                             << "su7-.";
}

void ListGesturesTest::smsKeysOutOfRangeKeepTheNumber()
{
    QFETCH(QString, line);
    QFETCH(QString, saved);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, line}));
    QVERIFY(ClickTab(f, QStringLiteral("TabSMSK")));
    ClickRow(List(f, "ListSMSK_Phones"), 6);
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("su7")), QStringList{saved});
}

void ListGesturesTest::typeZeroAliasLosesItsMarks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("alias"); // shown after the switch to "Постановка/Снятие"
    QTest::newRow("duress key, alias starting with !") << "ua04-!!ABC."
                                                       << "ABC";
    QTest::newRow("duress key, alias starting with *") << "ua04-!*ABC."
                                                       << "ABC";
    QTest::newRow("patrol key, alias starting with !*") << "ua04-*!*X."
                                                        << "X";
    QTest::newRow("duress key, plain alias") << "ua04-!ABC."
                                             << "ABC";
}

void ListGesturesTest::typeZeroAliasLosesItsMarks()
{
    QFETCH(QString, line);
    QFETCH(QString, alias);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, line}));
    QVERIFY(ClickTab(f, QStringLiteral("TabKeys")));
    auto *name = Find<QLineEdit>(*f.window, QStringLiteral("E_Key_Name4"));
    ClickAt(name);
    QTest::keyClick(name, Qt::Key_Tab);
    auto *type = qobject_cast<QComboBox *>(QApplication::focusWidget());
    QVERIFY(type);
    QTest::keyClick(type, Qt::Key_Home);
    QCOMPARE(type->currentIndex(), 0);
    QCOMPARE(name->text(), alias);

    const QString saved = QStringLiteral("ua04-") + alias;
    QCOMPARE(LinesOf(SaveLines(f), QStringLiteral("ua04")),
             QStringList{saved + QString(15 - saved.size(), u' ') + u'.'});
    // Read back, the key is of the type the user chose.
    EditorFixture again;
    QVERIFY(StartWithLines(again, {FileKey, saved + u'.'}));
    QCOMPARE(again.window->findChild<QComboBox *>(type->objectName())->currentIndex(), 0);
}

void ListGesturesTest::defaultFromAnotherPageIsShown_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    QTest::newRow("loop delay") << "TabShleifs"
                                << "L_Shleif_Shleifs"
                                << "E_Shleif_Delay"
                                << "lm1-1.90";
    QTest::newRow("relay on-time") << "TabRele"
                                   << "L_Rele_Reles"
                                   << "E_Rele_Delay"
                                   << "rm1-4.90";
}

void ListGesturesTest::defaultFromAnotherPageIsShown()
{
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QString, field);
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey}));
    QVERIFY(ClickTab(f, page));
    ClickRow(Find<QListWidget>(*f.window, list), 0);
    auto *delay = Find<QLineEdit>(*f.window, field);
    ClickAt(delay);
    SelectAllText(delay);
    QTest::keyClick(delay, Qt::Key_Backspace); // stores 0
    QVERIFY(ClickTab(f, QStringLiteral("TabCommon")));

    QCOMPARE(LinesOf(SaveLines(f, {ModalResult::Ok}), line.left(3)), QStringList{line});
    QVERIFY(ClickTab(f, page));
    QCOMPARE(delay->text(), QStringLiteral("90"));
    QCOMPARE(LinesOf(SaveLines(f), line.left(3)), QStringList{line});
    QCOMPARE(f.questions->unexpected(), 0);
}

void ListGesturesTest::dialSelectionFollowsItsPhoneAfterSave_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("number"); // of the phone selected
    QTest::addColumn<QString>("line");   // its line after the number was retyped
    QTest::newRow("first dial phone, sorted behind the other two") << "ListGSM_Dial" << 0 << "+71"
                                                                   << "dn1-5.+79";
    QTest::newRow("second dial phone, sorted to the front") << "ListGSM_Dial" << 1 << "+72"
                                                            << "dn2-7.+79";
    QTest::newRow("connected phone, stays") << "ListGSM_Connect" << 0 << "+74"
                                            << "dn4-1.+79";
}

// After a save the phones are sorted; the number field goes on editing the phone that was selected.
void ListGesturesTest::dialSelectionFollowsItsPhoneAfterSave()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QString, number);
    QFETCH(QString, line);
    const QStringList phones = {QStringLiteral("dn1-5.+71"), QStringLiteral("dn2-7.+72"),
                                QStringLiteral("dn3-6.+73"), QStringLiteral("dn4-1.+74")};
    EditorFixture f;
    QVERIFY(StartWithLines(f, QStringList{FileKey} + phones));
    QVERIFY(ClickTab(f, QStringLiteral("TabDialGSM")));
    ClickRow(Find<QListWidget>(*f.window, list), row);
    QVERIFY(!SaveLines(f).isEmpty());
    auto *field = Find<QLineEdit>(*f.window, QStringLiteral("EditGSM_PhoneNumber"));
    QCOMPARE(field->text(), number);
    ClickAt(field);
    SelectAllText(field);
    QTest::keyClicks(field, QStringLiteral("+79"));

    QStringList expected = phones;
    for (QString &phone : expected) {
        if (phone.left(3) == line.left(3))
            phone = line;
    }
    QStringList saved = LinesOf(SaveLines(f), QStringLiteral("dn"));
    saved.sort();
    QCOMPARE(saved.mid(0, 4), expected);
}

void ListGesturesTest::fixShowsTheTimeAsTyped_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::newRow("loop delay above its range")
        << QStringLiteral("TabShleifs") << QStringLiteral("L_Shleif_Shleifs")
        << QStringLiteral("E_Shleif_Delay") << QStringLiteral("999") << QStringLiteral("lm1");
    QTest::newRow("relay time below its range")
        << QStringLiteral("TabRele") << QStringLiteral("L_Rele_Reles") << QStringLiteral("E_Rele_Delay")
        << QStringLiteral("0") << QStringLiteral("rm1");
}

// "Исправить" brings the user to the field with the time as typed; only "Установить \"по-умолчанию\""
// writes a value, so the next save asks again rather than saving a value nobody chose.
void ListGesturesTest::fixShowsTheTimeAsTyped()
{
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, code);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey}));
    QVERIFY(ClickTab(f, page));
    ClickRow(Find<QListWidget>(*f.window, list), 0);
    auto *time = Find<QLineEdit>(*f.window, field);
    ClickAt(time);
    SelectAllText(time);
    test::Type(time, typed);
    QCOMPARE(time->text(), typed);

    QVERIFY(SaveLines(f, {ModalResult::Retry}).isEmpty());
    QCOMPARE(f.questions->askedKinds().constFirst(), QuestionKind::ErrorBox);
    QCOMPARE(time->text(), typed);
    QVERIFY(time->hasFocus());

    // The next save stops at the same check; taking the default then saves the default.
    f.questions->clear();
    const QStringList saved = SaveLines(f, {ModalResult::Ok});
    QCOMPARE(f.questions->askedKinds().constFirst(), QuestionKind::ErrorBox);
    QVERIFY(!saved.isEmpty());
    QVERIFY(!LinesOf(saved, code).constFirst().contains(u'.' + typed));
}

void ListGesturesTest::deselectedPhoneCannotBeEdited_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("line");
    const QString sms = QStringLiteral("sn1-3.+79001111111");
    const QString smsk = QStringLiteral("su1-3.+79002222222");
    const QString dial = QStringLiteral("dn1-1.+79003333333");
    QTest::newRow("SMS, Ctrl+click") << QStringLiteral("TabSMS") << QStringLiteral("ListSMSPhones")
                                     << QStringLiteral("EditSMSPhoneNumber") << false << sms;
    QTest::newRow("SMS-К, Ctrl+click") << QStringLiteral("TabSMSK") << QStringLiteral("ListSMSK_Phones")
                                       << QStringLiteral("EditSMSK_PhoneNumber") << false << smsk;
    QTest::newRow("SMS-К, Ctrl+Space") << QStringLiteral("TabSMSK") << QStringLiteral("ListSMSK_Phones")
                                       << QStringLiteral("EditSMSK_PhoneNumber") << true << smsk;
    QTest::newRow("GSM-дозвон, Ctrl+click")
        << QStringLiteral("TabDialGSM") << QStringLiteral("ListGSM_Connect")
        << QStringLiteral("EditGSM_PhoneNumber") << false << dial;
}

// Taking the selection away from the selected phone leaves nothing to edit: the number field is
// disabled and empty, so nothing can be typed that would not be saved.
void ListGesturesTest::deselectedPhoneCannotBeEdited()
{
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QString, field);
    QFETCH(bool, byKeyboard);
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, line}));
    QVERIFY(ClickTab(f, page));
    auto *phones = Find<QListWidget>(*f.window, list);
    auto *number = Find<QLineEdit>(*f.window, field);
    ClickRow(phones, 0);
    QVERIFY(number->isEnabled());
    QVERIFY(!number->text().isEmpty());
    if (byKeyboard)
        QTest::keyClick(phones, Qt::Key_Space, Qt::ControlModifier);
    else
        QTest::mouseClick(phones->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(phones, 0));
    QVERIFY(phones->selectedItems().isEmpty());
    QVERIFY(!number->isEnabled());
    QVERIFY(number->text().isEmpty());
    const QString code = line.left(line.indexOf(u'-'));
    QCOMPARE(LinesOf(SaveLines(f), code), QStringList{line});
}

void ListGesturesTest::spaceTicksTheRowTabReached_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("lines"); // the file's lines of the first phone
    QTest::addColumn<QString>("line");      // its saved line
    QTest::newRow("SMS, ticked") << QStringLiteral("TabSMS") << QStringLiteral("ListSMSPhones")
                                 << QStringLiteral("E_SMS_Name") << QStringList{QStringLiteral("sn1-0.+7111")}
                                 << QStringLiteral("sn1-1.+7111");
    QTest::newRow("SMS, unticked") << QStringLiteral("TabSMS") << QStringLiteral("ListSMSPhones")
                                   << QStringLiteral("E_SMS_Name")
                                   << QStringList{QStringLiteral("sn1-2.+7111")}
                                   << QStringLiteral("sn1-0.+7111");
}

// Tab into a phone list, then Space: the first row's box is ticked, as a click on it would.
void ListGesturesTest::spaceTicksTheRowTabReached()
{
    QFETCH(QString, page);
    QFETCH(QString, list);
    QFETCH(QString, control);
    QFETCH(QStringList, lines);
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, QStringList{FileKey} + lines));
    QVERIFY(ClickTab(f, page));
    auto *phones = Find<QListWidget>(*f.window, list);
    QWidget *before = Find<QWidget>(*f.window, control);
    before->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 10 && !phones->hasFocus(); ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(phones->hasFocus());
    const Qt::CheckState ticked = phones->item(0)->checkState();
    QTest::keyClick(phones, Qt::Key_Space);
    QCOMPARE(phones->item(0)->checkState(), ticked == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    const QString code = line.left(line.indexOf(u'-'));
    QCOMPARE(LinesOf(SaveLines(f), code), QStringList{line});
}

QTEST_MAIN(ListGesturesTest)
#include "tst_list_gestures.moc"
