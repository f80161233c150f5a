// The field pages as a user works them, with the mouse and keyboard only: addresses, identifier and key
// typed or pasted, the mouse wheel over a combo box, the GPRS switch after a default, texts from a file
// longer than a line edit's usual limit, the version text over several saves, a bad address with GPRS
// off, and the generated key. Every case ends with "Сохранить" and the lines of the saved file.
#include "user_input.h"

#include "random/program_random.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QRegularExpression>
#include <QWheelEvent>

using namespace orva;
using namespace orva::test;

namespace {

const QString FileKey = QStringLiteral("ks1-k");

// What a screen reader reads as the field's value.
QString AccessibleValue(QWidget *field)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
    return accessible ? accessible->text(QAccessible::Value) : QString();
}

// One notch of the mouse wheel over the middle of the control.
void WheelOver(QWidget *control, int notches)
{
    const QPointF at = control->rect().center();
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
}

// A click that puts the cursor of a field in front of the character at `position`.
void ClickBefore(QLineEdit *field, int position)
{
    const int y = field->height() / 2;
    for (int x = 0; x < field->width(); ++x) {
        if (field->cursorPositionAt(QPoint(x, y)) == position) {
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, y));
            return;
        }
    }
    QFAIL("no point of the field puts the cursor there");
}

} // namespace

class FieldGesturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupedFieldsTakeWhatIsTyped_data();
    void groupedFieldsTakeWhatIsTyped();
    void lockNoGprsRemembersThroughADefault_data();
    void lockNoGprsRemembersThroughADefault();
    void wheelChangesOnlyAFocusedComboBox_data();
    void wheelChangesOnlyAFocusedComboBox();
    void longTextsFromAFileStayWhole_data();
    void longTextsFromAFileStayWhole();
    void versionTextStaysOverSaves_data();
    void versionTextStaysOverSaves();
    void badAddressOffersTheDefault_data();
    void badAddressOffersTheDefault();
    void generatedKeysComeFromTheStrongSource();
    void oneDigitCorrected_data();
    void oneDigitCorrected();
    void unwritableGprsTextWithGprsOffTakesTheDefault();
};

void FieldGesturesTest::groupedFieldsTakeWhatIsTyped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("how"); // "type, Tab", "type, save" (the field is not left), "paste, Tab"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("line");
    QTest::newRow("address with short groups") << "E_GPRS_Server1"
                                               << "10.0.0.1"
                                               << "type, Tab"
                                               << "010.000.000.001"
                                               << "gs1-010,000,000,001.10001";
    QTest::newRow("address with mixed groups") << "E_GPRS_Server1"
                                               << "192.168.1.5"
                                               << "type, Tab"
                                               << "192.168.001.005"
                                               << "gs1-192,168,001,005.10001";
    QTest::newRow("address saved while its field has the focus") << "E_GPRS_Server2"
                                                                 << "10.0.0.1"
                                                                 << "type, save"
                                                                 << "010.000.000.001"
                                                                 << "gs2-010,000,000,001.10001";
    QTest::newRow("address pasted with commas") << "E_GPRS_Server3"
                                                << "10,20,0,1"
                                                << "paste, Tab"
                                                << "010.020.000.001"
                                                << "gs3-010,020,000,001.10001";
    QTest::newRow("identifier, short") << "E_GPRS_Ident"
                                       << "12ab"
                                       << "type, Tab"
                                       << "12AB-0000-0000"
                                       << "gi-12AB00000000";
    QTest::newRow("identifier with zeros") << "E_GPRS_Ident"
                                           << "0102030405ab"
                                           << "type, Tab"
                                           << "0102-0304-05AB"
                                           << "gi-0102030405AB";
    QTest::newRow("key part, short") << "E_GPRS_Key1"
                                     << "0102"
                                     << "type, Tab"
                                     << "01-02-00-00-00-00-00-00"
                                     << "gk1-0102000000000000";
    QTest::newRow("key part pasted with dashes") << "E_GPRS_Key2"
                                                 << "a0-0b-c0-0d-e0-0f-10-01"
                                                 << "paste, Tab"
                                                 << "A0-0B-C0-0D-E0-0F-10-01"
                                                 << "gk2-A00BC00DE00F1001";
}

void FieldGesturesTest::groupedFieldsTakeWhatIsTyped()
{
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, how);
    QFETCH(QString, shown);
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("sm-1")}));
    QVERIFY(ClickTab(f, QStringLiteral("TabGPRS")));
    auto *edit = Find<QLineEdit>(*f.window, field);
    ClickAt(edit); // the click selects the whole text: what follows replaces it
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->selectedText(), edit->text());
    if (how.startsWith(QStringLiteral("paste"))) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(edit, input);
    }
    if (how.endsWith(QStringLiteral("Tab"))) {
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(AccessibleValue(edit), shown);
    }
    const QString code = line.section(u'-', 0, 0);
    QCOMPARE(LinesOf(SaveLines(f), code), QStringList{line});
    QCOMPARE(edit->text(), shown);
    QCOMPARE(f.questions->unexpected(), 0);
}

void FieldGesturesTest::lockNoGprsRemembersThroughADefault_data()
{
    QTest::addColumn<QString>("exitDelay");
    QTest::addColumn<QList<int>>("answers"); // to the boxes of the first save
    QTest::newRow("after a default") << "500" << QList<int>{ModalResult::Ok};
    QTest::newRow("without a default") << "60" << QList<int>{};
}

// GPRS is off, so "Запрещена постановка..." is unticked and greyed; ticking "GPRS" later ticks it again.
void FieldGesturesTest::lockNoGprsRemembersThroughADefault()
{
    QFETCH(QString, exitDelay);
    QFETCH(QList<int>, answers);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("ci-1"), QStringLiteral("sm-0")}));
    QVERIFY(ClickTab(f, QStringLiteral("TabMode")));
    auto *delay = Find<QLineEdit>(*f.window, QStringLiteral("E_Mode_ExitDelay"));
    ClickAt(delay);
    SelectAllText(delay);
    QTest::keyClicks(delay, exitDelay);
    QCOMPARE(LinesOf(SaveLines(f, answers), QStringLiteral("ci")), QStringList{QStringLiteral("ci-0")});

    QVERIFY(ClickTab(f, QStringLiteral("TabGPRS")));
    ClickButton(Find<QCheckBox>(*f.window, QStringLiteral("CB_GPRS_Active")));
    QVERIFY(Find<QCheckBox>(*f.window, QStringLiteral("CB_Mode_LockNoGPRS"))->isChecked());
    const QStringList saved = SaveLines(f);
    QCOMPARE(LinesOf(saved, QStringLiteral("ci")), QStringList{QStringLiteral("ci-1")});
    QCOMPARE(LinesOf(saved, QStringLiteral("sm")), QStringList{QStringLiteral("sm-1")});
    QCOMPARE(f.questions->unexpected(), 0);
}

void FieldGesturesTest::wheelChangesOnlyAFocusedComboBox_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("lines"); // the code's saved lines
    const QStringList phone = {QStringLiteral("dn1-4.+71"), QStringLiteral("dn2-."), QStringLiteral("dn3-."),
                               QStringLiteral("dn4-."),     QStringLiteral("dn5-."), QStringLiteral("dn6-."),
                               QStringLiteral("dn7-."),     QStringLiteral("dn8-."), QStringLiteral("dn9-.")};
    QTest::newRow("delivery box, not focused")
        << "TabDialGSM"
        << "ComboBoxGSM_DataMode" << false << "ds" << QStringList{QStringLiteral("ds-0")};
    QTest::newRow("delivery box, not focused: the phones keep their messages")
        << "TabDialGSM"
        << "ComboBoxGSM_DataMode" << false << "dn" << phone;
    QTest::newRow("delivery box, focused")
        << "TabDialGSM"
        << "ComboBoxGSM_DataMode" << true << "ds" << QStringList{QStringLiteral("ds-1")};
    QTest::newRow("alarm repeats, not focused")
        << "TabShleifs"
        << "CB_Shleif_AlarmRepeat" << false << "lc" << QStringList{QStringLiteral("lc-1")};
    QTest::newRow("master SIM card, not focused")
        << "TabMode"
        << "CB_Mode_SIM_Master" << false << "ms" << QStringList{QStringLiteral("ms-0")};
}

void FieldGesturesTest::wheelChangesOnlyAFocusedComboBox()
{
    QFETCH(QString, page);
    QFETCH(QString, combo);
    QFETCH(bool, focused);
    QFETCH(QString, code);
    QFETCH(QStringList, lines);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("dn1-4.+71"), QStringLiteral("lc-1")}));
    QVERIFY(ClickTab(f, page));
    auto *box = Find<QComboBox>(*f.window, combo);
    if (focused) {
        ClickAt(box);                                                 // opens the list
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // closes it, the box keeps the focus
        QVERIFY(QTest::qWaitFor([box] { return box->hasFocus(); }));
    }
    WheelOver(box, -1); // one notch towards the user: the next item
    QCOMPARE(LinesOf(SaveLines(f), code), lines);
}

void FieldGesturesTest::longTextsFromAFileStayWhole_data()
{
    QTest::addColumn<QString>("line");
    const QString longText(40000, u'a');
    QTest::newRow("APN") << QStringLiteral("ga1-") + longText;
    QTest::newRow("login") << QStringLiteral("gl2-") + longText;
    QTest::newRow("device name") << QStringLiteral("oa-") + longText;
    QTest::newRow("SMS phone number") << QStringLiteral("sn1-1.+") + QString(40000, u'7');
}

void FieldGesturesTest::longTextsFromAFileStayWhole()
{
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, line}));
    QCOMPARE(LinesOf(SaveLines(f), line.section(u'-', 0, 0)), QStringList{line});
}

void FieldGesturesTest::versionTextStaysOverSaves_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("saved");
    QTest::newRow("as the factory writes it") << "Zentrix-Config Orva soft v.3.0"
                                              << "Zentrix-Config Orva soft v. 3. 0";
    QTest::newRow("as saved before") << "Zentrix-Config Orva soft v. 3. 0"
                                     << "Zentrix-Config Orva soft v. 3. 0";
    QTest::newRow("several blanks") << "Zentrix-v.   3.  0"
                                    << "Zentrix-v.   3.  0";
}

// Opened and saved, then the saved file opened and saved again: the version line stays.
void FieldGesturesTest::versionTextStaysOverSaves()
{
    QFETCH(QString, line);
    QFETCH(QString, saved);
    QString first = line;
    for (int round = 0; round < 3; ++round) {
        EditorFixture f;
        QVERIFY(StartWithLines(f, {first, FileKey}));
        const QStringList lines = SaveLines(f);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first(), saved);
        first = lines.first();
    }
}

void FieldGesturesTest::badAddressOffersTheDefault_data()
{
    QTest::addColumn<QString>("gprs");
    QTest::addColumn<int>("server");
    QTest::newRow("GPRS off") << "sm-0" << 2;
    QTest::newRow("GPRS on") << "sm-1" << 5;
}

void FieldGesturesTest::badAddressOffersTheDefault()
{
    QFETCH(QString, gprs);
    QFETCH(int, server);
    const QString code = QStringLiteral("gs%1").arg(server);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, gprs, code + QStringLiteral("-300,1,1,1.10001")}));
    const QStringList lines = SaveLines(f, {ModalResult::Ok});
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Недопустимый IP-адрес сервера для приема сообщений."));
    QVERIFY(f.questions->asked().at(0).offerDefault);
    QCOMPARE(LinesOf(lines, code), QStringList{code + QStringLiteral("-000,000,000,000.10001")});
    QCOMPARE(Find<QLineEdit>(*f.window, QStringLiteral("E_GPRS_Server%1").arg(server))->text(),
             QStringLiteral("000.000.000.000"));
    QCOMPARE(f.questions->unexpected(), 0);
}

// "Генерация ключа" draws from the strong random source: the program's generator is not touched, the
// key is not the one that generator would give, and two keys differ.
void FieldGesturesTest::generatedKeysComeFromTheStrongSource()
{
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("sm-1")}));
    QVERIFY(ClickTab(f, QStringLiteral("TabGPRS")));
    auto *generate = Find<QWidget>(*f.window, QStringLiteral("B_GPRS_KeyGenerate"));
    const quint32 seed = f.random.seedValue();

    // What the program's generator would give for the first key part.
    ProgramRandom predicted(seed);
    QString lcgDigits;
    for (int i = 0; i < 16; ++i)
        lcgDigits += QString::number(predicted.Random(16), 16).toUpper();

    QStringList keys;
    for (int round = 0; round < 2; ++round) {
        ClickAt(generate);
        const QStringList lines = LinesOf(SaveLines(f), QStringLiteral("gk"));
        QCOMPARE(lines.size(), 4);
        QString key;
        for (const QString &part : lines) {
            QVERIFY2(QRegularExpression(QStringLiteral("^gk[1-4]-[0-9A-F]{16}$")).match(part).hasMatch(),
                     qPrintable(part));
            key += part.mid(4);
        }
        QVERIFY(!key.startsWith(lcgDigits));
        keys << key;
    }
    QCOMPARE(f.random.seedValue(), seed);
    QVERIFY(keys.at(0) != keys.at(1));
    QCOMPARE(f.questions->unexpected(), 0);
}

void FieldGesturesTest::oneDigitCorrected_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("gesture"); // "click": a second click in front of `position`; "keys": Tab in,
                                          // Home and Right `position` times
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("line");
    QTest::newRow("identifier, second click") << "E_GPRS_Ident"
                                              << "gi-123456789ABC"
                                              << "click" << 6 << "f"
                                              << "1234-5F78-9ABC"
                                              << "gi-12345F789ABC";
    QTest::newRow("identifier, arrows, before a dash") << "E_GPRS_Ident"
                                                       << "gi-123456789ABC"
                                                       << "keys" << 4 << "0"
                                                       << "1234-0678-9ABC"
                                                       << "gi-123406789ABC";
    QTest::newRow("key part, second click") << "E_GPRS_Key3"
                                            << "gk3-0011223344556677"
                                            << "click" << 3 << "a"
                                            << "00-A1-22-33-44-55-66-77"
                                            << "gk3-00A1223344556677";
    QTest::newRow("key part, arrows") << "E_GPRS_Key1"
                                      << "gk1-0011223344556677"
                                      << "keys" << 22 << "E"
                                      << "00-11-22-33-44-55-66-7E"
                                      << "gk1-001122334455667E";
    QTest::newRow("address, second click") << "E_GPRS_Server1"
                                           << "gs1-192,168,1,5.10001"
                                           << "click" << 14 << "7"
                                           << "192.168.001.007"
                                           << "gs1-192,168,001,007.10001";
    QTest::newRow("address, arrows, before a point") << "E_GPRS_Server4"
                                                     << "gs4-192,168,1,5.10001"
                                                     << "keys" << 7 << "2"
                                                     << "192.168.201.005"
                                                     << "gs4-192,168,201,005.10001";
}

// The identifier, key and address fields are always full: with the cursor inside, a typed character
// replaces the one after it (after a dash or point, the one behind it), so one digit is corrected
// without deleting first.
void FieldGesturesTest::oneDigitCorrected()
{
    QFETCH(QString, field);
    QFETCH(QString, file);
    QFETCH(QString, gesture);
    QFETCH(int, position);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, line);
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("sm-1"), file}));
    QVERIFY(ClickTab(f, QStringLiteral("TabGPRS")));
    auto *edit = Find<QLineEdit>(*f.window, field);
    if (gesture == QStringLiteral("click")) {
        ClickAt(edit); // selects the whole text
        QCOMPARE(edit->selectedText(), edit->text());
        ClickBefore(edit, position);
    } else {
        edit->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(edit, Qt::Key_Right);
    }
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(edit->cursorPosition(), position);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), shown);
    const QString code = line.section(u'-', 0, 0);
    QCOMPARE(LinesOf(SaveLines(f), code), QStringList{line});
    QCOMPARE(f.questions->unexpected(), 0);
}

// With GPRS off the login's field cannot be entered; a login that would not read back (it holds a TAB)
// offers the field's default instead of stopping every save.
void FieldGesturesTest::unwritableGprsTextWithGprsOffTakesTheDefault()
{
    EditorFixture f;
    QVERIFY(StartWithLines(f, {FileKey, QStringLiteral("sm-0"), QStringLiteral("gl1-user\tname")}));
    QVERIFY(ClickTab(f, QStringLiteral("TabGPRS")));
    auto *login = Find<QLineEdit>(*f.window, QStringLiteral("E_GPRS_Login1"));
    QVERIFY(!login->isEnabled());
    QVERIFY(login->text().contains(u'\t'));
    const QStringList lines = SaveLines(f, {ModalResult::Ok});
    QCOMPARE(f.questions->asked().at(0).headline.left(27), QStringLiteral("Недопустимые символы в поле"));
    QVERIFY(f.questions->asked().at(0).offerDefault);
    QCOMPARE(LinesOf(lines, QStringLiteral("gl1")), QStringList{QStringLiteral("gl1-")});
    QCOMPARE(login->text(), QString());
    QCOMPARE(LinesOf(lines, QStringLiteral("sm")), QStringList{QStringLiteral("sm-0")});
    QCOMPARE(f.questions->unexpected(), 0);
}

QTEST_MAIN(FieldGesturesTest)
#include "tst_field_gestures.moc"
