// The page "SMS-К": the key boxes and their captions, at most five keys per phone, the counter and the
// progress bar, the stored key list and number, and the way "Исправить" leads back to a phone.
#include "../../support/typing.h"
#include "editor_fixture.h"
#include "list_clicks.h"

#include "dialogs/modal_result.h"
#include "pages/smsk_page.h"
#include "widgets/caption_group.h"
#include "widgets/check_list_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>

using namespace orva;
using namespace orva::test;
using namespace Qt::StringLiterals;

class TestSmskPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void counterText_data();
    void counterText();
    void keyBoxesInColumns();
    void nothingSelectedDisablesEverything();
    void fifthKeyDisablesTheOthers();
    void keysStoredAscending();
    void untickingLastKeyClearsNumber();
    void numberWithoutKeysGoesOnSelection();
    void keyCaptions_data();
    void keyCaptions();
    void fixLeadsToPhoneWithoutNumber();

private:
    T_Command &Phone(int p) { return m_f->working.record(Cmd::su, p); }
    QCheckBox *Key(int k) const
    {
        return m_f->window->findChild<QCheckBox *>(u"CheckBoxSMSK_"_s + (k < 10 ? u"0"_s : QString()) +
                                                   QString::number(k));
    }
    QList<qint32> Items(int p)
    {
        QList<qint32> items;
        for (int i = 1; i <= 5; ++i)
            items.append(Phone(p).item(i));
        return items;
    }
    int EnabledKeys() const
    {
        int n = 0;
        for (int k = 1; k <= 15; ++k)
            n += Key(k)->isEnabled() ? 1 : 0;
        return n;
    }

    std::unique_ptr<EditorFixture> m_f;
    SmskPage *m_page = nullptr;
    CheckListBox *m_list = nullptr;
    QLineEdit *m_number = nullptr;
    QLabel *m_counter = nullptr;
    QProgressBar *m_bar = nullptr;
};

void TestSmskPage::init()
{
    m_f = std::make_unique<EditorFixture>();
    QVERIFY(m_f->ShowActive());
    m_page = PageAs<SmskPage>(*m_f->window, PageSlot::SMSK);
    m_list = m_f->window->findChild<CheckListBox *>(u"ListSMSK_Phones"_s);
    m_number = m_f->window->findChild<QLineEdit *>(u"EditSMSK_PhoneNumber"_s);
    m_counter = m_f->window->findChild<QLabel *>(u"LabelSMS_KNumKeys"_s);
    m_bar = m_f->window->findChild<QProgressBar *>(u"ProgressBarSMSK"_s);
    QVERIFY(m_list && m_number && m_counter && m_bar);
    m_f->window->PagesParam()->setCurrentWidget(m_page->tab());
}

void TestSmskPage::cleanup()
{
    m_f.reset();
}

void TestSmskPage::counterText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << u"Выбрано 0 ключей"_s;
    QTest::newRow("1") << 1 << u"Выбран 1 ключ"_s;
    QTest::newRow("2") << 2 << u"Выбрано 2 ключа"_s;
    QTest::newRow("4") << 4 << u"Выбрано 4 ключа"_s;
    QTest::newRow("5") << 5 << u"Выбрано 5 ключей"_s;
}

void TestSmskPage::counterText()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(SmskPage::KeyCountText(n), text);

    // The same text on the page for a phone with n keys.
    for (int slot = 1; slot <= n; ++slot)
        Phone(2).setItem(slot, slot * 3);
    Phone(2).setText(2, u"1"_s);
    m_f->window->Redraw_All();
    ClickRow(m_list, 1);
    QCOMPARE(m_counter->text(), text);
    QCOMPARE(m_bar->value(), n);
    QVERIFY(!m_bar->isEnabled());
    QCOMPARE(m_bar->maximum(), 5);
}

void TestSmskPage::keyBoxesInColumns()
{
    // Keys 1-5, 6-10 and 11-15 stand in three columns of five.
    for (int k = 1; k <= 15; ++k) {
        QVERIFY(Key(k));
        QCOMPARE(Key(k)->x(), Key(1 + (k - 1) / 5 * 5)->x());
        QCOMPARE(Key(k)->y(), Key(1 + (k - 1) % 5)->y());
    }
    QVERIFY(Key(6)->x() > Key(1)->x());
    QVERIFY(Key(11)->x() > Key(6)->x());
    QVERIFY(Key(2)->y() > Key(1)->y());
}

void TestSmskPage::nothingSelectedDisablesEverything()
{
    Phone(1).setItem(1, 4);
    Phone(1).setText(2, u"+7"_s);
    m_f->window->Redraw_All();
    QCOMPARE(m_list->itemIndex(), -1);
    QCOMPARE(EnabledKeys(), 0);
    QVERIFY(!m_number->isEnabled());
    QVERIFY(m_number->text().isEmpty());
    QVERIFY(!m_counter->isEnabled());
    QCOMPARE(m_f->window->findChild<CaptionGroup *>(u"GroupBoxSMSK_Keys"_s)->captionColour(),
             QColor(128, 128, 128));
    QCOMPARE(Phone(1).text(2), u"+7"_s);
    QCOMPARE(m_list->itemText(0), u"Телефон 1: +7 (04)"_s);
}

void TestSmskPage::fifthKeyDisablesTheOthers()
{
    m_f->window->Redraw_All();
    ClickRow(m_list, 0);
    QCOMPARE(EnabledKeys(), 15);
    QCOMPARE(m_f->window->findChild<CaptionGroup *>(u"GroupBoxSMSK_Keys"_s)->captionColour(),
             QColor(128, 0, 0));
    for (int k : {2, 4, 9, 11})
        ClickButton(Key(k));
    QCOMPARE(EnabledKeys(), 15);
    ClickButton(Key(15));
    QCOMPARE(Items(1), (QList<qint32>{2, 4, 9, 11, 15}));
    QCOMPARE(EnabledKeys(), 5);
    for (int k : {2, 4, 9, 11, 15})
        QVERIFY(Key(k)->isEnabled());
    QCOMPARE(m_counter->text(), u"Выбрано 5 ключей"_s);
    QCOMPARE(m_bar->value(), 5);

    ClickButton(Key(9));
    QCOMPARE(EnabledKeys(), 15);
    QCOMPARE(Items(1), (QList<qint32>{2, 4, 11, 15, 0}));
    QCOMPARE(m_counter->text(), u"Выбрано 4 ключа"_s);
}

void TestSmskPage::keysStoredAscending()
{
    m_f->window->Redraw_All();
    ClickRow(m_list, 0);
    QVERIFY(!m_number->isEnabled());
    for (int k : {12, 3, 7})
        ClickButton(Key(k));
    QCOMPARE(Items(1), (QList<qint32>{3, 7, 12, 0, 0}));
    QCOMPARE(m_list->itemText(0), u"Телефон 1: (03,07,12)"_s);
    QVERIFY(m_number->isEnabled());
    m_number->setFocus();
    QTest::keyClicks(m_number, u"+7900"_s);
    QCOMPARE(Phone(1).text(2), u"+7900"_s);
    QCOMPARE(m_list->itemText(0), u"Телефон 1: +7900 (03,07,12)"_s);
    QCOMPARE(m_counter->text(), u"Выбрано 3 ключа"_s);
}

void TestSmskPage::untickingLastKeyClearsNumber()
{
    Phone(3).setItem(1, 6);
    Phone(3).setText(2, u"123"_s);
    m_f->window->Redraw_All();
    ClickRow(m_list, 2);
    QVERIFY(Key(6)->isChecked());
    QCOMPARE(m_number->text(), u"123"_s);
    QVERIFY(m_number->isEnabled());

    ClickButton(Key(6));
    QCOMPARE(Items(3), (QList<qint32>{0, 0, 0, 0, 0}));
    QCOMPARE(Phone(3).text(2), QString());
    QVERIFY(!m_number->isEnabled());
    QVERIFY(m_number->text().isEmpty());
    QCOMPARE(m_list->itemText(2), u"Телефон 3: "_s);
    QCOMPARE(m_counter->text(), u"Выбрано 0 ключей"_s);
}

void TestSmskPage::numberWithoutKeysGoesOnSelection()
{
    Phone(4).setText(2, u"+7111"_s);
    Phone(5).setItem(1, 1);
    Phone(5).setText(2, u"+7222"_s);
    m_f->window->Redraw_All();
    QCOMPARE(m_list->itemText(3), u"Телефон 4: +7111 "_s);
    ClickRow(m_list, 3);
    QCOMPARE(Phone(4).text(2), QString());
    QCOMPARE(m_list->itemText(3), u"Телефон 4: "_s);
    // A phone with keys keeps its number when selected.
    ClickRow(m_list, 4);
    QCOMPARE(Phone(5).text(2), u"+7222"_s);
    QCOMPARE(m_number->text(), u"+7222"_s);
    QVERIFY(Key(1)->isChecked());
    QVERIFY(!Key(2)->isChecked());
}

void TestSmskPage::keyCaptions_data()
{
    QTest::addColumn<QString>("alias"); // typed into key 4's alias field on the Keys page
    QTest::addColumn<int>("type");      // then chosen in its type box with the keys
    QTest::addColumn<QString>("caption");
    QTest::newRow("empty") << QString() << 0 << u"04"_s;
    QTest::newRow("plain") << u"Петров"_s << 0 << u"04(\"Петров\")"_s;
    QTest::newRow("duress") << u"Петров"_s << 1 << u"04(\"!Петров\")"_s;
    QTest::newRow("patrol") << u"Обход"_s << 2 << u"04(\"*Обход\")"_s;
}

void TestSmskPage::keyCaptions()
{
    QFETCH(QString, alias);
    QFETCH(int, type);
    QFETCH(QString, caption);
    m_f->working.record(Cmd::ua, 4).setText(1, u"Старое"_s);
    m_f->window->Redraw_All();
    QCOMPARE(Key(4)->text(), u"04(\"Старое\")"_s);
    QCOMPARE(Key(12)->text(), u"12"_s);

    // The user edits key 4 on the Keys page; the SMS-К caption follows at once.
    m_f->window->PagesParam()->setCurrentWidget(m_f->window->findChild<QWidget *>(u"TabKeys"_s));
    auto *name = m_f->window->findChild<QLineEdit *>(u"E_Key_Name4"_s);
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(name, Qt::Key_Backspace);
    test::Type(name, alias); // Cyrillic letters as the keyboard delivers them
    QTest::keyClick(name, Qt::Key_Tab);
    QWidget *typeBox = QApplication::focusWidget();
    QCOMPARE(typeBox->objectName(), u"CB_Key_Type4"_s);
    QTest::keyClick(typeBox, Qt::Key_Home);
    for (int i = 0; i < type; ++i)
        QTest::keyClick(typeBox, Qt::Key_Down);
    QCOMPARE(Key(4)->text(), caption);
    QCOMPARE(Key(5)->text(), u"05"_s);
}

void TestSmskPage::fixLeadsToPhoneWithoutNumber()
{
    Phone(6).setItem(1, 2);
    Phone(6).setItem(2, 14);
    Phone(8).setText(2, u"+7"_s); // no keys: never fails
    m_f->window->Redraw_All();
    m_f->window->PagesParam()->setCurrentIndex(0);

    m_f->questions->Then(ModalResult::Retry);
    QVERIFY(!m_f->window->RunCheck(CheckId::SMSK));
    QCOMPARE(m_f->questions->asked().size(), 1);
    QCOMPARE(m_f->questions->asked().constFirst().hint,
             u"Необходимо задать номера для используемых телефонов"_s);
    QCOMPARE(m_f->window->PagesParam()->currentWidget(), m_page->tab());
    QCOMPARE(m_list->itemIndex(), 5);
    QVERIFY(Key(2)->isChecked() && Key(14)->isChecked());
    QVERIFY(m_number->isEnabled());
    QTRY_VERIFY(m_number->hasFocus());
    QCOMPARE(m_f->window->LastFocused(PageSlot::SMSK), m_number);

    QTest::keyClicks(m_number, u"*1#"_s);
    QCOMPARE(Phone(6).text(2), u"*1#"_s);
    QVERIFY(m_f->window->RunCheck(CheckId::SMSK));
}

QTEST_MAIN(TestSmskPage)
#include "tst_smsk_page.moc"
