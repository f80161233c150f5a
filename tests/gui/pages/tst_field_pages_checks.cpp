// A save through the editor (store every page, then check) with a value that fails a rule of the pages
// "Индикация", "Режимы", "GPRS" or "Общие": the error box names the rule, "Исправить" brings its page
// and control, "Установить \"по-умолчанию\"" writes the default and the page shows it.
#include "page_probe.h"

#include "widgets/field_edit.h"

#include <QCheckBox>

using namespace orva;
using namespace orva::test;

namespace {

// The fixture passes every check; the test then puts one value into one field, as the user would.
bool OpenPassing(EditorFixture &f)
{
    if (!f.ShowActive() || !OpenFixture(f, QStringLiteral("pages/fields.ini")))
        return false;
    // The first page is current, far from most of the rules' pages.
    f.window->PagesParam()->setCurrentIndex(0);
    f.window->UnLoad_All();
    const bool passes = f.window->Check_All(false) && f.questions->asked().isEmpty();
    f.window->Redraw_All();
    return passes;
}

void Put(EditorFixture &f, const QString &control, const QString &text)
{
    Find<QLineEdit>(*f.window, control)->setText(text);
}

} // namespace

class FieldPagesChecksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixGoesToThePageAndControl_data();
    void fixGoesToThePageAndControl();
    void defaultIsShownOnThePage_data();
    void defaultIsShownOnThePage();
    void emptyKeyComesLast();
    void gprsOffStillChecksPorts();
};

void FieldPagesChecksTest::fixGoesToThePageAndControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("withDefault");

    QTest::newRow("duty period") << "E_Indic_DutyDelay"
                                 << "49"
                                 << "Недопустимая величина периода формирования сообщений \"Дежурный режим\""
                                 << "TabRezervAndSignal" << true;
    QTest::newRow("indicator time") << "E_Indic_ExtIndic"
                                    << ""
                                    << "Недопустимая величина времени работы выносного индикатора"
                                    << "TabRezervAndSignal" << true;
    QTest::newRow("attempts") << "E_Mode_SIM_CountConect"
                              << "21"
                              << "Недопустимое число неудачных попыток связи перед переключением на другую "
                                 "SIM-карту"
                              << "TabMode" << true;
    QTest::newRow("return delay")
        << "E_Mode_SIMDelay"
        << ""
        << "Недопустимая величина задержки перед переключением на основную SIM-карту."
        << "TabMode" << true;
    QTest::newRow("exit delay") << "E_Mode_ExitDelay"
                                << "500"
                                << "Недопустимая величина времени на выход."
                                << "TabMode" << true;
    QTest::newRow("duty 1")
        << "E_GPRS_Duty1"
        << "9"
        << "Недопустимая величина периода отправки сообщений дежурного режим первого типа (без подтверждения "
           "пульта)."
        << "TabGPRS" << true;
    QTest::newRow("no answer") << "E_GPRS_NoAnswer"
                               << "0"
                               << "Недопустимая величина числа неответов на переданное сообщение, после "
                                  "которого происходит снижение "
                                  "темпа повторов сообщения."
                               << "TabGPRS" << true;
    QTest::newRow("address") << "E_GPRS_Server3"
                             << "001.256.000.001"
                             << "Недопустимый IP-адрес сервера для приема сообщений."
                             << "TabGPRS" << true;
    QTest::newRow("port of SIM 2") << "E_GPRS_Port6"
                                   << ""
                                   << "Недопустимый номер порта сервера для приема сообщений."
                                   << "TabGPRS" << true;
    QTest::newRow("balance period") << "E_Common_BalanceDelay2"
                                    << "49"
                                    << "Недопустимая величина периода проверки баланса"
                                    << "TabCommon" << true;
    QTest::newRow("request code") << "E_Common_BalancePhone1"
                                  << ""
                                  << "Не заданы команды для выполнения контроля баланса"
                                  << "TabCommon" << false;
    QTest::newRow("threshold") << "E_Common_BalanceVal1"
                               << ""
                               << "Недопустимая величина порога оповещения о недостаточном балансе"
                               << "TabCommon" << true;
    QTest::newRow("file key") << "E_Common_KEY"
                              << ""
                              << "Не задан ключ шифрования файла конфигурации"
                              << "TabCommon" << false;
}

void FieldPagesChecksTest::fixGoesToThePageAndControl()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, headline);
    QFETCH(QString, page);
    QFETCH(bool, withDefault);
    EditorFixture f;
    QVERIFY(OpenPassing(f));
    if (page != QStringLiteral("TabCommon"))
        f.window->PagesParam()->setCurrentWidget(Find<QWidget>(*f.window, QStringLiteral("TabCommon")));
    else
        f.window->PagesParam()->setCurrentWidget(Find<QWidget>(*f.window, QStringLiteral("TabGPRS")));
    Put(f, control, text);

    f.questions->Then(ModalResult::Retry);
    f.window->UnLoad_All();
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    const Question &asked = f.questions->asked().at(0);
    QCOMPARE(asked.headline, headline);
    QCOMPARE(asked.offerDefault, withDefault);
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), page);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), control);
}

void FieldPagesChecksTest::defaultIsShownOnThePage_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("duty period") << "E_Indic_DutyDelay"
                                 << "49"
                                 << "24";
    QTest::newRow("indicator time") << "E_Indic_ExtIndic"
                                    << ""
                                    << "90";
    QTest::newRow("exit delay") << "E_Mode_ExitDelay"
                                << "500"
                                << "90";
    QTest::newRow("attempts") << "E_Mode_SIM_CountConect"
                              << "0"
                              << "3";
    QTest::newRow("return delay") << "E_Mode_SIMDelay"
                                  << "121"
                                  << "15";
    QTest::newRow("duty 2") << "E_GPRS_Duty2"
                            << "901"
                            << "30";
    QTest::newRow("answer") << "E_GPRS_Answer"
                            << "61"
                            << "5";
    QTest::newRow("port 6") << "E_GPRS_Port6"
                            << ""
                            << "10001";
    QTest::newRow("balance period") << "E_Common_BalanceDelay1"
                                    << "49"
                                    << "0";
    QTest::newRow("threshold") << "E_Common_BalanceVal2"
                               << "0"
                               << "10";
}

void FieldPagesChecksTest::defaultIsShownOnThePage()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    EditorFixture f;
    QVERIFY(OpenPassing(f));
    Put(f, control, text);
    f.questions->Then(ModalResult::Ok);
    f.window->UnLoad_All();
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    QVERIFY(f.questions->asked().at(0).offerDefault);
    QCOMPARE(Find<QLineEdit>(*f.window, control)->text(), shown);
    // The user stays where he was.
    QCOMPARE(f.window->PagesParam()->currentIndex(), 0);
}

void FieldPagesChecksTest::emptyKeyComesLast()
{
    EditorFixture f;
    QVERIFY(OpenPassing(f));
    Put(f, QStringLiteral("E_Common_KEY"), QString());
    Put(f, QStringLiteral("E_Indic_DutyDelay"), QStringLiteral("49"));
    Put(f, QStringLiteral("E_GPRS_Port1"), QStringLiteral("80"));
    f.questions->Then(ModalResult::Ok).Then(ModalResult::Ok).Then(ModalResult::Retry);
    f.window->UnLoad_All();
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 3);
    QCOMPARE(f.questions->asked().at(2).headline,
             QStringLiteral("Не задан ключ шифрования файла конфигурации"));
    QCOMPARE(f.working.record(Cmd::om).value(1), 24);
    QCOMPARE(f.working.record(Cmd::gs, 1).value(2), 10001);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("E_Common_KEY"));
}

void FieldPagesChecksTest::gprsOffStillChecksPorts()
{
    EditorFixture f;
    QVERIFY(OpenPassing(f));
    Find<QCheckBox>(*f.window, QStringLiteral("CB_GPRS_Active"))->click();
    // With GPRS off a duty period of 0 passes; an empty port still fails.
    Put(f, QStringLiteral("E_GPRS_Duty1"), QStringLiteral("0"));
    Put(f, QStringLiteral("E_GPRS_Port2"), QString());
    f.questions->Then(ModalResult::Ok);
    f.window->UnLoad_All();
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Недопустимый номер порта сервера для приема сообщений."));
    QCOMPARE(f.working.record(Cmd::gs, 2).value(2), 10001);
    QCOMPARE(f.working.record(Cmd::gd).value(1), 0);
    QCOMPARE(f.working.record(Cmd::ci).value(1), 0);
}

QTEST_MAIN(FieldPagesChecksTest)
#include "tst_field_pages_checks.moc"
