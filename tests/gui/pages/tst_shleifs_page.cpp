// The page "Шлейфы": row texts, no loop selected at start, every loop edit stored at once (unticking,
// ticking, mode buttons, delay, alias), what showing a loop changes, the alarm repeats, and the way
// back from a failed check.
#include "list_clicks.h"
#include "list_pages_support.h"

#include "pages/shleifs_page.h"
#include "widgets/caption_group.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace orva;

namespace {

struct LoopsFixture : ListPageFixture
{
    bool Start() { return ListPageFixture::Start("TabShleifs"); }

    QListWidget *List() const { return Find<QListWidget>("L_Shleif_Shleifs"); }
    QListWidgetItem *Row(int loop) const { return List()->item(loop - 1); }
    QRadioButton *Button(const char *name) const { return Find<QRadioButton>(name); }
    FieldEdit *Delay() const { return Find<FieldEdit>("E_Shleif_Delay"); }
    FieldEdit *Name() const { return Find<FieldEdit>("E_Shleif_Name"); }
    qint32 Mode(int loop) const { return working.record(Cmd::lm, loop).value(1); }
    qint32 DelayOf(int loop) const { return working.record(Cmd::lm, loop).value(2); }
    // The user clicks a row's text: it becomes the selected one.
    void Select(int loop) const { test::ClickRow(List(), loop - 1); }
    // The user clicks a row's tick box.
    void ClickBox(int loop) const { test::ClickTick(List(), loop - 1); }
};

} // namespace

class ShleifsPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultRowsAndNoSelection();
    void untickingStoresNotUsed();
    void tickingAgainStoresTheTickedButton_data();
    void tickingAgainStoresTheTickedButton();
    void patrolLeavesTheZoneAndKtsComesBack();
    void aliasAndDelayInTheRowText();
    void emptyDelayStoresZero();
    void showingModeThirteenMakesModeOne_data();
    void showingModeThirteenMakesModeOne();
    void delayControlsFollowTheMode();
    void doubleClickTogglesTheRow();
    void alarmRepeats_data();
    void alarmRepeats();
    void fixSelectsTheLoopAndFocusesTheDelay();
};

void ShleifsPageTest::defaultRowsAndNoSelection()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    const QStringList expected = {
        QStringLiteral("Шлейф 1(охранный с задержкой 90 сек.)"),
        QStringLiteral("Шлейф 2(охранный проходной)"),
        QStringLiteral("Шлейф 3(охранный без задержки)"),
        QStringLiteral("Шлейф 4(пожарный тип 2 (с контрольным сбросом))"),
    };
    for (int loop = 1; loop <= 4; ++loop) {
        QCOMPARE(f.Row(loop)->text(), expected[loop - 1]);
        QCOMPARE(f.Row(loop)->checkState(), Qt::Checked);
    }
    // Nothing selected: the group is disabled with a grey caption, no button ticked, the delay shows 90.
    QVERIFY(f.List()->selectedItems().isEmpty());
    auto *group = f.Find<CaptionGroup>("GB_Shleif_Type");
    QVERIFY(!group->isEnabled());
    QCOMPARE(group->captionColour(), Colours::GroupDisabled);
    for (QRadioButton *button : group->findChildren<QRadioButton *>())
        QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
    QCOMPARE(f.Delay()->text(), QStringLiteral("90"));
    QVERIFY(f.Delay()->isVisible());
    QVERIFY(!f.Delay()->isEnabled());
    // Showing the page changed none of the loop commands (other pages store their own forms as they are
    // drawn).
    T_Command_DEVICE defaults;
    defaults.ResetToDefaults();
    for (quint8 code : {Cmd::la, Cmd::lm, Cmd::lc, Cmd::zn}) {
        for (qsizetype i = 0; i < defaults.records(code).size(); ++i)
            QVERIFY(SameRecord(f.working.records(code)[i], defaults.records(code)[i]));
    }
}

void ShleifsPageTest::untickingStoresNotUsed()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    f.ClickBox(3);
    QCOMPARE(f.Mode(3), 7);
    QCOMPARE(f.DelayOf(3), 0);
    QCOMPARE(f.working.ZoneOfLoop(3), 0);
    QCOMPARE(f.Row(3)->text(), QStringLiteral("Шлейф 3(не используется)"));
    QCOMPARE(f.Row(3)->checkState(), Qt::Unchecked);
    QVERIFY(!f.Find<CaptionGroup>("GB_Shleif_Type")->isEnabled());
    // The other loops stay in zone 1.
    QCOMPARE(f.working.ZoneOfLoop(2), 1);
    QCOMPARE(f.working.ZoneOfLoop(4), 1);
}

void ShleifsPageTest::tickingAgainStoresTheTickedButton_data()
{
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("delay");
    // Loop 3 is "охранный без задержки", loop 1 "охранный с задержкой". Unticked and ticked again, a
    // loop is back in its mode with the delay it had (the factory's 90), as if never touched.
    QTest::newRow("without delay") << 3 << 2 << 90;
    QTest::newRow("with delay") << 1 << 1 << 90;
}

void ShleifsPageTest::tickingAgainStoresTheTickedButton()
{
    QFETCH(int, loop);
    QFETCH(int, mode);
    QFETCH(int, delay);
    LoopsFixture f;
    QVERIFY(f.Start());
    f.ClickBox(loop);
    QCOMPARE(f.Mode(loop), 7);
    f.ClickBox(loop);
    QCOMPARE(f.Mode(loop), mode);
    QCOMPARE(f.DelayOf(loop), delay);
    QCOMPARE(f.working.ZoneOfLoop(loop), 1);
    QCOMPARE(f.Row(loop)->checkState(), Qt::Checked);
    QVERIFY(f.Find<CaptionGroup>("GB_Shleif_Type")->isEnabled());
}

void ShleifsPageTest::patrolLeavesTheZoneAndKtsComesBack()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    f.Select(2);
    test::ClickButton(f.Button("RB_Shleif_Patrol"));
    QCOMPARE(f.Mode(2), 14);
    QCOMPARE(f.working.ZoneOfLoop(2), 0);
    QCOMPARE(f.Row(2)->text(), QStringLiteral("Шлейф 2(ПАТРУЛЬ)"));
    test::ClickButton(f.Button("RB_Shleif_GuardKTS"));
    QCOMPARE(f.Mode(2), 6);
    QCOMPARE(f.working.ZoneOfLoop(2), 1);
    QCOMPARE(f.Row(2)->text(), QStringLiteral("Шлейф 2(охранный КТС)"));
}

void ShleifsPageTest::aliasAndDelayInTheRowText()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    f.Select(1);
    f.Name()->setFocus();
    Type(f.Name(), QStringLiteral("Вход"));
    f.Delay()->setFocus();
    f.Delay()->selectAll();
    Type(f.Delay(), QStringLiteral("30"));
    QCOMPARE(f.working.record(Cmd::la, 1).text(1), QStringLiteral("Вход"));
    QCOMPARE(f.DelayOf(1), 30);
    QCOMPARE(f.Row(1)->text(), QStringLiteral("Шлейф 1: \"Вход\"(охранный с задержкой 30 сек.)"));
}

void ShleifsPageTest::emptyDelayStoresZero()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    f.Select(1);
    f.Delay()->setFocus();
    f.Delay()->selectAll();
    QTest::keyClick(f.Delay(), Qt::Key_Delete);
    QCOMPARE(f.DelayOf(1), 0);
    QCOMPARE(f.Row(1)->text(), QStringLiteral("Шлейф 1(охранный с задержкой 0 сек.)"));
}

void ShleifsPageTest::showingModeThirteenMakesModeOne_data()
{
    QTest::addColumn<int>("shownBefore");
    // Whether "охранный с задержкой" was ticked before (loop 1 shown) or not (nothing shown) makes no
    // difference.
    QTest::newRow("first loop shown") << 0;
    QTest::newRow("after a delay loop") << 1;
    QTest::newRow("after another loop") << 2;
}

void ShleifsPageTest::showingModeThirteenMakesModeOne()
{
    QFETCH(int, shownBefore);
    LoopsFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("lm3-13.45")});
    QCOMPARE(f.Mode(3), 13);
    QCOMPARE(f.Row(3)->text(), QStringLiteral("Шлейф 3(не используется)"));
    QCOMPARE(f.Row(3)->checkState(), Qt::Checked);
    if (shownBefore)
        f.Select(shownBefore);
    f.Select(3);
    QCOMPARE(f.Mode(3), 1);
    QCOMPARE(f.DelayOf(3), 45);
    QVERIFY(f.Button("RB_Shleif_GuardDelay")->isChecked());
    QCOMPARE(f.Row(3)->text(), QStringLiteral("Шлейф 3(охранный с задержкой 45 сек.)"));
}

void ShleifsPageTest::delayControlsFollowTheMode()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    QWidget *tab = f.Find<QWidget>("TabShleifs");
    f.Select(2);
    QVERIFY(f.Button("RB_Shleif_GuardWalk")->isChecked());
    QVERIFY(!f.Delay()->isVisibleTo(tab));
    QVERIFY(f.Name()->isEnabled());
    test::ClickButton(f.Button("RB_Shleif_Fixed"));
    QVERIFY(f.Delay()->isVisibleTo(tab));
    QVERIFY(f.Delay()->isEnabled());
    QCOMPARE(f.Mode(2), 16);
    QCOMPARE(f.DelayOf(2), 90);
    QCOMPARE(f.Row(2)->text(), QStringLiteral("Шлейф 2(охранный с фиксированной задержкой 90 сек.)"));
}

void ShleifsPageTest::doubleClickTogglesTheRow()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    f.Select(4);
    QListWidget *list = f.List();
    // On the row's text, right of its check box.
    const QPoint onText = list->visualItemRect(f.Row(4)).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onText);
    QCOMPARE(f.Row(4)->checkState(), Qt::Unchecked);
    QCOMPARE(f.Mode(4), 7);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onText);
    QCOMPARE(f.Row(4)->checkState(), Qt::Checked);
    QCOMPARE(f.Mode(4), 12);
}

void ShleifsPageTest::alarmRepeats_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("index");
    QTest::newRow("all") << QStringLiteral("lc-0") << 0;
    QTest::newRow("five") << QStringLiteral("lc-5") << 5;
    QTest::newRow("nine") << QStringLiteral("lc-9") << 9;
}

void ShleifsPageTest::alarmRepeats()
{
    QFETCH(QString, line);
    QFETCH(int, index);
    LoopsFixture f;
    QVERIFY(f.Start());
    f.Load({line});
    auto *box = f.Find<QComboBox>("CB_Shleif_AlarmRepeat");
    QCOMPARE(box->count(), 10);
    QCOMPARE(box->itemText(0), QStringLiteral("Все"));
    QCOMPARE(box->currentIndex(), index);
    // The value waits for the store step.
    box->setCurrentIndex(3);
    QCOMPARE(f.working.record(Cmd::lc).value(1), index);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::lc).value(1), 3);
}

void ShleifsPageTest::fixSelectsTheLoopAndFocusesTheDelay()
{
    LoopsFixture f;
    QVERIFY(f.Start());
    f.window->PagesParam()->setCurrentIndex(0);
    f.working.record(Cmd::lm, 2).setValue(1, 16);
    f.working.record(Cmd::lm, 2).setValue(2, 0);
    f.questions->Then(ModalResult::Retry);
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Недопустимая величина времени задержки сработки по шлейфу."));
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabShleifs"));
    QCOMPARE(f.List()->currentRow(), 1);
    QVERIFY(f.Button("RB_Shleif_Fixed")->isChecked());
    QCOMPARE(QApplication::focusWidget(), f.Delay());
    // The delay is shown as it is, for the user to correct: no value the user never chose is stored.
    QCOMPARE(f.DelayOf(2), 0);
    QCOMPARE(f.Delay()->text(), QStringLiteral("0"));
}

QTEST_MAIN(ShleifsPageTest)
#include "tst_shleifs_page.moc"
