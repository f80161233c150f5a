// The page "GSM-дозвон": the three lists and their texts, ticking and unticking with the moves between
// the lists, the message-set controls, the number, the delivery limits, the protocol, the sort on
// unload and the way "Исправить" leads back to a phone.
#include "editor_fixture.h"
#include "list_clicks.h"

#include "dialogs/modal_result.h"
#include "pages/gsm_page.h"
#include "widgets/caption_group.h"
#include "widgets/check_list_box.h"
#include "widgets/colours.h"
#include "widgets/focus_colouring.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace orva;
using namespace orva::test;
using namespace Qt::StringLiterals;

class TestGsmPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void noPhonesShowsOnlyFreeList();
    void listsStackedUnderEachOther();
    void itemTextsNumberedAcrossLists();
    void tickingFreePhoneMakesDutyPhone();
    void untickingDialPhoneLosesNumber();
    void untickingConnectedPhoneKeepsNumber();
    void lastItemTickedMovesSelection();
    void radioButtonsMovePhone();
    void subModeBoxActsLikeRadioButton();
    void numberStoredForCurrentPhone();
    void singleSelectionAcrossLists();
    void noCurrentPhoneChangesNothing();
    void deliveryLimits();
    void protocolAndDelivery_data();
    void protocolAndDelivery();
    void sortedOnSave();
    void listColours();
    void fixLeadsToPhone();
    void fixLeadsToFullSet();
    void fixLeadsToNumberField();

private:
    T_Command &Phone(int p) { return m_f->working.record(Cmd::dn, p); }
    void SetPhone(int p, qint32 mode, const QString &number = {})
    {
        Phone(p).setValue(1, mode);
        Phone(p).setText(2, number);
    }
    template <typename W> W *Find(const QString &name) const { return m_f->window->findChild<W *>(name); }
    CheckListBox *List(int list) const { return m_lists[list]; }
    QStringList Texts(int list) const
    {
        QStringList texts;
        for (int row = 0; row < m_lists[list]->count(); ++row)
            texts.append(m_lists[list]->itemText(row));
        return texts;
    }
    // The user opens the delivery box, closes its list, and picks the item with the keys.
    void ChooseDelivery(int index)
    {
        auto *combo = Find<QComboBox>(u"ComboBoxGSM_DataMode"_s);
        QTest::mouseClick(combo, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }

    std::unique_ptr<EditorFixture> m_f;
    GsmPage *m_page = nullptr;
    std::array<CheckListBox *, 3> m_lists{};
    QLineEdit *m_number = nullptr;
};

void TestGsmPage::init()
{
    m_f = std::make_unique<EditorFixture>();
    QVERIFY(m_f->ShowActive());
    m_page = PageAs<GsmPage>(*m_f->window, PageSlot::GSM);
    m_lists = {Find<CheckListBox>(u"ListGSM_Free"_s), Find<CheckListBox>(u"ListGSM_Dial"_s),
               Find<CheckListBox>(u"ListGSM_Connect"_s)};
    m_number = Find<QLineEdit>(u"EditGSM_PhoneNumber"_s);
    QVERIFY(m_lists[0] && m_lists[1] && m_lists[2] && m_number);
    m_f->window->PagesParam()->setCurrentWidget(m_page->tab());
}

void TestGsmPage::cleanup()
{
    m_f.reset();
}

void TestGsmPage::noPhonesShowsOnlyFreeList()
{
    m_f->window->Redraw_All();
    QVERIFY(List(0)->isVisible());
    QVERIFY(Find<QLabel>(u"LabelGSM_Free"_s)->isVisible());
    QCOMPARE(Find<QLabel>(u"LabelGSM_Free"_s)->text(), u"\"Свободные\" телефоны:"_s);
    QVERIFY(!List(1)->isVisible() && !List(2)->isVisible());
    QVERIFY(!Find<QLabel>(u"LabelGSM_Dial"_s)->isVisible());
    QCOMPARE(List(0)->count(), 9);
    QCOMPARE(List(0)->height(), 9 * 19 + 4);
    for (int row = 0; row < 9; ++row) {
        QCOMPARE(List(0)->itemText(row), u"Телефон (поз.%1): (не используется)"_s.arg(row + 1));
        QVERIFY(!List(0)->checked(row));
    }
    QVERIFY(m_f->window->RunCheck(CheckId::DialGSM));
    QVERIFY(m_f->questions->asked().isEmpty());
}

void TestGsmPage::listsStackedUnderEachOther()
{
    SetPhone(2, 5, u"1"_s);
    SetPhone(4, 1, u"2"_s);
    SetPhone(6, 3, u"3"_s);
    m_f->window->Redraw_All();
    auto *freeLabel = Find<QLabel>(u"LabelGSM_Free"_s);
    auto *dialLabel = Find<QLabel>(u"LabelGSM_Dial"_s);
    auto *connectLabel = Find<QLabel>(u"LabelGSM_Connect"_s);
    QCOMPARE(freeLabel->y(), 3);
    QCOMPARE(List(0)->y(), freeLabel->y() + freeLabel->height());
    QCOMPARE(List(0)->height(), 6 * 19 + 4);
    QCOMPARE(dialLabel->y(), List(0)->geometry().bottom() + 1 + 3);
    QCOMPARE(List(1)->height(), 1 * 19 + 4);
    QCOMPARE(connectLabel->y(), List(1)->geometry().bottom() + 1 + 3);
    QCOMPARE(List(2)->height(), 2 * 19 + 4);

    // Without free and dial phones the connect list's label stands at the top.
    for (int p = 1; p <= 9; ++p)
        SetPhone(p, 2, u"9"_s);
    m_f->window->Redraw_All();
    QVERIFY(!List(0)->isVisible() && !List(1)->isVisible());
    QCOMPARE(connectLabel->y(), 3);
    QCOMPARE(List(2)->count(), 9);
}

void TestGsmPage::itemTextsNumberedAcrossLists()
{
    SetPhone(1, 2, u"+7001"_s);
    SetPhone(3, 6);
    SetPhone(5, 7, u"+7005"_s);
    SetPhone(8, 4, u"+7008"_s);
    m_f->window->Redraw_All();
    QCOMPARE(Texts(1), (QStringList{u"Телефон 1 (поз.3): (Дозвон: Снятия)"_s,
                                    u"Телефон 2 (поз.5): +7005 (Дозвон: Дежурные режимы)"_s}));
    QCOMPARE(Texts(2),
             (QStringList{u"Телефон 3 (поз.1): +7001 (Дозвон/Соединение: ТревогиТревожные + Служебные)"_s,
                          u"Телефон 4 (поз.8): +7008 (Дозвон/Соединение: ТревогиВсе сообщения)"_s}));
    QCOMPARE(Texts(0).first(), u"Телефон (поз.2): (не используется)"_s);
    QVERIFY(List(1)->checked(0) && List(1)->checked(1) && List(2)->checked(0) && List(2)->checked(1));
}

void TestGsmPage::tickingFreePhoneMakesDutyPhone()
{
    m_f->window->Redraw_All();
    ClickRow(List(0), 4);
    QVERIFY(!m_number->isEnabled());
    ClickTick(List(0), 4);
    QCOMPARE(Phone(5).value(1), 7);
    QCOMPARE(Texts(1), QStringList{u"Телефон 1 (поз.5): (Дозвон: Дежурные режимы)"_s});
    QCOMPARE(List(0)->count(), 8);
    // The selection stays in the free list, on the phone that took the row.
    QCOMPARE(List(0)->itemIndex(), 4);
    QCOMPARE(m_page->GSM_FindTempPhone(), 6);

    // Another phone with a lower slot comes first in the dial list.
    ClickTick(List(0), 1);
    QCOMPARE(Phone(2).value(1), 7);
    QCOMPARE(Texts(1), (QStringList{u"Телефон 1 (поз.2): (Дозвон: Дежурные режимы)"_s,
                                    u"Телефон 2 (поз.5): (Дозвон: Дежурные режимы)"_s}));
    // A double-click in the free list ticks as well.
    DoubleClickRow(List(0), 0);
    QCOMPARE(Phone(1).value(1), 7);
    QCOMPARE(List(1)->count(), 3);
}

void TestGsmPage::untickingDialPhoneLosesNumber()
{
    SetPhone(3, 5, u"+7003"_s);
    SetPhone(4, 6, u"+7004"_s);
    m_f->window->Redraw_All();
    ClickRow(List(1), 0);
    QCOMPARE(m_number->text(), u"+7003"_s);
    QVERIFY(m_number->isEnabled());
    ClickTick(List(1), 0);
    QCOMPARE(Phone(3).value(1), 0);
    QCOMPARE(Phone(3).text(2), QString());
    QCOMPARE(List(1)->count(), 1);
    // The dial list keeps the selection, now on phone 4, and the fields follow it.
    QCOMPARE(List(1)->itemIndex(), 0);
    QCOMPARE(m_page->GSM_FindTempPhone(), 4);
    QCOMPARE(m_number->text(), u"+7004"_s);
    QVERIFY(Find<QRadioButton>(u"RadioButtonDialUnLock"_s)->isChecked());
    QCOMPARE(List(0)->itemText(2), u"Телефон (поз.3): (не используется)"_s);
}

void TestGsmPage::untickingConnectedPhoneKeepsNumber()
{
    SetPhone(2, 3, u"+7002"_s);
    SetPhone(7, 1, u"+7007"_s);
    m_f->window->Redraw_All();
    ClickRow(List(2), 1);
    QCOMPARE(m_page->GSM_FindTempPhone(), 7);
    ClickTick(List(2), 1);
    QCOMPARE(Phone(7).value(1), 0);
    QCOMPARE(Phone(7).text(2), u"+7007"_s);
    // Its row is gone: the last row of the list is selected.
    QCOMPARE(List(2)->count(), 1);
    QCOMPARE(List(2)->itemIndex(), 0);
    QCOMPARE(m_page->GSM_FindTempPhone(), 2);
    QCOMPARE(m_number->text(), u"+7002"_s);
}

void TestGsmPage::lastItemTickedMovesSelection()
{
    for (int p = 1; p <= 8; ++p)
        SetPhone(p, 1, u"1"_s);
    m_f->window->Redraw_All();
    // The only free phone ticked: the free list goes and the dial list's first row takes the focus.
    ClickRow(List(0), 0);
    ClickTick(List(0), 0);
    QCOMPARE(Phone(9).value(1), 7);
    QVERIFY(!List(0)->isVisible());
    QCOMPARE(List(1)->itemIndex(), 0);
    QCOMPARE(m_page->GSM_FindTempPhone(), 9);
    QTRY_VERIFY(List(1)->hasFocus());
    QVERIFY(m_number->isEnabled());

    // The only dial phone unticked: the free list's last row.
    ClickTick(List(1), 0);
    QCOMPARE(Phone(9).value(1), 0);
    QVERIFY(!List(1)->isVisible());
    QCOMPARE(List(0)->itemIndex(), 0);
    QCOMPARE(m_page->GSM_FindTempPhone(), 9);
    QTRY_VERIFY(List(0)->hasFocus());
    QVERIFY(!m_number->isEnabled());

    // The last connected phone unticked with no dial phones: the free list's last row.
    for (int p = 1; p <= 9; ++p)
        SetPhone(p, p == 4 ? 2 : 0);
    m_f->window->Redraw_All();
    ClickRow(List(2), 0);
    ClickTick(List(2), 0);
    QCOMPARE(Phone(4).value(1), 0);
    QCOMPARE(List(0)->itemIndex(), 8);
    QCOMPARE(m_page->GSM_FindTempPhone(), 9);
}

void TestGsmPage::radioButtonsMovePhone()
{
    SetPhone(6, 0, QString());
    m_f->window->Redraw_All();
    ClickRow(List(0), 5);
    QVERIFY(Find<QRadioButton>(u"RadioButtonDialLock"_s)->isEnabled());
    ClickButton(Find<QRadioButton>(u"RadioButtonDialLock"_s));
    QCOMPARE(Phone(6).value(1), 5);
    QCOMPARE(List(1)->itemIndex(), 0);
    QCOMPARE(List(0)->itemIndex(), -1);
    QCOMPARE(m_page->GSM_FindTempPhone(), 6);
    QVERIFY(m_number->isEnabled());
    QCOMPARE(Texts(1), QStringList{u"Телефон 1 (поз.6): (Дозвон: Взятия)"_s});

    ClickButton(Find<QRadioButton>(u"RadioButtonConnect"_s));
    QCOMPARE(Phone(6).value(1), 1);
    QVERIFY(!List(1)->isVisible());
    QCOMPARE(List(2)->itemIndex(), 0);
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAlarmOnly"_s)->isChecked());
    QVERIFY(!Find<QRadioButton>(u"RadioButtonDialLock"_s)->isChecked());

    ClickButton(Find<QCheckBox>(u"CheckBoxConnectAll"_s));
    QCOMPARE(Phone(6).value(1), 4);
    QVERIFY(!Find<QCheckBox>(u"CheckBoxConnectAlarmOnly"_s)->isChecked());
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAll"_s)->isChecked());
    QCOMPARE(Texts(2), QStringList{u"Телефон 1 (поз.6): (Дозвон/Соединение: ТревогиВсе сообщения)"_s});
}

void TestGsmPage::subModeBoxActsLikeRadioButton()
{
    SetPhone(1, 2, u"1"_s);
    m_f->window->Redraw_All();
    ClickRow(List(2), 0);
    auto *service = Find<QCheckBox>(u"CheckBoxConnectAlarmService"_s);
    QVERIFY(service->isChecked());
    ClickButton(service);
    QVERIFY(service->isChecked());
    QCOMPARE(Phone(1).value(1), 2);
}

void TestGsmPage::numberStoredForCurrentPhone()
{
    SetPhone(2, 7);
    SetPhone(5, 3, u"+7"_s);
    m_f->window->Redraw_All();
    ClickRow(List(2), 0);
    m_number->setFocus();
    m_number->selectAll();
    QTest::keyClicks(m_number, u"8-9x1"_s);
    QCOMPARE(Phone(5).text(2), u"891"_s);
    QCOMPARE(List(2)->itemText(0),
             u"Телефон 2 (поз.5): 891 (Дозвон/Соединение: ТревогиТревожные + Постановка/Снятие)"_s);
    QCOMPARE(Phone(2).text(2), QString());

    // A redraw puts the text into the field without storing it anywhere else.
    ClickRow(List(1), 0);
    QCOMPARE(m_number->text(), QString());
    QCOMPARE(Phone(5).text(2), u"891"_s);
}

void TestGsmPage::singleSelectionAcrossLists()
{
    SetPhone(1, 7, u"1"_s);
    SetPhone(2, 1, u"2"_s);
    SetPhone(3, 4, u"3"_s);
    m_f->window->Redraw_All();
    ClickRow(List(2), 1);
    ClickRow(List(0), 2);
    QCOMPARE(List(2)->itemIndex(), -1);
    QCOMPARE(List(0)->itemIndex(), 2);
    QCOMPARE(m_page->GSM_FindTempPhone(), 6);
    // Entering the connect list again brings back its remembered row.
    List(2)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(List(2)->itemIndex(), 1);
    QCOMPARE(List(0)->itemIndex(), -1);
    QCOMPARE(m_page->GSM_FindTempPhone(), 3);
    QCOMPARE(m_number->text(), u"3"_s);
    QVERIFY(m_number->isEnabled());
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAll"_s)->isChecked());
}

void TestGsmPage::noCurrentPhoneChangesNothing()
{
    SetPhone(1, 1, u"1"_s);
    m_f->window->Redraw_All();
    QCOMPARE(m_page->GSM_FindTempPhone(), 0);
    QVERIFY(!m_number->isEnabled());
    for (const QString &name : {u"RadioButtonDialDuty"_s, u"RadioButtonConnect"_s,
                                u"CheckBoxConnectAlarmOnly"_s, u"CheckBoxConnectAll"_s}) {
        QVERIFY(!Find<QAbstractButton>(name)->isEnabled());
        QVERIFY(!Find<QAbstractButton>(name)->isChecked());
    }
    // The delivery enables the mode controls; a click on them still changes nothing.
    ChooseDelivery(1);
    auto *duty = Find<QRadioButton>(u"RadioButtonDialDuty"_s);
    QVERIFY(duty->isEnabled());
    ClickButton(duty);
    ClickButton(Find<QCheckBox>(u"CheckBoxConnectAlarmOnly"_s));
    QCOMPARE(Phone(1).value(1), 1);
    for (int p = 2; p <= 9; ++p)
        QCOMPARE(Phone(p).value(1), 0);
    QVERIFY(!duty->isChecked());
    m_number->setText(u"5"_s);
    QCOMPARE(Phone(1).text(2), u"1"_s);
}

void TestGsmPage::deliveryLimits()
{
    SetPhone(1, 2, u"1"_s);
    SetPhone(2, 3, u"2"_s);
    SetPhone(3, 4, u"3"_s);
    SetPhone(4, 1, u"4"_s);
    SetPhone(5, 7, u"5"_s);
    m_f->window->Redraw_All();
    ClickRow(List(2), 2);
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAll"_s)->isChecked());
    auto *protocolGroup = Find<CaptionGroup>(u"GroupGSM_TypeProt"_s);
    QVERIFY(protocolGroup->isEnabled());

    // Call without connection, then with one: alarms and service messages only.
    ChooseDelivery(1);
    QCOMPARE(m_f->working.record(Cmd::ds).value(1), 1);
    QCOMPARE((QList<qint32>{Phone(1).value(1), Phone(2).value(1), Phone(3).value(1), Phone(4).value(1),
                            Phone(5).value(1)}),
             (QList<qint32>{2, 1, 1, 1, 7}));
    QVERIFY(!protocolGroup->isEnabled());
    QCOMPARE(protocolGroup->captionColour(), QColor(128, 128, 128));
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAlarmOnly"_s)->isChecked());
    QVERIFY(!Find<QCheckBox>(u"CheckBoxConnectAll"_s)->isChecked());
    QVERIFY(!Find<QCheckBox>(u"CheckBoxConnectAll"_s)->isEnabled());
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAlarmService"_s)->isEnabled());
    QCOMPARE(List(2)->itemText(2), u"Телефон 4 (поз.3): 3 (Дозвон/Соединение: ТревогиТревожные)"_s);

    // Only a call without connection: alarms only.
    ChooseDelivery(2);
    QCOMPARE(Phone(1).value(1), 1);
    QCOMPARE(List(2)->itemText(0), u"Телефон 2 (поз.1): 1 (Дозвон/Соединение: ТревогиТревожные)"_s);
    QVERIFY(!Find<QCheckBox>(u"CheckBoxConnectAlarmService"_s)->isEnabled());

    // Back to a call with connection: nothing is restored.
    ChooseDelivery(0);
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(Phone(p).value(1), 1);
    QVERIFY(protocolGroup->isEnabled());
    QCOMPARE(protocolGroup->captionColour(), QColor(128, 0, 0));
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAll"_s)->isEnabled());

    // Straight to "Только звонок без соединения": every connected phone in modes 2..4 becomes 1 at once.
    SetPhone(1, 2, u"1"_s);
    SetPhone(2, 3, u"2"_s);
    SetPhone(3, 4, u"3"_s);
    m_f->window->Redraw_All();
    ChooseDelivery(2);
    QCOMPARE((QList<qint32>{Phone(1).value(1), Phone(2).value(1), Phone(3).value(1), Phone(5).value(1)}),
             (QList<qint32>{1, 1, 1, 7}));
    for (int row = 0; row < 4; ++row)
        QVERIFY(List(2)->itemText(row).endsWith(u"(Дозвон/Соединение: ТревогиТревожные)"_s));
}

void TestGsmPage::protocolAndDelivery_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("storedProtocol");
    QTest::addColumn<int>("storedTransparency");
    QTest::addColumn<int>("storedDelivery");

    QTest::newRow("v.34 transparent") << 2 << 0 << 0 << u"v.34"_s << true << 2 << 0 << 0;
    QTest::newRow("auto opaque") << 0 << 1 << 1 << u"Автоопр."_s << false << 0 << 1 << 1;
    QTest::newRow("v.110") << 4 << 0 << 2 << u"v.110"_s << true << 4 << 0 << 2;
    QTest::newRow("protocol above 4") << 7 << 0 << 0 << u"v.110"_s << false << 4 << 1 << 0;
    QTest::newRow("delivery above 2") << 1 << 0 << 5 << u"v.32"_s << true << 1 << 0 << 0;
    QTest::newRow("transparency above 1") << 3 << 3 << 0 << u"v.120"_s << false << 3 << 1 << 0;
}

void TestGsmPage::protocolAndDelivery()
{
    QFETCH(int, protocol);
    QFETCH(int, transparency);
    QFETCH(int, delivery);
    m_f->working.record(Cmd::dp).setValue(1, protocol);
    m_f->working.record(Cmd::dp).setValue(2, transparency);
    m_f->working.record(Cmd::ds).setValue(1, delivery);
    m_f->window->Redraw_All();
    QTEST(Find<QComboBox>(u"ComboBoxGSM_Protocol"_s)->currentText(), "shown");
    QTEST(Find<QCheckBox>(u"CheckBoxGSM_Transparent"_s)->isChecked(), "ticked");
    // The delivery is put right in the model by the redraw itself.
    QTEST(m_f->working.record(Cmd::ds).value(1), "storedDelivery");
    QTEST(Find<QComboBox>(u"ComboBoxGSM_DataMode"_s)->currentIndex(), "storedDelivery");
    QVERIFY(!Find<QComboBox>(u"ComboBoxGSM_DataMode"_s)->isEditable());
    m_f->window->UnLoad_All();
    QTEST(m_f->working.record(Cmd::dp).value(1), "storedProtocol");
    QTEST(m_f->working.record(Cmd::dp).value(2), "storedTransparency");
}

void TestGsmPage::sortedOnSave()
{
    SetPhone(1, 0, QString());
    SetPhone(2, 1, u"A"_s);
    SetPhone(3, 5, u"B"_s);
    SetPhone(4, 1, u"C"_s);
    SetPhone(5, 7, u"D"_s);
    SetPhone(6, 6, u"E"_s);
    SetPhone(7, 4, u"F"_s);
    SetPhone(8, 5, u"G"_s);
    m_f->window->Redraw_All();
    m_f->window->UnLoad_All();

    QStringList numbers;
    QList<qint32> modes;
    QList<qint32> entries;
    for (int p = 1; p <= 9; ++p) {
        numbers.append(Phone(p).text(2));
        modes.append(Phone(p).value(1));
        entries.append(Phone(p).number());
    }
    QCOMPARE(modes, (QList<qint32>{7, 6, 5, 5, 1, 1, 4, 0, 0}));
    QCOMPARE(numbers,
             (QStringList{u"D"_s, u"E"_s, u"B"_s, u"G"_s, u"A"_s, u"C"_s, u"F"_s, QString(), QString()}));
    // Each phone keeps its entry number; only the order changes.
    QCOMPARE(entries, (QList<qint32>{5, 6, 3, 8, 2, 4, 7, 1, 9}));
    // The page shows the sorted order at once.
    QCOMPARE(List(1)->itemText(0), u"Телефон 1 (поз.1): D (Дозвон: Дежурные режимы)"_s);
    QCOMPARE(List(2)->itemText(0), u"Телефон 5 (поз.5): A (Дозвон/Соединение: ТревогиТревожные)"_s);
}

void TestGsmPage::listColours()
{
    SetPhone(1, 7, u"1"_s);
    SetPhone(2, 1, u"2"_s);
    m_f->window->Redraw_All();
    QCOMPARE(HighlightedColour(List(1)), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(HighlightedColour(List(2)), QColor(0xAA, 0xAA, 0xFF));
    List(1)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(HighlightedColour(List(1)), QColor(255, 255, 0));
    List(2)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(HighlightedColour(List(2)), QColor(255, 255, 0));
    // Leaving a list gives it its own colour back.
    QCOMPARE(HighlightedColour(List(1)), QColor(0xC0, 0xFF, 0xC0));
    m_number->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(HighlightedColour(List(2)), QColor(0xAA, 0xAA, 0xFF));
    QCOMPARE(HighlightedColour(List(0)), WindowColour());
}

void TestGsmPage::fixLeadsToPhone()
{
    // After the save's sort the duty phone without number stands first, the connected one second.
    SetPhone(1, 1, u"1"_s);
    SetPhone(2, 0, QString());
    SetPhone(3, 3, QString());
    m_f->window->Redraw_All();
    m_f->window->UnLoad_All();
    m_f->window->PagesParam()->setCurrentIndex(0);

    m_f->questions->Then(ModalResult::Retry);
    QVERIFY(!m_f->window->RunCheck(CheckId::DialGSM));
    QCOMPARE(m_f->questions->asked().constFirst().headline,
             u"Не заданы номера для задействованных телефонов."_s);
    QCOMPARE(m_f->window->PagesParam()->currentWidget(), m_page->tab());
    QCOMPARE(List(2)->itemIndex(), 1);
    QCOMPARE(List(0)->itemIndex(), -1);
    QCOMPARE(m_page->GSM_FindTempPhone(), 2);
    QTRY_VERIFY(List(2)->hasFocus());
    QVERIFY(Find<QCheckBox>(u"CheckBoxConnectAlarmLockUnlock"_s)->isChecked());

    m_number->setFocus();
    QTest::keyClicks(m_number, u"+7"_s);
    QCOMPARE(Phone(2).text(2), u"+7"_s);
    QVERIFY(m_f->window->RunCheck(CheckId::DialGSM));
}

void TestGsmPage::fixLeadsToFullSet()
{
    SetPhone(1, 5, u"1"_s);
    SetPhone(2, 6, u"2"_s);
    SetPhone(3, 7, u"3"_s);
    m_f->window->Redraw_All();
    ClickRow(List(1), 2);
    m_f->window->PagesParam()->setCurrentIndex(0);

    m_f->questions->Then(ModalResult::Retry);
    QVERIFY(!m_f->window->RunCheck(CheckId::DialGSM));
    QCOMPARE(m_f->questions->asked().constFirst().headline,
             u"Не задан полный набор телефонов для передачи сообщений по дозвону без соединения."_s);
    QCOMPARE(List(1)->itemIndex(), 0);
    QTRY_VERIFY(List(1)->hasFocus());
    QCOMPARE(m_page->GSM_FindTempPhone(), 1);

    // One connected phone completes the set.
    SetPhone(4, 1, u"4"_s);
    QVERIFY(m_f->window->RunCheck(CheckId::DialGSM));
}

void TestGsmPage::fixLeadsToNumberField()
{
    // A number that would not read back (a blank in it) leads to the number field of its phone, whose
    // list becomes the active one without taking the focus itself.
    SetPhone(1, 7, u"1"_s);
    SetPhone(2, 2, u"2"_s);
    SetPhone(3, 1, u"3 3"_s);
    m_f->window->Redraw_All();
    ClickRow(List(1), 0);
    m_f->window->PagesParam()->setCurrentIndex(0);

    m_f->questions->Then(ModalResult::Retry);
    QVERIFY(!m_f->window->RunCheck(CheckId::ReadBack));
    QCOMPARE(m_f->questions->asked().size(), 1);
    QCOMPARE(m_f->window->PagesParam()->currentWidget(), m_page->tab());
    QCOMPARE(List(2)->itemIndex(), 1);
    QCOMPARE(List(1)->itemIndex(), -1);
    QCOMPARE(m_page->GSM_FindTempPhone(), 3);
    QVERIFY(m_number->isEnabled());
    QCOMPARE(m_number->text(), u"3 3"_s);
    QTRY_VERIFY(m_number->hasFocus());

    m_number->setText(u"33"_s);
    QCOMPARE(Phone(3).text(2), u"33"_s);
    QVERIFY(m_f->window->RunCheck(CheckId::ReadBack));
}

QTEST_MAIN(TestGsmPage)
#include "tst_gsm_page.moc"
