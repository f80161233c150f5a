// The page "Общие": every value of a fixture shown where it belongs and stored back unchanged, the key
// fields' font, the balance up-downs' ranges from the command table, empty numeric fields stored as 0.
#include "page_probe.h"

#include "widgets/field_edit.h"
#include "widgets/up_down.h"

#include <QLabel>

using namespace orva;
using namespace orva::test;

class CommonPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixtureShown_data();
    void fixtureShown();
    void storedBackUnchanged();
    void keyFieldsInCourierNewBold();
    void fieldLimitsAndFilters_data();
    void fieldLimitsAndFilters();
    void balanceUpDownsTakeTheTableRanges();
    void emptyNumbersStoredAsZero();
    void typedValuesStored();
    void labelClickEntersItsField();
};

void CommonPageTest::fixtureShown_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("key") << "E_Common_KEY"
                         << "Мой ключ 1";
    QTest::newRow("old key") << "E_Common_KEYOld"
                             << "old key";
    QTest::newRow("password") << "E_Common_Password"
                              << "ab_1";
    QTest::newRow("phone 1") << "E_Common_PhoneNumber1"
                             << "+79001234567";
    QTest::newRow("phone 2") << "E_Common_PhoneNumber2"
                             << "*100#";
    QTest::newRow("period 1") << "E_Common_BalanceDelay1"
                              << "12";
    QTest::newRow("request 1") << "E_Common_BalancePhone1"
                               << "*100#";
    QTest::newRow("threshold 1") << "E_Common_BalanceVal1"
                                 << "50";
    QTest::newRow("period 2") << "E_Common_BalanceDelay2"
                              << "0";
    QTest::newRow("request 2") << "E_Common_BalancePhone2"
                               << "#102#";
    QTest::newRow("threshold 2") << "E_Common_BalanceVal2"
                                 << "255";
}

void CommonPageTest::fixtureShown()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    auto *edit = Find<FieldEdit>(*f.window, control);
    QVERIFY(edit);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->window(), f.window.get());
}

void CommonPageTest::storedBackUnchanged()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    T_Command_DEVICE loaded;
    loaded = f.working;
    f.window->UnLoad_All();
    for (const quint8 code : {Cmd::ks, Cmd::Password, Cmd::ph, Cmd::cb, Cmd::ct}) {
        for (int i = 0; i < loaded.records(code).size(); ++i)
            QVERIFY2(SameRecord(f.working.records(code).at(i), loaded.records(code).at(i)),
                     qPrintable(CommandRowOf(code).code.toString()));
    }
    QCOMPARE(f.working.record(Cmd::cb, 1).value(1), 12);
    QCOMPARE(f.working.record(Cmd::cb, 2).text(2), QStringLiteral("#102#"));
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("Мой ключ 1"));
}

void CommonPageTest::keyFieldsInCourierNewBold()
{
    EditorFixture f;
    for (const QString &name : {QStringLiteral("E_Common_KEY"), QStringLiteral("E_Common_KEYOld")}) {
        const QFont font = Find<FieldEdit>(*f.window, name)->font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pixelSize(), 16);
        QVERIFY(font.bold());
    }
    // The password keeps the window's font.
    QVERIFY(!Find<FieldEdit>(*f.window, QStringLiteral("E_Common_Password"))->font().bold());
}

void CommonPageTest::fieldLimitsAndFilters_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("key admits blanks, drops Ё") << "E_Common_KEY"
                                                << "Ёж ab"
                                                << "ж ab";
    QTest::newRow("key stops at 32") << "E_Common_KEY" << QString(40, u'k') << QString(32, u'k');
    QTest::newRow("old key filtered as the key") << "E_Common_KEYOld"
                                                 << "a-b c"
                                                 << "ab c";
    QTest::newRow("password: no blank, 5 characters") << "E_Common_Password"
                                                      << "a b_cdef"
                                                      << "ab_cd";
    QTest::newRow("phone characters, 16") << "E_Common_PhoneNumber1"
                                          << "+7(900)123-45-67#*89012"
                                          << "+79001234567#*89";
    QTest::newRow("request code") << "E_Common_BalancePhone2"
                                  << "*10a0#"
                                  << "*100#";
    QTest::newRow("period: 2 digits") << "E_Common_BalanceDelay1"
                                      << "4x87"
                                      << "48";
    QTest::newRow("threshold: 3 digits") << "E_Common_BalanceVal2"
                                         << "9999"
                                         << "999";
}

void CommonPageTest::fieldLimitsAndFilters()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabCommon")));
    auto *edit = Find<FieldEdit>(*f.window, control);
    QVERIFY(Enter(edit));
    edit->clear();
    Type(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void CommonPageTest::balanceUpDownsTakeTheTableRanges()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabCommon")));
    const CommandRow &balance = CommandRowOf(Cmd::cb);
    const CommandRow &threshold = CommandRowOf(Cmd::ct);
    for (int sim = 1; sim <= 2; ++sim) {
        auto *delay = Find<UpDown>(*f.window, QStringLiteral("UD_Common_BalanceDelay%1").arg(sim));
        auto *value = Find<UpDown>(*f.window, QStringLiteral("UD_Common_BalanceVal%1").arg(sim));
        QCOMPARE(delay->minimum(), balance.min1);
        QCOMPARE(delay->maximum(), balance.max1);
        QCOMPARE(value->minimum(), threshold.min1);
        QCOMPARE(value->maximum(), threshold.max1);
        QCOMPARE(delay->associate()->objectName(), QStringLiteral("E_Common_BalanceDelay%1").arg(sim));
        QCOMPARE(value->associate()->objectName(), QStringLiteral("E_Common_BalanceVal%1").arg(sim));
    }
    // The field admits 999; stepping goes on within 1..255.
    auto *edit = Find<FieldEdit>(*f.window, QStringLiteral("E_Common_BalanceVal1"));
    auto *upDown = Find<UpDown>(*f.window, QStringLiteral("UD_Common_BalanceVal1"));
    edit->setText(QStringLiteral("999"));
    upDown->step(+1);
    QCOMPARE(edit->text(), QStringLiteral("255"));
    edit->setText(QStringLiteral("1"));
    upDown->step(-1);
    QCOMPARE(edit->text(), QStringLiteral("1"));
}

void CommonPageTest::emptyNumbersStoredAsZero()
{
    EditorFixture f;
    QVERIFY(OpenFixture(f, QStringLiteral("pages/fields.ini")));
    for (const char *name : {"E_Common_BalanceDelay1", "E_Common_BalanceVal2"})
        Find<FieldEdit>(*f.window, QString::fromLatin1(name))->clear();
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::cb, 1).value(1), 0);
    QCOMPARE(f.working.record(Cmd::ct, 2).value(1), 0);
    // The request code is stored as it stands.
    QCOMPARE(f.working.record(Cmd::cb, 1).text(2), QStringLiteral("*100#"));
}

void CommonPageTest::typedValuesStored()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabCommon")));
    const struct
    {
        const char *control;
        QString typed;
    } edits[] = {
        {"E_Common_KEY", QStringLiteral("ключ нов")},     {"E_Common_KEYOld", QStringLiteral("ключ стар")},
        {"E_Common_Password", QStringLiteral("12345")},   {"E_Common_PhoneNumber2", QStringLiteral("+7123")},
        {"E_Common_BalanceDelay2", QStringLiteral("48")}, {"E_Common_BalancePhone2", QStringLiteral("*102#")},
        {"E_Common_BalanceVal1", QStringLiteral("7")}};
    for (const auto &e : edits) {
        auto *edit = Find<FieldEdit>(*f.window, QString::fromLatin1(e.control));
        QVERIFY(Enter(edit));
        edit->clear();
        Type(edit, e.typed);
    }
    // Nothing reaches the model before the page is stored.
    QVERIFY(f.working.record(Cmd::ks, 1).text(1).isEmpty());
    f.window->UnLoad_All();
    QCOMPARE(f.working.record(Cmd::ks, 1).text(1), QStringLiteral("ключ нов"));
    QCOMPARE(f.working.record(Cmd::ks, 2).text(1), QStringLiteral("ключ стар"));
    QCOMPARE(f.working.record(Cmd::Password).text(1), QStringLiteral("12345"));
    QCOMPARE(f.working.record(Cmd::ph, 2).text(1), QStringLiteral("+7123"));
    QCOMPARE(f.working.record(Cmd::cb, 2).value(1), 48);
    QCOMPARE(f.working.record(Cmd::cb, 2).text(2), QStringLiteral("*102#"));
    QCOMPARE(f.working.record(Cmd::ct, 1).value(1), 7);
}

void CommonPageTest::labelClickEntersItsField()
{
    EditorFixture f;
    QVERIFY(ShowPage(f, QStringLiteral("TabCommon")));
    auto *label = Find<QLabel>(*f.window, QStringLiteral("L_Common_BalancePhone2"));
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(QApplication::focusWidget(), Find<QWidget>(*f.window, QStringLiteral("E_Common_BalancePhone2")));
    QCOMPARE(f.window->LastFocused(PageSlot::Common)->objectName(), QStringLiteral("E_Common_BalancePhone2"));
}

QTEST_MAIN(CommonPageTest)
#include "tst_common_page.moc"
