// The page "SMS": item texts and ticks of the nine phones, ticking and unticking, the message sets and
// the number of the selected phone, the stored forms of the character set and sending mode, and the
// way "Исправить" leads back to a phone without number.
#include "editor_fixture.h"
#include "list_clicks.h"

#include "dialogs/modal_result.h"
#include "pages/sms_page.h"
#include "widgets/caption_group.h"
#include "widgets/check_list_box.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace orva;
using namespace orva::test;
using namespace Qt::StringLiterals;

class TestSmsPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void itemTexts_data();
    void itemTexts();
    void tickingUnusedPhoneGivesAlarms();
    void untickingKeepsNumber();
    void doubleClickInvertsTick();
    void tickActsOnItsOwnRow();
    void radioButtonStoresMessageSet();
    void numberEditStoresSelectedPhone();
    void nothingSelectedDisablesFields();
    void storedSwitches_data();
    void storedSwitches();
    void aliasStoredWhole();
    void fixLeadsToPhoneWithoutNumber();

private:
    T_Command &Phone(int p) { return m_f->working.record(Cmd::sn, p); }
    template <typename W> W *Find(const char *name) const
    {
        return m_f->window->findChild<W *>(QString::fromLatin1(name));
    }
    void ShowSmsPage() { m_f->window->PagesParam()->setCurrentWidget(m_page->tab()); }

    std::unique_ptr<EditorFixture> m_f;
    SmsPage *m_page = nullptr;
    CheckListBox *m_list = nullptr;
    QLineEdit *m_number = nullptr;
};

void TestSmsPage::init()
{
    m_f = std::make_unique<EditorFixture>();
    QVERIFY(m_f->ShowActive());
    m_page = PageAs<SmsPage>(*m_f->window, PageSlot::SMS);
    m_list = Find<CheckListBox>("ListSMSPhones");
    m_number = Find<QLineEdit>("EditSMSPhoneNumber");
    QVERIFY(m_list && m_number);
    ShowSmsPage();
}

void TestSmsPage::cleanup()
{
    m_f.reset();
}

void TestSmsPage::itemTexts_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ticked");

    QTest::newRow("set 3 with number")
        << 3 << u"+79001234567"_s << u"Телефон 3: +79001234567 (Тревожные + Постановка/Снятие)"_s << true;
    QTest::newRow("set 1 without number") << 1 << QString() << u"Телефон 3: (Тревожные)"_s << true;
    QTest::newRow("set 2") << 2 << u"12"_s << u"Телефон 3: 12 (Тревожные + Служебные)"_s << true;
    QTest::newRow("set 4") << 4 << u"*#1"_s << u"Телефон 3: *#1 (Все сообщения)"_s << true;
    QTest::newRow("unused with number") << 0 << u"555"_s << u"Телефон 3: 555 (не используется)"_s << false;
    QTest::newRow("unused") << 0 << QString() << u"Телефон 3: (не используется)"_s << false;
    QTest::newRow("outside 1..4") << 7 << QString() << u"Телефон 3: (не используется)"_s << false;
}

void TestSmsPage::itemTexts()
{
    QFETCH(int, value);
    QFETCH(QString, number);
    QFETCH(QString, text);
    QFETCH(bool, ticked);

    Phone(3).setValue(1, value);
    Phone(3).setText(2, number);
    m_f->window->Redraw_All();
    QCOMPARE(m_list->count(), 9);
    QCOMPARE(m_list->itemText(2), text);
    QCOMPARE(m_list->checked(2), ticked);
    QCOMPARE(m_list->itemText(0), u"Телефон 1: (не используется)"_s);
}

void TestSmsPage::tickingUnusedPhoneGivesAlarms()
{
    m_f->window->Redraw_All();
    ClickRow(m_list, 4);
    QCOMPARE(m_list->itemIndex(), 4);
    QVERIFY(!m_number->isEnabled());
    QVERIFY(!Find<CaptionGroup>("GroupBoxSMSMode")->isEnabled());

    ClickTick(m_list, 4);
    QVERIFY(m_list->checked(4));
    QCOMPARE(Phone(5).value(1), 1);
    QVERIFY(Find<QRadioButton>("RadioButtonSMSAlarm")->isChecked());
    QVERIFY(m_number->isEnabled());
    QVERIFY(Find<QWidget>("LabelSMSPhoneNumber")->isEnabled());
    auto *group = Find<CaptionGroup>("GroupBoxSMSMode");
    QVERIFY(group->isEnabled());
    QCOMPARE(group->captionColour(), QColor(128, 0, 0));
    QCOMPARE(m_list->itemText(4), u"Телефон 5: (Тревожные)"_s);
}

void TestSmsPage::untickingKeepsNumber()
{
    Phone(2).setValue(1, 1);
    Phone(2).setText(2, u"+7123"_s);
    m_f->window->Redraw_All();
    ClickRow(m_list, 1);
    QCOMPARE(m_number->text(), u"+7123"_s);

    ClickTick(m_list, 1);
    QCOMPARE(Phone(2).value(1), 0);
    QCOMPARE(Phone(2).text(2), u"+7123"_s);
    QVERIFY(!m_number->isEnabled());
    QCOMPARE(m_list->itemText(1), u"Телефон 2: +7123 (не используется)"_s);
    QCOMPARE(Find<CaptionGroup>("GroupBoxSMSMode")->captionColour(), QColor(128, 128, 128));

    ClickTick(m_list, 1);
    QCOMPARE(Phone(2).value(1), 1);
    QCOMPARE(Phone(2).text(2), u"+7123"_s);
    QVERIFY(m_number->isEnabled());
    QCOMPARE(m_number->text(), u"+7123"_s);
    QCOMPARE(m_list->itemText(1), u"Телефон 2: +7123 (Тревожные)"_s);
}

void TestSmsPage::doubleClickInvertsTick()
{
    m_f->window->Redraw_All();
    DoubleClickRow(m_list, 6);
    QVERIFY(m_list->checked(6));
    QCOMPARE(Phone(7).value(1), 1);
    DoubleClickRow(m_list, 6);
    QVERIFY(!m_list->checked(6));
    QCOMPARE(Phone(7).value(1), 0);
}

void TestSmsPage::tickActsOnItsOwnRow()
{
    Phone(1).setValue(1, 2);
    Phone(1).setText(2, u"1"_s);
    m_f->window->Redraw_All();
    ClickRow(m_list, 0);
    // A click on the box of another row selects that row and ticks it.
    ClickTick(m_list, 5);
    QCOMPARE(m_list->itemIndex(), 5);
    QCOMPARE(Phone(6).value(1), 1);
    QCOMPARE(Phone(1).value(1), 2);
    QVERIFY(m_list->checked(0));
    QVERIFY(m_number->text().isEmpty());
    QVERIFY(m_number->isEnabled());
}

void TestSmsPage::radioButtonStoresMessageSet()
{
    Phone(1).setValue(1, 1);
    Phone(1).setText(2, u"1"_s);
    m_f->window->Redraw_All();
    ClickRow(m_list, 0);
    ClickButton(Find<QRadioButton>("RadioButtonSMSAll"));
    QCOMPARE(Phone(1).value(1), 4);
    QCOMPARE(m_list->itemText(0), u"Телефон 1: 1 (Все сообщения)"_s);
    ClickButton(Find<QRadioButton>("RadioButtonSMSAlarmService"));
    QCOMPARE(Phone(1).value(1), 2);

    // Another phone shows its own set; its redraw stores nothing new.
    Phone(8).setValue(1, 3);
    m_f->window->Redraw_All();
    ClickRow(m_list, 7);
    QVERIFY(Find<QRadioButton>("RadioButtonSMSAlarmLock")->isChecked());
    QCOMPARE(Phone(8).value(1), 3);
    QCOMPARE(Phone(1).value(1), 2);
}

void TestSmsPage::numberEditStoresSelectedPhone()
{
    Phone(9).setValue(1, 2);
    m_f->window->Redraw_All();
    ClickRow(m_list, 8);
    m_number->setFocus();
    QTest::keyClicks(m_number, u"+7a9-1"_s);
    QCOMPARE(Phone(9).text(2), u"+791"_s);
    QCOMPARE(m_list->itemText(8), u"Телефон 9: +791 (Тревожные + Служебные)"_s);
    QCOMPARE(Phone(8).text(2), QString());
}

void TestSmsPage::nothingSelectedDisablesFields()
{
    Phone(1).setValue(1, 4);
    Phone(1).setText(2, u"77"_s);
    m_f->window->Redraw_All();
    QCOMPARE(m_list->itemIndex(), -1);
    QVERIFY(!m_number->isEnabled());
    QVERIFY(m_number->text().isEmpty());
    for (const char *name : {"RadioButtonSMSAlarm", "RadioButtonSMSAlarmService", "RadioButtonSMSAlarmLock",
                             "RadioButtonSMSAll"}) {
        QVERIFY(!Find<QRadioButton>(name)->isChecked());
        QVERIFY(!Find<QRadioButton>(name)->isEnabled());
    }
    // A redraw without a selection stores nothing.
    QCOMPARE(Phone(1).text(2), u"77"_s);
    QCOMPARE(Phone(1).value(1), 4);
}

void TestSmsPage::storedSwitches_data()
{
    QTest::addColumn<int>("sk");
    QTest::addColumn<int>("sg");
    QTest::addColumn<int>("storedSk");
    QTest::addColumn<int>("storedSg");
    QTest::addColumn<bool>("cyrillic");
    QTest::addColumn<bool>("duplicate");

    QTest::newRow("0 0") << 0 << 0 << 0 << 0 << false << false;
    QTest::newRow("1 1") << 1 << 1 << 1 << 1 << true << true;
    QTest::newRow("1 0") << 1 << 0 << 1 << 0 << true << false;
    QTest::newRow("2 2") << 2 << 2 << 0 << 0 << false << false;
    QTest::newRow("-1 7") << -1 << 7 << 0 << 0 << false << false;
}

void TestSmsPage::storedSwitches()
{
    QFETCH(int, sk);
    QFETCH(int, sg);
    m_f->working.record(Cmd::sk).setValue(1, sk);
    m_f->working.record(Cmd::sg).setValue(1, sg);
    m_f->window->Redraw_All();
    QTEST(Find<QRadioButton>("RB_SMS_Cyrillic")->isChecked(), "cyrillic");
    QCOMPARE(Find<QRadioButton>("RB_SMS_Translit")->isChecked(),
             !Find<QRadioButton>("RB_SMS_Cyrillic")->isChecked());
    QTEST(Find<QRadioButton>("RB_SMS_ModeDouble")->isChecked(), "duplicate");
    m_f->window->UnLoad_All();
    QTEST(m_f->working.record(Cmd::sk).value(1), "storedSk");
    QTEST(m_f->working.record(Cmd::sg).value(1), "storedSg");
}

void TestSmsPage::aliasStoredWhole()
{
    // A file may bring a longer alias than typing allows; it is shown and stored whole.
    m_f->working.record(Cmd::oa).setText(1, u"Склад_номер_12"_s);
    m_f->window->Redraw_All();
    auto *alias = Find<QLineEdit>("E_SMS_Name");
    QCOMPARE(alias->text(), u"Склад_номер_12"_s);
    alias->setText(u"Офис"_s);
    m_f->window->UnLoad_All();
    QCOMPARE(m_f->working.record(Cmd::oa).text(1), u"Офис"_s);
}

void TestSmsPage::fixLeadsToPhoneWithoutNumber()
{
    Phone(2).setValue(1, 1);
    Phone(2).setText(2, u"1"_s);
    Phone(4).setValue(1, 3);
    // The user stands on another page with an unticked phone selected here.
    ClickRow(m_list, 0);
    m_f->window->Redraw_All();
    m_f->window->PagesParam()->setCurrentIndex(0);

    m_f->questions->Then(ModalResult::Retry);
    QVERIFY(!m_f->window->RunCheck(CheckId::SMS));
    QCOMPARE(m_f->questions->asked().size(), 1);
    QCOMPARE(m_f->questions->asked().constFirst().headline,
             u"Не заданы номера для задействованных телефонов."_s);
    QCOMPARE(m_f->window->PagesParam()->currentWidget(), m_page->tab());
    QCOMPARE(m_list->itemIndex(), 3);
    QVERIFY(m_number->isEnabled());
    QTRY_VERIFY(m_number->hasFocus());
    QCOMPARE(Find<QRadioButton>("RadioButtonSMSAlarmLock")->isChecked(), true);

    // A number makes the check pass; an unticked phone without number never fails it.
    QTest::keyClicks(m_number, u"+7"_s);
    QVERIFY(m_f->window->RunCheck(CheckId::SMS));
}

QTEST_MAIN(TestSmsPage)
#include "tst_sms_page.moc"
