// The page "Режимы": the fixture shown and stored back, the reserve-only controls following the mode that
// is entered, numbers beyond the up-downs' ranges kept as typed, emptied fields stored as 0, and the
// "Запрещена постановка..." box that the GPRS switch drives.
#include "page_probe.h"

#include "pages/mode_page.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_colouring.h"
#include "widgets/up_down.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

using namespace orva;
using namespace orva::test;

namespace {

const QStringList ReserveOnly = {
    QStringLiteral("L_Mode_SIMDelay_1"),  QStringLiteral("L_Mode_SIMDelay_2"),
    QStringLiteral("E_Mode_SIMDelay"),    QStringLiteral("UD_Mode_SIMDelay"),
    QStringLiteral("L_Mode_SIM_Master1"), QStringLiteral("L_Mode_SIM_Master2"),
    QStringLiteral("CB_Mode_SIM_Master"),
};

// True when every reserve-only control has the given enabled state.
bool ReserveOnlyEnabled(const TForm2 &window, bool enabled)
{
    for (const QString &name : ReserveOnly) {
        const QWidget *control = Find<QWidget>(window, name);
        if (!control || control->isEnabled() != enabled)
            return false;
    }
    return true;
}

QString Text(const TForm2 &window, const char *name)
{
    return Find<QLineEdit>(window, QString::fromLatin1(name))->text();
}

QCheckBox *Box(const TForm2 &window, const char *name)
{
    return Find<QCheckBox>(window, QString::fromLatin1(name));
}

} // namespace

class ModePageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixtureShownAndStoredBack();
    void upDownsKeepTheirOwnRanges();
    void reserveModeEnablesItsControls();
    void symmetricModeShowsAndStoresTheDisabledValues();
    void enteringAModeEnablesOrDisables();
    void accessibleToggleEnablesAsAClickDoes();
    void modeLabelEntersTheTickedMode();
    void mainCardHighlightsItsLabels();
    void emptiedExitDelayStoredAsZero();
    void emptiedReturnDelayLeavesAttempts();
    void typedNumberBeyondTheUpDownStays();
    void boxesStored_data();
    void boxesStored();
    void lockNoGprsFollowsTheGprsSwitch();
    void lockNoGprsTagIsTheUsersChoice();
};

void ModePageTest::fixtureShownAndStoredBack()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    const TForm2 &w = *f.window;
    QCOMPARE(Text(w, "E_Mode_ExitDelay"), QStringLiteral("120"));
    QCOMPARE(Find<UpDown>(w, QStringLiteral("UD_Mode_ExitDelay"))->position(), 120);
    QCOMPARE(Text(w, "E_Mode_SIMDelay"), QStringLiteral("30"));
    QCOMPARE(Find<UpDown>(w, QStringLiteral("UD_Mode_SIMDelay"))->position(), 30);
    QCOMPARE(Text(w, "E_Mode_SIM_CountConect"), QStringLiteral("7"));
    QCOMPARE(Find<UpDown>(w, QStringLiteral("UD_Mode_SIM_CountConect"))->position(), 7);
    QVERIFY(Find<QRadioButton>(w, QStringLiteral("RB_Mode_SIMRezerv"))->isChecked());
    QVERIFY(!Find<QRadioButton>(w, QStringLiteral("RB_Mode_SIMSymmetr"))->isChecked());
    QCOMPARE(Find<QComboBox>(w, QStringLiteral("CB_Mode_SIM_Master"))->currentText(), QStringLiteral("2"));
    QVERIFY(Box(w, "CB_Mode_LockNoGPRS")->isChecked()); // GPRS is on in the fixture
    QVERIFY(Box(w, "CB_Mode_LockNoGPRS")->isEnabled());
    QVERIFY(!Box(w, "CB_Mode_LogEnable")->isChecked());
    QVERIFY(!Box(w, "CB_Mode_UnlockMode")->isChecked());
    QVERIFY(Box(w, "CB_Mode_EnterEnable")->isChecked());

    T_Command_DEVICE loaded;
    loaded = f.working;
    f.window->UnLoad_All();
    for (const quint8 code : {Cmd::ca, Cmd::cm, Cmd::ms, Cmd::es, Cmd::em, Cmd::xo, Cmd::ci, Cmd::lf})
        QVERIFY2(SameRecord(f.working.record(code), loaded.record(code)),
                 qPrintable(CommandRowOf(code).code.toString()));
}

void ModePageTest::upDownsKeepTheirOwnRanges()
{
    EditorFixture f;
    const struct
    {
        const char *name;
        int min, max;
    } ranges[] = {
        {"UD_Mode_ExitDelay", 1, 180}, {"UD_Mode_SIMDelay", 1, 120}, {"UD_Mode_SIM_CountConect", 1, 20}};
    for (const auto &r : ranges) {
        const auto *upDown = Find<UpDown>(*f.window, QString::fromLatin1(r.name));
        QVERIFY(upDown);
        QCOMPARE(upDown->minimum(), r.min);
        QCOMPARE(upDown->maximum(), r.max);
    }
}

void ModePageTest::reserveModeEnablesItsControls()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QVERIFY(ReserveOnlyEnabled(*f.window, false)); // factory: symmetric
    OpenLines(f, {QStringLiteral("cm-2.45")});
    QVERIFY(Find<QRadioButton>(*f.window, QStringLiteral("RB_Mode_SIMRezerv"))->isChecked());
    QVERIFY(ReserveOnlyEnabled(*f.window, true));
    QCOMPARE(Text(*f.window, "E_Mode_SIMDelay"), QStringLiteral("45"));
    // The attempts stay enabled in both modes.
    QVERIFY(Find<QWidget>(*f.window, QStringLiteral("E_Mode_SIM_CountConect"))->isEnabled());
    OpenLines(f, {QStringLiteral("cm-1.45")});
    QVERIFY(ReserveOnlyEnabled(*f.window, false));
    QVERIFY(Find<QWidget>(*f.window, QStringLiteral("E_Mode_SIM_CountConect"))->isEnabled());
}

void ModePageTest::symmetricModeShowsAndStoresTheDisabledValues()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    OpenLines(f, {QStringLiteral("cm-1.77"), QStringLiteral("ms-1")});
    QVERIFY(Find<QRadioButton>(*f.window, QStringLiteral("RB_Mode_SIMSymmetr"))->isChecked());
    QCOMPARE(Text(*f.window, "E_Mode_SIMDelay"), QStringLiteral("77"));
    QCOMPARE(Find<QComboBox>(*f.window, QStringLiteral("CB_Mode_SIM_Master"))->currentIndex(), 1);
    f.working.record(Cmd::cm).setValue(2, 1);
    f.working.record(Cmd::ms).setValue(1, 0);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::cm).value(1), 1);
    QCOMPARE(f.working.record(Cmd::cm).value(2), 77);
    QCOMPARE(f.working.record(Cmd::ms).value(1), 1);
}

void ModePageTest::enteringAModeEnablesOrDisables()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    auto *reserve = Find<QRadioButton>(*f.window, QStringLiteral("RB_Mode_SIMRezerv"));
    auto *symmetric = Find<QRadioButton>(*f.window, QStringLiteral("RB_Mode_SIMSymmetr"));
    QTest::mouseClick(reserve, Qt::LeftButton, {}, QPoint(6, reserve->height() / 2));
    QVERIFY(reserve->isChecked());
    QCOMPARE(QApplication::focusWidget(), reserve);
    QVERIFY(ReserveOnlyEnabled(*f.window, true));
    QCOMPARE(f.window->LastFocused(PageSlot::Mode), reserve);
    QCOMPARE(HighlightedColour(reserve), Colours::Focused);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::cm).value(1), 2);

    QTest::mouseClick(symmetric, Qt::LeftButton, {}, QPoint(6, symmetric->height() / 2));
    QVERIFY(symmetric->isChecked());
    QVERIFY(ReserveOnlyEnabled(*f.window, false));
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::cm).value(1), 1);

    // Entering alone (the focus arriving by Tab) enables as well.
    QVERIFY(Enter(reserve));
    QVERIFY(ReserveOnlyEnabled(*f.window, true));
}

void ModePageTest::modeLabelEntersTheTickedMode()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    OpenLines(f, {QStringLiteral("cm-2.15")});
    auto *label = Find<QLabel>(*f.window, QStringLiteral("L_Mode_SIMModeSelect"));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("RB_Mode_SIMRezerv"));

    OpenLines(f, {QStringLiteral("cm-1.15")});
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("RB_Mode_SIMSymmetr"));
    QVERIFY(ReserveOnlyEnabled(*f.window, false));
}

void ModePageTest::mainCardHighlightsItsLabels()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    OpenLines(f, {QStringLiteral("cm-2.15")});
    auto *master = Find<QComboBox>(*f.window, QStringLiteral("CB_Mode_SIM_Master"));
    const QLabel *labels[] = {Find<QLabel>(*f.window, QStringLiteral("L_Mode_SIM_Master1")),
                              Find<QLabel>(*f.window, QStringLiteral("L_Mode_SIM_Master2"))};
    QVERIFY(Enter(master));
    QCOMPARE(HighlightedColour(master), Colours::Focused);
    for (const QLabel *label : labels)
        QCOMPARE(HighlightedColour(label), Colours::Focused);
    QVERIFY(Enter(Find<QWidget>(*f.window, QStringLiteral("E_Mode_SIMDelay"))));
    QCOMPARE(HighlightedColour(master), WindowColour());
    for (const QLabel *label : labels)
        QCOMPARE(HighlightedColour(label), ButtonFaceColour());
}

void ModePageTest::emptiedExitDelayStoredAsZero()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    Find<FieldEdit>(*f.window, QStringLiteral("E_Mode_ExitDelay"))->clear();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::xo).value(1), 0);
}

void ModePageTest::emptiedReturnDelayLeavesAttempts()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    Find<FieldEdit>(*f.window, QStringLiteral("E_Mode_SIMDelay"))->clear();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::cm).value(2), 0);
    QCOMPARE(f.working.record(Cmd::cm).value(1), 2);
    QCOMPARE(f.working.record(Cmd::ca).value(1), 7);
}

void ModePageTest::typedNumberBeyondTheUpDownStays()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    auto *edit = Find<FieldEdit>(*f.window, QStringLiteral("E_Mode_ExitDelay"));
    auto *upDown = Find<UpDown>(*f.window, QStringLiteral("UD_Mode_ExitDelay"));
    QVERIFY(Enter(edit));
    edit->selectAll();
    Type(edit, QStringLiteral("5000"));
    QCOMPARE(edit->text(), QStringLiteral("500")); // three digits
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::xo).value(1), 500);
    // Stepping starts from the up-down's maximum.
    upDown->step(+1);
    QCOMPARE(edit->text(), QStringLiteral("180"));
    edit->setText(QStringLiteral("500"));
    upDown->step(-1);
    QCOMPARE(edit->text(), QStringLiteral("179"));
}

void ModePageTest::boxesStored_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("code");
    QTest::newRow("log") << "CB_Mode_LogEnable" << int(Cmd::lf);
    QTest::newRow("unlock") << "CB_Mode_UnlockMode" << int(Cmd::es);
    QTest::newRow("enter") << "CB_Mode_EnterEnable" << int(Cmd::em);
    QTest::newRow("lock without GPRS") << "CB_Mode_LockNoGPRS" << int(Cmd::ci);
}

void ModePageTest::boxesStored()
{
    QFETCH(QString, box);
    QFETCH(int, code);
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    OpenLines(f, {QStringLiteral("sm-1")});
    auto *check = Find<QCheckBox>(*f.window, box);
    const bool before = check->isChecked();
    QCOMPARE(f.working.record(quint8(code)).value(1), before ? 1 : 0);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QCOMPARE(check->isChecked(), !before);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(quint8(code)).value(1), before ? 0 : 1);
}

void ModePageTest::lockNoGprsFollowsTheGprsSwitch()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("ci-1")});
    QCheckBox *lock = Box(*f.window, "CB_Mode_LockNoGPRS");
    auto *gprs = Find<QCheckBox>(*f.window, QStringLiteral("CB_GPRS_Active"));
    QVERIFY(lock->isChecked());
    QVERIFY(lock->isEnabled());

    // GPRS off: unticked and greyed, and a save stores ci 0.
    QTest::mouseClick(gprs, Qt::LeftButton, {}, QPoint(6, gprs->height() / 2));
    QVERIFY(!gprs->isChecked());
    QVERIFY(!lock->isChecked());
    QVERIFY(!lock->isEnabled());
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::ci).value(1), 0);
    QCOMPARE(f.working.record(Cmd::sm).value(1), 0);

    // GPRS on again: the box is ticked again, because it was ticked before.
    QTest::mouseClick(gprs, Qt::LeftButton, {}, QPoint(6, gprs->height() / 2));
    QVERIFY(lock->isEnabled());
    QVERIFY(lock->isChecked());
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::ci).value(1), 1);
}

void ModePageTest::lockNoGprsTagIsTheUsersChoice()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("ci-1")});
    auto *mode = PageAs<ModePage>(*f.window, PageSlot::Mode);
    QCheckBox *lock = Box(*f.window, "CB_Mode_LockNoGPRS");
    QCOMPARE(mode->LockNoGPRSTag(), 1);
    QTest::mouseClick(lock, Qt::LeftButton, {}, QPoint(6, lock->height() / 2));
    QVERIFY(!lock->isChecked());
    QCOMPARE(mode->LockNoGPRSTag(), 0);
    // Off and on again: the user's "unticked" is kept.
    auto *gprs = Find<QCheckBox>(*f.window, QStringLiteral("CB_GPRS_Active"));
    gprs->click();
    gprs->click();
    QVERIFY(lock->isEnabled());
    QVERIFY(!lock->isChecked());
    // A file with GPRS off: the box is greyed and unticked although ci is 1; switching GPRS on ticks it.
    OpenLines(f, {QStringLiteral("sm-0"), QStringLiteral("ci-1")});
    QVERIFY(!lock->isEnabled());
    QVERIFY(!lock->isChecked());
    QCOMPARE(mode->LockNoGPRSTag(), 1);
    gprs->click();
    QVERIFY(lock->isChecked());
}

// A screen reader ticks "резервированный" by its action, without the focus: the reserve-only
// controls follow as for a click.
void ModePageTest::accessibleToggleEnablesAsAClickDoes()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabMode")));
    auto *reserve = Find<QRadioButton>(*f.window, QStringLiteral("RB_Mode_SIMRezerv"));
    auto *symmetric = Find<QRadioButton>(*f.window, QStringLiteral("RB_Mode_SIMSymmetr"));
    QVERIFY(symmetric->isChecked());
    QVERIFY(ReserveOnlyEnabled(*f.window, false));
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(reserve)->actionInterface();
    QVERIFY(actions);
    const QString action = actions->actionNames().contains(QAccessibleActionInterface::toggleAction())
                               ? QAccessibleActionInterface::toggleAction()
                               : QAccessibleActionInterface::pressAction();
    actions->doAction(action);
    QTRY_VERIFY(reserve->isChecked());
    QVERIFY(!reserve->hasFocus());
    QVERIFY(ReserveOnlyEnabled(*f.window, true));
}

QTEST_MAIN(ModePageTest)
#include "tst_mode_page.moc"
