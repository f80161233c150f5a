// The page "GPRS": the fixture shown grouped and stored in the store form, the switch and its control
// list, the "=" switch, normalising the identifier and the key parts on exit, generating and clearing
// the key, and the "=" switch in the check's defaults.
#include "page_probe.h"

#include "device_model/store_form.h"
#include "pages/gprs_page.h"
#include "validation/validation.h"
#include "widgets/caption_group.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_colouring.h"
#include "widgets/picture_button.h"
#include "widgets/up_down.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>

using namespace orva;
using namespace orva::test;

namespace {

const QStringList GroupNames = {QStringLiteral("GB_GPRS_Ident"),    QStringLiteral("GB_GPRS_SIM1"),
                                QStringLiteral("GB_GPRS_SIM2"),     QStringLiteral("GB_GPRS_Param"),
                                QStringLiteral("GB_GPRS_Servers1"), QStringLiteral("GB_GPRS_Servers2")};

QLineEdit *Edit(const TForm2 &window, const QString &name)
{
    return Find<QLineEdit>(window, name);
}

QString Shown(const TForm2 &window, const QString &name)
{
    return Edit(window, name)->displayText();
}

QCheckBox *Equal(const TForm2 &window)
{
    return Find<QCheckBox>(window, QStringLiteral("CB_GPRS_Equal"));
}

QCheckBox *Active(const TForm2 &window)
{
    return Find<QCheckBox>(window, QStringLiteral("CB_GPRS_Active"));
}

void Click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Replaces the text of a field as the user does: enter, select everything, type.
void Retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->setCursorPosition(0);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    Type(edit, text);
}

const QRegularExpression KeyPartPattern(QStringLiteral("^([0-9A-F]{2}-){7}[0-9A-F]{2}$"));

} // namespace

class GprsPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixtureShown_data();
    void fixtureShown();
    void storedInTheStoreForm();
    void storedSmIsZeroOrOne_data();
    void storedSmIsZeroOrOne();
    void controlListInItsOrder();
    void switchEnablesTheControlList();
    void sameServersOpenWithEqualTicked_data();
    void sameServersOpenWithEqualTicked();
    void equalCopiesAtOnceAndMirrorsEdits();
    void addressShownWithPointsStoredWithCommas_data();
    void addressShownWithPointsStoredWithCommas();
    void identifierNormalisedOnExit_data();
    void identifierNormalisedOnExit();
    void keyPartNormalisedOnExit();
    void generatedKeys();
    void generatedKeyLeavesTheProgramGenerator();
    void clearedKey();
    void apnPointsAndCommas();
    void timingFields();
    void switchesColourTheirLabels();
    void portDefaultFollowsEqual();
    void defaultLeavesEqualUnticked();
    void addressThatIsNoAddressIsRefused_data();
    void addressThatIsNoAddressIsRefused();
};

void GprsPageTest::fixtureShown_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("identifier") << "E_GPRS_Ident"
                                << "0000-0000-12AB";
    QTest::newRow("key 1") << "E_GPRS_Key1"
                           << "01-23-45-67-89-AB-CD-EF";
    QTest::newRow("key 2") << "E_GPRS_Key2"
                           << "00-00-00-00-00-A1-B2-C3";
    QTest::newRow("key 3") << "E_GPRS_Key3"
                           << "FF-FF-FF-FF-FF-FF-FF-FF";
    QTest::newRow("key 4") << "E_GPRS_Key4"
                           << "00-00-00-00-00-00-00-01";
    QTest::newRow("APN 1") << "E_GPRS_APN1"
                           << "internet.mts.ru";
    QTest::newRow("APN 2") << "E_GPRS_APN2"
                           << "apn";
    QTest::newRow("login 1") << "E_GPRS_Login1"
                             << "user";
    QTest::newRow("login 2") << "E_GPRS_Login2"
                             << "mts";
    QTest::newRow("password 1") << "E_GPRS_Password1"
                                << "pass";
    QTest::newRow("password 2") << "E_GPRS_Password2"
                                << "secret";
    QTest::newRow("duty 1") << "E_GPRS_Duty1"
                            << "60";
    QTest::newRow("duty 2") << "E_GPRS_Duty2"
                            << "120";
    QTest::newRow("answer") << "E_GPRS_Answer"
                            << "10";
    QTest::newRow("no answer") << "E_GPRS_NoAnswer"
                               << "7";
    QTest::newRow("server 1") << "E_GPRS_Server1"
                              << "010.000.000.001";
    QTest::newRow("server 2") << "E_GPRS_Server2"
                              << "192.168.001.005";
    QTest::newRow("server 3") << "E_GPRS_Server3"
                              << "255.255.255.255";
    QTest::newRow("server 4") << "E_GPRS_Server4"
                              << "001.002.003.004";
    QTest::newRow("server 5") << "E_GPRS_Server5"
                              << "000.000.000.000";
    QTest::newRow("server 6") << "E_GPRS_Server6"
                              << "008.008.008.008";
    QTest::newRow("port 1") << "E_GPRS_Port1"
                            << "10001";
    QTest::newRow("port 3") << "E_GPRS_Port3"
                            << "65535";
    QTest::newRow("port 5") << "E_GPRS_Port5"
                            << "10003";
}

void GprsPageTest::fixtureShown()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    QVERIFY(Edit(*f.window, control));
    QCOMPARE(Shown(*f.window, control), text);
}

void GprsPageTest::storedInTheStoreForm()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    QVERIFY(Active(*f.window)->isChecked()); // sm 3
    QVERIFY(!Equal(*f.window)->isChecked());
    const auto *duty1 = Find<UpDown>(*f.window, QStringLiteral("UD_GPRS_Duty1"));
    QCOMPARE(duty1->position(), 60);

    // What the page stores without an edit is the core's store form of the file.
    T_Command_DEVICE expected;
    const FileReadResult read = ReadFileBytes(QStringLiteral(ORVA_FIXTURES_DIR "/pages/fields.ini"));
    LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), expected);
    ApplyStoreForm(expected);
    f.window->UnLoad_All();
    for (const quint8 code :
         {Cmd::sm, Cmd::ci, Cmd::gi, Cmd::gk, Cmd::ga, Cmd::gl, Cmd::gp, Cmd::gd, Cmd::gt, Cmd::gs}) {
        for (int i = 0; i < expected.records(code).size(); ++i)
            QVERIFY2(SameRecord(f.working.records(code).at(i), expected.records(code).at(i)),
                     qPrintable(CommandRowOf(code).code.toString() + QString::number(i + 1)));
    }
    QCOMPARE(f.working.record(Cmd::sm).value(1), 1);
    QCOMPARE(f.working.record(Cmd::gi).text(1), QStringLiteral("0000000012AB"));
    QCOMPARE(f.working.record(Cmd::gk, 2).text(1), QStringLiteral("0000000000A1B2C3"));
    QCOMPARE(f.working.record(Cmd::gs, 1).text(1), QStringLiteral("010,000,000,001"));
    QCOMPARE(f.working.record(Cmd::gs, 5).text(1), QStringLiteral("000,000,000,000"));
    QCOMPARE(f.working.record(Cmd::ga, 1).text(1), QStringLiteral("internet,mts,ru"));
}

void GprsPageTest::storedSmIsZeroOrOne_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("written");
    QTest::newRow("0") << 0 << false << 0;
    QTest::newRow("1") << 1 << true << 1;
    QTest::newRow("3") << 3 << true << 1;
    QTest::newRow("4") << 4 << true << 1;
}

void GprsPageTest::storedSmIsZeroOrOne()
{
    QFETCH(int, stored);
    QFETCH(bool, ticked);
    QFETCH(int, written);
    EditorFixture f;
    OpenLines(f, {QStringLiteral("sm-%1").arg(stored)});
    QCOMPARE(Active(*f.window)->isChecked(), ticked);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::sm).value(1), written);
}

void GprsPageTest::controlListInItsOrder()
{
    EditorFixture f;
    const QList<QWidget *> &list = PageAs<GprsPage>(*f.window, PageSlot::GPRS)->Controls();
    QCOMPARE(list.size(), GprsPage::ControlCount);
    const struct
    {
        int entry;
        const char *name;
    } samples[] = {{1, "GB_GPRS_Ident"},     {4, "E_GPRS_Ident"},      {9, "B_GPRS_KeyGenerate"},
                   {18, "GB_GPRS_SIM2"},     {24, "E_GPRS_Password2"}, {33, "E_GPRS_Duty1"},
                   {40, "UD_GPRS_NoAnswer"}, {48, "E_GPRS_Port1"},     {53, "E_GPRS_Server3"},
                   {54, "GB_GPRS_Servers2"}, {66, "E_GPRS_Server6"},   {67, "CB_GPRS_Equal"},
                   {69, "L_GPRS_Equal2"}};
    for (const auto &s : samples)
        QCOMPARE(list.at(s.entry - 1)->objectName(), QString::fromLatin1(s.name));
    // Everything on the page but the switch, each once.
    QVERIFY(!list.contains(Active(*f.window)));
    QCOMPARE(QSet<QWidget *>(list.begin(), list.end()).size(), GprsPage::ControlCount);
}

void GprsPageTest::switchEnablesTheControlList()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    const QList<QWidget *> &list = PageAs<GprsPage>(*f.window, PageSlot::GPRS)->Controls();
    // Factory configuration: GPRS off.
    for (QWidget *control : list)
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    for (const QString &name : GroupNames)
        QCOMPARE(Find<CaptionGroup>(*f.window, name)->captionColour(), Colours::GroupDisabled);
    QVERIFY(Active(*f.window)->isEnabled());

    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("gs4-1,1,1,1.10001")});
    QVERIFY(!Equal(*f.window)->isChecked());
    for (QWidget *control : list)
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    for (const QString &name : GroupNames)
        QCOMPARE(Find<CaptionGroup>(*f.window, name)->captionColour(), Colours::GroupEnabled);

    Click(Active(*f.window));
    for (QWidget *control : list)
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    Click(Active(*f.window));
    for (QWidget *control : list)
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
}

void GprsPageTest::sameServersOpenWithEqualTicked_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("equal");
    const QStringList sim1 = {QStringLiteral("gs1-10,0,0,1.10001"), QStringLiteral("gs2-10,0,0,2.10002"),
                              QStringLiteral("gs3-10,0,0,3.10003")};
    QTest::newRow("same") << (QStringList(sim1)
                              << QStringLiteral("gs4-10,0,0,1.10001") << QStringLiteral("gs5-10,0,0,2.10002")
                              << QStringLiteral("gs6-10,0,0,3.10003"))
                          << true;
    QTest::newRow("one port differs")
        << (QStringList(sim1) << QStringLiteral("gs4-10,0,0,1.10001") << QStringLiteral("gs5-10,0,0,2.10009")
                              << QStringLiteral("gs6-10,0,0,3.10003"))
        << false;
    QTest::newRow("one address differs")
        << (QStringList(sim1) << QStringLiteral("gs4-10,0,0,1.10001") << QStringLiteral("gs5-10,0,0,2.10002")
                              << QStringLiteral("gs6-10,0,0,4.10003"))
        << false;
    QTest::newRow("factory servers") << QStringList() << true;
}

void GprsPageTest::sameServersOpenWithEqualTicked()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, equal);
    EditorFixture f;
    OpenLines(f, QStringList(lines) << QStringLiteral("sm-1"));
    QCOMPARE(Equal(*f.window)->isChecked(), equal);
    // With "=" the SIM 2 group is greyed.
    auto *group = Find<CaptionGroup>(*f.window, QStringLiteral("GB_GPRS_Servers2"));
    QCOMPARE(group->isEnabled(), !equal);
    QCOMPARE(group->captionColour(), equal ? Colours::GroupDisabled : Colours::GroupEnabled);
    QCOMPARE(Edit(*f.window, QStringLiteral("E_GPRS_Port4"))->isEnabled(), !equal);
}

void GprsPageTest::equalCopiesAtOnceAndMirrorsEdits()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("gs1-10,0,0,1.10001"),
                  QStringLiteral("gs2-10,0,0,2.10002"), QStringLiteral("gs6-9,9,9,9.20000")});
    const TForm2 &w = *f.window;
    QVERIFY(!Equal(w)->isChecked());
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server6")), QStringLiteral("009.009.009.009"));

    // Ticking "=" copies SIM 1's servers at once and greys the SIM 2 group.
    Click(Equal(w));
    QVERIFY(Equal(w)->isChecked());
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server4")), QStringLiteral("010.000.000.001"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server5")), QStringLiteral("010.000.000.002"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server6")), QStringLiteral("000.000.000.000"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Port6")), QStringLiteral("10001"));
    QVERIFY(!Find<QWidget>(w, QStringLiteral("GB_GPRS_Servers2"))->isEnabled());
    QCOMPARE(f.working.record(Cmd::gs, 5).text(1), QStringLiteral("010,000,000,002"));

    // Later edits of SIM 1's servers reach SIM 2's fields immediately.
    Retype(Edit(w, QStringLiteral("E_GPRS_Server2")), QStringLiteral("192168001005"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server5")), QStringLiteral("192168001005"));
    // Leaving the field puts the address into its groups, in both fields.
    QVERIFY(Enter(Edit(w, QStringLiteral("E_GPRS_Port2"))));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server2")), QStringLiteral("192.168.001.005"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Server5")), QStringLiteral("192.168.001.005"));
    Retype(Edit(w, QStringLiteral("E_GPRS_Port3")), QStringLiteral("40000"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Port6")), QStringLiteral("40000"));
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::gs, 5).text(1), QStringLiteral("192,168,001,005"));
    QCOMPARE(f.working.record(Cmd::gs, 6).value(2), 40000);

    // Unticked: the group comes back and edits stay apart.
    Click(Equal(w));
    QVERIFY(Find<QWidget>(w, QStringLiteral("GB_GPRS_Servers2"))->isEnabled());
    Retype(Edit(w, QStringLiteral("E_GPRS_Port1")), QStringLiteral("12345"));
    QCOMPARE(Shown(w, QStringLiteral("E_GPRS_Port4")), QStringLiteral("10001"));
}

void GprsPageTest::addressShownWithPointsStoredWithCommas_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("commas") << "10,0,0,1"
                            << "010.000.000.001"
                            << "010,000,000,001";
    QTest::newRow("full groups") << "192,168,001,005"
                                 << "192.168.001.005"
                                 << "192,168,001,005";
    QTest::newRow("empty") << ""
                           << "000.000.000.000"
                           << "000,000,000,000";
    QTest::newRow("group above 255 kept") << "300,1,1,1"
                                          << "300.001.001.001"
                                          << "300,001,001,001";
}

void GprsPageTest::addressShownWithPointsStoredWithCommas()
{
    QFETCH(QString, read);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    EditorFixture f;
    OpenLines(f, {QStringLiteral("gs2-%1.10001").arg(read)});
    QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_Server2")), shown);
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::gs, 2).text(1), stored);
    QCOMPARE(f.working.record(Cmd::gs, 2).text(1), StoredServerAddress(read));
}

void GprsPageTest::identifierNormalisedOnExit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("12AB") << "12AB"
                          << "12AB-0000-0000"
                          << "12AB00000000";
    QTest::newRow("lower case") << "abcdef"
                                << "ABCD-EF00-0000"
                                << "ABCDEF000000";
    QTest::newRow("no hex refused") << "1g2z3"
                                    << "1230-0000-0000"
                                    << "123000000000";
    QTest::newRow("full") << "0123456789ABCDEF"
                          << "0123-4567-89AB"
                          << "0123456789AB";
}

void GprsPageTest::identifierNormalisedOnExit()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("gi-FFFFFFFFFFFF")});
    QLineEdit *ident = Edit(*f.window, QStringLiteral("E_GPRS_Ident"));
    Retype(ident, typed);
    QVERIFY(Enter(Edit(*f.window, QStringLiteral("E_GPRS_APN1"))));
    QCOMPARE(ident->displayText(), shown);
    QCOMPARE(HighlightedColour(ident), WindowColour());
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::gi).text(1), stored);
}

void GprsPageTest::keyPartNormalisedOnExit()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1")});
    QLineEdit *part = Edit(*f.window, QStringLiteral("E_GPRS_Key3"));
    Retype(part, QStringLiteral("a1b"));
    QVERIFY(Enter(Edit(*f.window, QStringLiteral("E_GPRS_Key4"))));
    QCOMPARE(part->displayText(), QStringLiteral("A1-B0-00-00-00-00-00-00"));
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::gk, 3).text(1), QStringLiteral("A1B0000000000000"));
}

void GprsPageTest::generatedKeys()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1")});
    auto *generate = Find<PictureButton>(*f.window, QStringLiteral("B_GPRS_KeyGenerate"));
    QCOMPARE(generate->tag(), -11);
    QStringList keys;
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(generate, Qt::LeftButton);
        QString key;
        for (int part = 1; part <= T_Command_DEVICE::GprsKeyPartCount; ++part) {
            const QString text = Shown(*f.window, QStringLiteral("E_GPRS_Key%1").arg(part));
            QVERIFY2(KeyPartPattern.match(text).hasMatch(), qPrintable(text));
            key += text;
        }
        keys << key;
        // The model receives the key when the page is stored.
        f.window->UnLoad_All();
        for (int part = 1; part <= T_Command_DEVICE::GprsKeyPartCount; ++part) {
            const QString stored = f.working.record(Cmd::gk, part).text(1);
            QCOMPARE(stored.size(), 16);
            QCOMPARE(stored, Shown(*f.window, QStringLiteral("E_GPRS_Key%1").arg(part)).remove(u'-'));
        }
    }
    QVERIFY(keys.at(0) != keys.at(1));
    QCOMPARE(f.window->LastFocused(PageSlot::GPRS), generate);
}

// The key's digits come from the strong random source: the program's generator is not touched and the
// key is not the one it would give from the fixture's seed 12345.
void GprsPageTest::generatedKeyLeavesTheProgramGenerator()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1")});
    f.random.seed(12345);
    auto *generate = Find<PictureButton>(*f.window, QStringLiteral("B_GPRS_KeyGenerate"));
    QTest::mouseClick(generate, Qt::LeftButton);
    QVERIFY(Shown(*f.window, QStringLiteral("E_GPRS_Key1")) != QStringLiteral("64-18-A5-71-0E-F5-3C-86"));
    QVERIFY(Shown(*f.window, QStringLiteral("E_GPRS_Key4")) != QStringLiteral("A8-9C-6F-BA-90-C4-1A-A0"));
    QCOMPARE(f.random.seedValue(), 12345u);
}

void GprsPageTest::clearedKey()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    auto *clear = Find<PictureButton>(*f.window, QStringLiteral("B_GPRS_KeyClear"));
    QCOMPARE(clear->tag(), -12);
    clear->click();
    for (int part = 1; part <= T_Command_DEVICE::GprsKeyPartCount; ++part)
        QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_Key%1").arg(part)),
                 QStringLiteral("3C-3C-3C-3C-3C-3C-3C-3C"));
    QCOMPARE(f.working.record(Cmd::gk, 1).text(1), QStringLiteral("0123456789abcdef"));
    f.window->UnLoad_All();
    for (int part = 1; part <= T_Command_DEVICE::GprsKeyPartCount; ++part)
        QCOMPARE(f.working.record(Cmd::gk, part).text(1), QStringLiteral("3C3C3C3C3C3C3C3C"));
}

void GprsPageTest::apnPointsAndCommas()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("ga2-a,b.c")});
    // The reader stops a word at a point: "a,b" is what the file gives.
    QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_APN2")), QStringLiteral("a.b"));
    Retype(Edit(*f.window, QStringLiteral("E_GPRS_APN1")), QStringLiteral("internet.beeline.ru"));
    Retype(Edit(*f.window, QStringLiteral("E_GPRS_Login1")), QStringLiteral("Log.in"));
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::ga, 1).text(1), QStringLiteral("internet,beeline,ru"));
    QCOMPARE(f.working.record(Cmd::ga, 2).text(1), QStringLiteral("a,b"));
    // Login and password are stored as typed.
    QCOMPARE(f.working.record(Cmd::gl, 1).text(1), QStringLiteral("Log.in"));
}

void GprsPageTest::timingFields()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("gt-60.100")});
    const struct
    {
        const char *upDown;
        int min, max;
    } ranges[] = {{"UD_GPRS_Duty1", 0, 900},
                  {"UD_GPRS_Duty2", 0, 900},
                  {"UD_GPRS_Answer", 5, 60},
                  {"UD_GPRS_NoAnswer", 1, 99}};
    for (const auto &r : ranges) {
        const auto *upDown = Find<UpDown>(*f.window, QString::fromLatin1(r.upDown));
        QCOMPARE(upDown->minimum(), r.min);
        QCOMPARE(upDown->maximum(), r.max);
    }
    // A value from the file longer than the field's typing limit is shown and stored whole.
    QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_NoAnswer")), QStringLiteral("100"));
    QLineEdit *duty1 = Edit(*f.window, QStringLiteral("E_GPRS_Duty1"));
    Retype(duty1, QStringLiteral("12345"));
    QCOMPARE(duty1->text(), QStringLiteral("123"));
    Edit(*f.window, QStringLiteral("E_GPRS_Answer"))->clear();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::gd).value(1), 123);
    QCOMPARE(f.working.record(Cmd::gt).value(1), 0);
    QCOMPARE(f.working.record(Cmd::gt).value(2), 100);
}

void GprsPageTest::switchesColourTheirLabels()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1")});
    auto *active = Find<QLabel>(*f.window, QStringLiteral("L_GPRS_Active"));
    auto *equal1 = Find<QLabel>(*f.window, QStringLiteral("L_GPRS_Equal1"));
    auto *equal2 = Find<QLabel>(*f.window, QStringLiteral("L_GPRS_Equal2"));
    QCOMPARE(Equal(*f.window)->text(), QStringLiteral("="));
    QCOMPARE(equal1->text(), QStringLiteral(" ="));
    QVERIFY(Enter(Active(*f.window)));
    QCOMPARE(HighlightedColour(active), Colours::Focused);
    QVERIFY(Enter(Equal(*f.window)));
    QCOMPARE(HighlightedColour(active), ButtonFaceColour());
    QCOMPARE(HighlightedColour(equal1), Colours::Focused);
    QCOMPARE(HighlightedColour(equal2), Colours::Focused);
    QVERIFY(Enter(Edit(*f.window, QStringLiteral("E_GPRS_Ident"))));
    QCOMPARE(HighlightedColour(equal1), ButtonFaceColour());
    QCOMPARE(HighlightedColour(equal2), ButtonFaceColour());
}

void GprsPageTest::portDefaultFollowsEqual()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("ks1-key")});
    QVERIFY(Equal(*f.window)->isChecked());
    Retype(Edit(*f.window, QStringLiteral("E_GPRS_Port2")), QStringLiteral("5"));
    QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_Port5")), QStringLiteral("5"));
    f.window->UnLoad_All();
    // One port message (for server 2); its default goes to server 5 as well, and "=" stays ticked.
    f.questions->Then(ModalResult::Ok);
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Недопустимый номер порта сервера для приема сообщений."));
    QCOMPARE(f.working.record(Cmd::gs, 2).value(2), 10001);
    QCOMPARE(f.working.record(Cmd::gs, 5).value(2), 10001);
    QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_Port2")), QStringLiteral("10001"));
    QCOMPARE(Shown(*f.window, QStringLiteral("E_GPRS_Port5")), QStringLiteral("10001"));
    QVERIFY(Equal(*f.window)->isChecked());
}

void GprsPageTest::defaultLeavesEqualUnticked()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    // The servers differ only by port 1, which is out of range; its default makes them agree.
    OpenLines(f, {QStringLiteral("sm-1"), QStringLiteral("ks1-key"), QStringLiteral("gs1-.10001"),
                  QStringLiteral("gs4-.10001")});
    QVERIFY(Equal(*f.window)->isChecked());
    Click(Equal(*f.window));
    Retype(Edit(*f.window, QStringLiteral("E_GPRS_Port1")), QStringLiteral("9"));
    f.window->UnLoad_All();
    f.questions->Then(ModalResult::Ok);
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.working.record(Cmd::gs, 1).value(2), 10001);
    QVERIFY(!Equal(*f.window)->isChecked());
    QVERIFY(Find<QWidget>(*f.window, QStringLiteral("GB_GPRS_Servers2"))->isEnabled());
}

void GprsPageTest::addressThatIsNoAddressIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("group of four digits, typed") << QStringLiteral("10.0.0.1234") << false;
    QTest::newRow("port, pasted") << QStringLiteral("10.0.0.1:10001") << true;
    QTest::newRow("prefix length, pasted") << QStringLiteral("10.0.0.1/8") << true;
}

// Leaving the field refuses what is no address with the address rule's message; the text stays for
// correcting and the save stops at the same rule: no address the user did not type is stored.
void GprsPageTest::addressThatIsNoAddressIsRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabGPRS")));
    OpenLines(f, {QStringLiteral("sm-1")});
    QLineEdit *server = Edit(*f.window, QStringLiteral("E_GPRS_Server1"));
    QVERIFY(server->isEnabled());
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        server->setFocus(Qt::TabFocusReason);
        server->selectAll();
        QTest::keyClick(server, Qt::Key_V, Qt::ControlModifier);
    } else {
        Retype(server, text);
    }
    QCOMPARE(server->text(), text);
    f.questions->Then(ModalResult::Retry);
    QTest::keyClick(server, Qt::Key_Tab);
    QTRY_COMPARE(f.questions->askedKinds(), QList<QuestionKind>{QuestionKind::ErrorBox});
    QCOMPARE(f.questions->asked().constFirst().headline, ServerAddressHeadline());
    QCOMPARE(server->text(), text);
    QTRY_VERIFY(server->hasFocus());

    f.window->UnLoad_All();
    const std::optional<RuleFailure> failure = FirstFailure(f.working, CheckStart(CheckId::GPRS));
    QVERIFY(failure);
    QCOMPARE(failure->headline, ServerAddressHeadline());
}

QTEST_MAIN(GprsPageTest)
#include "tst_gprs_page.moc"
