// The page "Реле": row texts, no relay selected at start, modes and on-times stored at once, the
// clamped on-time, "Замок" and the hidden zone controls, the activation boxes, and the check.
#include "list_clicks.h"
#include "list_pages_support.h"

#include "pages/rele_page.h"
#include "widgets/caption_group.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/up_down.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace orva;

namespace {

struct RelaysFixture : ListPageFixture
{
    bool Start() { return ListPageFixture::Start("TabRele"); }

    QListWidget *List() const { return Find<QListWidget>("L_Rele_Reles"); }
    QString RowText(int relay) const { return List()->item(relay - 1)->text(); }
    QRadioButton *Button(const char *name) const { return Find<QRadioButton>(name); }
    FieldEdit *Delay() const { return Find<FieldEdit>("E_Rele_Delay"); }
    QWidget *Tab() const { return Find<QWidget>("TabRele"); }
    qint32 Mode(int relay) const { return working.record(Cmd::rm, relay).value(1); }
    qint32 OnTime(int relay) const { return working.record(Cmd::rm, relay).value(2); }
    // The user clicks a row's text: it becomes the selected one.
    void Select(int relay) const { test::ClickRow(List(), relay - 1); }
    QList<int> Zones(int relay) const
    {
        QList<int> zones;
        for (int zone = 1; zone <= 4; ++zone) {
            if (working.RelayHasZone(relay, zone))
                zones << zone;
        }
        return zones;
    }
};

} // namespace

class RelePageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultRowsAndNoSelection();
    void modeButtonsStoreAtOnce_data();
    void modeButtonsStoreAtOnce();
    void smsHidesTheOnTime();
    void zeroOnTimeIsShownAndStoredAsOne();
    void onTimeTypedIsStored();
    void lockLeavesTheFirstZone();
    void showingALockRelayKeepsItsZones();
    void zoneControlsStayHidden();
    void activationBoxes();
    void emptiedOnTimeFailsTheCheckWithItsDefault();
    void fixSelectsTheRelayAndFocusesTheOnTime();
};

void RelePageTest::defaultRowsAndNoSelection()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.RowText(1), QStringLiteral("Реле 1 (Сирена 1, 90 сек.)"));
    QCOMPARE(f.RowText(2), QStringLiteral("Реле 2 (Транспарант-охрана, 90 сек.)"));
    QCOMPARE(f.RowText(3), QStringLiteral("Реле 3 (SMS)"));
    QCOMPARE(f.RowText(4), QStringLiteral("Реле 4 (SMS)"));
    QVERIFY(f.List()->selectedItems().isEmpty());
    // The group stays enabled with a grey caption; its buttons and the on-time are disabled.
    auto *group = f.Find<CaptionGroup>("GroupBoxReleMode");
    QVERIFY(group->isEnabled());
    QCOMPARE(group->captionColour(), Colours::GroupDisabled);
    for (QRadioButton *button : group->findChildren<QRadioButton *>()) {
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
    }
    QVERIFY(f.Delay()->isVisible());
    QVERIFY(!f.Delay()->isEnabled());
    QCOMPARE(f.Delay()->text(), QStringLiteral("90"));
    // No picture before a relay is chosen.
    QVERIFY(!f.Find<QWidget>("ImageRele")->isVisible());
    QVERIFY(!f.Find<QWidget>("LabelReleImage1")->isVisible());
    // Showing the page changed none of the relay commands (other pages store their own forms as they are
    // drawn).
    T_Command_DEVICE defaults;
    defaults.ResetToDefaults();
    for (quint8 code : {Cmd::rm, Cmd::br, Cmd::tb, Cmd::rz}) {
        for (qsizetype i = 0; i < defaults.records(code).size(); ++i)
            QVERIFY(SameRecord(f.working.records(code)[i], defaults.records(code)[i]));
    }
}

void RelePageTest::modeButtonsStoreAtOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("row");
    QTest::newRow("ПЦН - пожар") << QStringLiteral("RB_RelePCNFire") << 6
                                 << QStringLiteral("Реле 1 (ПЦН - пожар, 90 сек.)");
    QTest::newRow("Сирена 2 - пожар")
        << QStringLiteral("RB_ReleSirena2Fire") << 9 << QStringLiteral("Реле 1 (Сирена 2 - пожар, 90 сек.)");
    QTest::newRow("Замок") << QStringLiteral("RB_ReleLocker") << 10 << QStringLiteral("Реле 1 (Замок)");
    QTest::newRow("SMS") << QStringLiteral("RB_ReleSMS") << 0 << QStringLiteral("Реле 1 (SMS)");
}

void RelePageTest::modeButtonsStoreAtOnce()
{
    QFETCH(QString, button);
    QFETCH(int, mode);
    QFETCH(QString, row);
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Select(1);
    QVERIFY(f.Button("RB_ReleSirena1")->isChecked());
    QCOMPARE(f.Find<CaptionGroup>("GroupBoxReleMode")->captionColour(), Colours::GroupEnabled);
    test::ClickButton(f.Find<QRadioButton>(button));
    QCOMPARE(f.Mode(1), mode);
    QCOMPARE(f.OnTime(1), 90);
    QCOMPARE(f.RowText(1), row);
}

void RelePageTest::smsHidesTheOnTime()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Select(2);
    QVERIFY(f.Delay()->isVisibleTo(f.Tab()));
    QVERIFY(f.Delay()->isEnabled());
    test::ClickButton(f.Button("RB_ReleSMS"));
    QVERIFY(!f.Delay()->isVisibleTo(f.Tab()));
    QVERIFY(!f.Find<QWidget>("UD_Rele_Delay")->isVisibleTo(f.Tab()));
    QVERIFY(!f.Find<QWidget>("L_Rele_Delay1")->isVisibleTo(f.Tab()));
    // The stored on-time stays, and the check skips it.
    QCOMPARE(f.OnTime(2), 90);
    f.working.record(Cmd::rm, 2).setValue(2, 0);
    QVERIFY(f.window->RunCheck(CheckId::Rele));
    QCOMPARE(f.questions->asked().size(), 0);
}

void RelePageTest::zeroOnTimeIsShownAndStoredAsOne()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    // Two relays with on-time 0, shown one after the other: the second finds "1" in the field already.
    f.working.record(Cmd::rm, 1).setValue(2, 0);
    f.working.record(Cmd::rm, 2).setValue(2, 0);
    f.window->Redraw_All();
    QCOMPARE(f.RowText(1), QStringLiteral("Реле 1 (Сирена 1, 0 сек.)"));
    f.Select(1);
    QCOMPARE(f.Delay()->text(), QStringLiteral("1"));
    QCOMPARE(f.OnTime(1), 1);
    QCOMPARE(f.RowText(1), QStringLiteral("Реле 1 (Сирена 1, 1 сек.)"));
    f.Select(2);
    QCOMPARE(f.Delay()->text(), QStringLiteral("1"));
    QCOMPARE(f.OnTime(2), 1);
    QVERIFY(f.window->RunCheck(CheckId::Rele));
}

void RelePageTest::onTimeTypedIsStored()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Select(1);
    f.Delay()->setFocus();
    f.Delay()->selectAll();
    Type(f.Delay(), QStringLiteral("120"));
    QCOMPARE(f.OnTime(1), 120);
    QCOMPARE(f.RowText(1), QStringLiteral("Реле 1 (Сирена 1, 120 сек.)"));
    // The up-down steps from what the field holds.
    f.Find<UpDown>("UD_Rele_Delay")->step(1);
    QCOMPARE(f.OnTime(1), 121);
}

void RelePageTest::lockLeavesTheFirstZone()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("rz2-2,3")});
    f.Select(2);
    QCOMPARE(f.Zones(2), (QList<int>{2, 3}));
    test::ClickButton(f.Button("RB_ReleLocker"));
    QCOMPARE(f.Mode(2), 10);
    QCOMPARE(f.Zones(2), QList<int>{2});
    // The lock shows its single zone by the radio buttons.
    QVERIFY(f.Find<QRadioButton>("RB_Rele_Zone2")->isChecked());
    QVERIFY(!f.Find<QCheckBox>("CB_Rele_Zone3")->isChecked());
    // The other relays keep theirs.
    QCOMPARE(f.Zones(1), QList<int>{1});
}

void RelePageTest::showingALockRelayKeepsItsZones()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("rm2-10.30"), QStringLiteral("rz1-1,2"), QStringLiteral("rz2-3,4")});
    // Relay 1 (zones 1 and 2) shown first: its zones are still on the zone controls when the lock's
    // button is ticked for relay 2.
    f.Select(1);
    f.Select(2);
    QVERIFY(f.Button("RB_ReleLocker")->isChecked());
    QCOMPARE(f.Zones(2), (QList<int>{3, 4}));
    QCOMPARE(f.Zones(1), (QList<int>{1, 2}));
    QCOMPARE(f.RowText(2), QStringLiteral("Реле 2 (Замок)"));
}

void RelePageTest::zoneControlsStayHidden()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    auto *zones = f.Find<QWidget>("GB_Rele_Zone");
    QVERIFY(!zones->isVisibleTo(f.Tab()));
    f.Select(1);
    test::ClickButton(f.Button("RB_ReleLocker"));
    test::ClickButton(f.Button("RB_ReleLamp"));
    f.Select(3);
    QVERIFY(!zones->isVisibleTo(f.Tab()));
}

void RelePageTest::activationBoxes()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Load({QStringLiteral("br-1"), QStringLiteral("tb-0")});
    auto *kts = f.Find<QCheckBox>("CB_Rele_ActiveKTS");
    auto *tamper = f.Find<QCheckBox>("CB_Rele_ActiveTamper");
    QCOMPARE(kts->text(), QStringLiteral("Активация реле при нарушении шлейфа КТС"));
    QVERIFY(kts->isChecked());
    QVERIFY(!tamper->isChecked());
    test::ClickButton(kts);
    test::ClickButton(tamper);
    // Stored by the page's store step only.
    QCOMPARE(f.working.record(Cmd::br).value(1), 1);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::br).value(1), 0);
    QCOMPARE(f.working.record(Cmd::tb).value(1), 1);
}

void RelePageTest::emptiedOnTimeFailsTheCheckWithItsDefault()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.Select(4);
    test::ClickButton(f.Button("RB_ReleLamp"));
    f.Delay()->setFocus();
    f.Delay()->selectAll();
    QTest::keyClick(f.Delay(), Qt::Key_Delete);
    QCOMPARE(f.OnTime(4), 0);
    f.questions->Then(ModalResult::Ok);
    QVERIFY(f.window->RunCheck(CheckId::Rele));
    QCOMPARE(f.questions->asked().size(), 1);
    const Question &asked = f.questions->asked().at(0);
    QCOMPARE(asked.headline, QStringLiteral("Недопустимая величина времени работы реле."));
    QCOMPARE(asked.hint, QStringLiteral("Время работы может быть задано в диапазоне 1..999 секунд"));
    QVERIFY(asked.offerDefault);
    QCOMPARE(f.OnTime(4), 90);
    // The page is the visible one, so it was redrawn.
    QCOMPARE(f.Delay()->text(), QStringLiteral("90"));
    QCOMPARE(f.RowText(4), QStringLiteral("Реле 4 (Лампа, 90 сек.)"));
}

void RelePageTest::fixSelectsTheRelayAndFocusesTheOnTime()
{
    RelaysFixture f;
    QVERIFY(f.Start());
    f.window->PagesParam()->setCurrentIndex(0);
    f.working.record(Cmd::rm, 3).setValue(1, 3);
    f.working.record(Cmd::rm, 3).setValue(2, 1000);
    f.questions->Then(ModalResult::Retry);
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabRele"));
    QCOMPARE(f.List()->currentRow(), 2);
    QVERIFY(f.Button("RB_ReleLamp")->isChecked());
    QCOMPARE(QApplication::focusWidget(), f.Delay());
    // 1000 is shown as it is, for the user to correct: no value the user never chose is stored.
    QCOMPARE(f.Delay()->text(), QStringLiteral("1000"));
    QCOMPARE(f.OnTime(3), 1000);
}

QTEST_MAIN(RelePageTest)
#include "tst_rele_page.moc"
