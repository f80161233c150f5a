// The page "Индикация": the fixture shown and stored back, the duty message box with its default
// period, the track bar's label, the blank labels that toggle their boxes, the hidden zone box.
#include "page_probe.h"

#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_colouring.h"
#include "widgets/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

using namespace orva;
using namespace orva::test;

namespace {

const QStringList DutyPeriodControls = {
    QStringLiteral("E_Indic_DutyDelay"), QStringLiteral("UD_Indic_DutyDelay"),
    QStringLiteral("L_Indic_DutyDelay_1"), QStringLiteral("L_Indic_DutyDelay_2")};

bool DutyPeriodEnabled(const TForm2 &window, bool enabled)
{
    for (const QString &name : DutyPeriodControls) {
        const QWidget *control = Find<QWidget>(window, name);
        if (!control || control->isEnabled() != enabled)
            return false;
    }
    return true;
}

} // namespace

class IndicPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixtureShownAndStoredBack();
    void upDownRanges();
    void dutyOffShowsTheDefaultAndTickingStoresIt();
    void dutyBoxClickEnablesThePeriod();
    void periodTypedWhileOffIsNotStored();
    void trackBarLabel();
    void blankLabelTogglesItsBox_data();
    void blankLabelTogglesItsBox();
    void enteringABoxColoursItsBlankLabel();
    void emptiedOnTimeStoredAsZero();
    void zoneBoxIsHiddenAndStoresAtOnce();
};

void IndicPageTest::fixtureShownAndStoredBack()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    const TForm2 &w = *f.window;
    QVERIFY(Find<QCheckBox>(w, QStringLiteral("CB_Indic_DutyActive"))->isChecked());
    QVERIFY(DutyPeriodEnabled(w, true));
    QCOMPARE(Find<FieldEdit>(w, QStringLiteral("E_Indic_DutyDelay"))->text(), QStringLiteral("12"));
    QCOMPARE(Find<UpDown>(w, QStringLiteral("UD_Indic_DutyDelay"))->position(), 12);
    QCOMPARE(Find<FieldEdit>(w, QStringLiteral("E_Indic_ExtIndic"))->text(), QStringLiteral("300"));
    QCOMPARE(Find<UpDown>(w, QStringLiteral("UD_Indic_ExtIndic"))->position(), 300);
    QCOMPARE(Find<QSlider>(w, QStringLiteral("TB_Indic_IntZummer"))->value(), 3);
    QCOMPARE(Find<QLabel>(w, QStringLiteral("L_Indic_IntZummer_3"))->text(), QStringLiteral(" (3)"));
    QVERIFY(!Find<QCheckBox>(w, QStringLiteral("CB_Indic_ExtZumm"))->isChecked());
    QCOMPARE(Find<QComboBox>(w, QStringLiteral("CB_Indic_Zone"))->currentIndex(), 2);

    T_Command_DEVICE loaded;
    loaded = f.working;
    f.window->UnLoad_All();
    for (const quint8 code : {Cmd::om, Cmd::el, Cmd::ez, Cmd::bv, Cmd::eb})
        QVERIFY2(SameRecord(f.working.record(code), loaded.record(code)),
                 qPrintable(CommandRowOf(code).code.toString()));
}

void IndicPageTest::upDownRanges()
{
    EditorFixture f;
    const auto *duty = Find<UpDown>(*f.window, QStringLiteral("UD_Indic_DutyDelay"));
    const auto *indicator = Find<UpDown>(*f.window, QStringLiteral("UD_Indic_ExtIndic"));
    const auto *volume = Find<QSlider>(*f.window, QStringLiteral("TB_Indic_IntZummer"));
    QCOMPARE(duty->minimum(), 1);
    QCOMPARE(duty->maximum(), 48);
    QCOMPARE(indicator->minimum(), 1);
    QCOMPARE(indicator->maximum(), 999);
    QCOMPARE(volume->minimum(), 0);
    QCOMPARE(volume->maximum(), 4);
    QCOMPARE(volume->pageStep(), 1);
}

void IndicPageTest::dutyOffShowsTheDefaultAndTickingStoresIt()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    OpenLines(f, {QStringLiteral("om-0")});
    auto *box = Find<QCheckBox>(*f.window, QStringLiteral("CB_Indic_DutyActive"));
    QVERIFY(!box->isChecked());
    QVERIFY(DutyPeriodEnabled(*f.window, false));
    QCOMPARE(Find<FieldEdit>(*f.window, QStringLiteral("E_Indic_DutyDelay"))->text(), QStringLiteral("24"));
    QCOMPARE(Find<UpDown>(*f.window, QStringLiteral("UD_Indic_DutyDelay"))->position(), 24);
    // Stored unticked: 0.
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::om).value(1), 0);
    // Ticking without touching the period stores 24.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(box->isChecked());
    QVERIFY(DutyPeriodEnabled(*f.window, true));
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::om).value(1), 24);
}

void IndicPageTest::dutyBoxClickEnablesThePeriod()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    auto *box = Find<QCheckBox>(*f.window, QStringLiteral("CB_Indic_DutyActive"));
    QVERIFY(box->isChecked()); // factory: 24 hours
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(DutyPeriodEnabled(*f.window, false));
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QVERIFY(DutyPeriodEnabled(*f.window, true));
}

void IndicPageTest::periodTypedWhileOffIsNotStored()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    auto *edit = Find<FieldEdit>(*f.window, QStringLiteral("E_Indic_DutyDelay"));
    QVERIFY(Enter(edit));
    edit->selectAll();
    Type(edit, QStringLiteral("36"));
    Find<QCheckBox>(*f.window, QStringLiteral("CB_Indic_DutyActive"))->click();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::om).value(1), 0);
    Find<QCheckBox>(*f.window, QStringLiteral("CB_Indic_DutyActive"))->click();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::om).value(1), 36);
    // A period emptied while ticked is stored as 0 and so switches the duty message off.
    edit->clear();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::om).value(1), 0);
}

void IndicPageTest::trackBarLabel()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    auto *bar = Find<QSlider>(*f.window, QStringLiteral("TB_Indic_IntZummer"));
    auto *label = Find<QLabel>(*f.window, QStringLiteral("L_Indic_IntZummer_3"));
    QCOMPARE(label->text(), QStringLiteral(" (1)"));
    QVERIFY(Enter(bar));
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), 3);
    QCOMPARE(label->text(), QStringLiteral(" (3)"));
    // The model has the volume only after the next store.
    QCOMPARE(f.working.record(Cmd::bv).value(1), 1);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::bv).value(1), 3);
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(bar->value(), 4); // page size 1
    QCOMPARE(label->text(), QStringLiteral(" (4)"));
}

void IndicPageTest::blankLabelTogglesItsBox_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("code");
    QTest::newRow("duty") << "L_Indic_DutyActive_2"
                          << "CB_Indic_DutyActive" << int(Cmd::om);
    QTest::newRow("external buzzer") << "L_Indic_ExtZummerActive_3"
                                     << "CB_Indic_ExtZumm" << int(Cmd::eb);
}

void IndicPageTest::blankLabelTogglesItsBox()
{
    QFETCH(QString, label);
    QFETCH(QString, box);
    QFETCH(int, code);
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    auto *blank = Find<QLabel>(*f.window, label);
    auto *check = Find<QCheckBox>(*f.window, box);
    QVERIFY(blank->text().isEmpty());
    QVERIFY(check->isChecked());
    QTest::mouseClick(blank, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!check->isChecked());
    QCOMPARE(QApplication::focusWidget(), check);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(quint8(code)).value(1), 0);
    QTest::mouseClick(blank, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(check->isChecked());
}

void IndicPageTest::enteringABoxColoursItsBlankLabel()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    auto *box = Find<QCheckBox>(*f.window, QStringLiteral("CB_Indic_ExtZumm"));
    auto *blank = Find<QLabel>(*f.window, QStringLiteral("L_Indic_ExtZummerActive_3"));
    QVERIFY(Enter(box));
    QCOMPARE(HighlightedColour(box), Colours::Focused);
    QCOMPARE(HighlightedColour(blank), Colours::Focused);
    QCOMPARE(f.window->LastFocused(PageSlot::Indic), box);
    QVERIFY(Enter(Find<QWidget>(*f.window, QStringLiteral("E_Indic_ExtIndic"))));
    QCOMPARE(HighlightedColour(box), ButtonFaceColour());
    QCOMPARE(HighlightedColour(blank), ButtonFaceColour());
}

void IndicPageTest::emptiedOnTimeStoredAsZero()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    Find<FieldEdit>(*f.window, QStringLiteral("E_Indic_ExtIndic"))->clear();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::el).value(1), 0);
}

void IndicPageTest::zoneBoxIsHiddenAndStoresAtOnce()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabRezervAndSignal")));
    auto *zone = Find<QComboBox>(*f.window, QStringLiteral("CB_Indic_Zone"));
    QCOMPARE(zone->count(), 5);
    QCOMPARE(zone->itemText(0), QStringLiteral("нет раздела"));
    QCOMPARE(zone->itemText(4), QStringLiteral("раздел 4"));
    for (const char *name : {"CB_Indic_Zone", "L_Indic_Zone1", "L_Indic_Zone3"})
        QVERIFY(!Find<QWidget>(*f.window, QString::fromLatin1(name))->isVisible());
    QCOMPARE(zone->currentIndex(), 1); // the model's default zone
    zone->setCurrentIndex(3);
    QCOMPARE(f.working.record(Cmd::ez).value(1), 3);
}

QTEST_MAIN(IndicPageTest)
#include "tst_indic_page.moc"
