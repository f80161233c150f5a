// The chain of page checks: order, walking on after a default, the texts of the error box, and the
// read-back rule against the real writer and reader.
#include "model_edits.h"
#include "storage/config_file.h"
#include "validation/check_rule.h"
#include "validation/validation.h"

#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;
using orva::test::ModelHas;
using orva::test::ModelWith;

namespace {

QStringList edits(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *edit : list)
        result.append(QString::fromUtf8(edit));
    return result;
}

QString label(const RuleFailure &failure)
{
    return failure.check + u' ' + QString::number(failure.rule);
}

// The editor's protocol when the user answers every box with the default where one is offered: returns
// the boxes shown, and stops at the first rule without a default.
QStringList walkTakingDefaults(T_Command_DEVICE &model)
{
    QStringList shown;
    ChainPosition from;
    while (const std::optional<RuleFailure> failure = FirstFailure(model, from)) {
        shown.append(label(*failure));
        if (!ApplyDefault(model, *failure))
            break;
        from = failure->position.next();
    }
    return shown;
}

} // namespace

class ValidationChainTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chainOrder();
    void pages_data();
    void pages();
    void walkWithDefaults();
    void defaultGoesOnWithTheNextRule();
    void allFailuresJudgesTheModelAsItIs();
    void singleCheckFromItsStart();
    void emptyKeyStopsLast();
    void sameServersMirrorThePortDefault();
    void badAddressTakesTheEmptyAddress();
    void texts_data();
    void texts();
    void readBackAgreesWithReader_data();
    void readBackAgreesWithReader();
};

void ValidationChainTest::chainOrder()
{
    const QList<CheckId> chain = ChainChecks();
    QCOMPARE(chain, (QList<CheckId>{CheckId::RezervAndSignal, CheckId::Mode, CheckId::Shleifs, CheckId::Rele,
                                    CheckId::SMS, CheckId::SMSK, CheckId::DialGSM, CheckId::GPRS,
                                    CheckId::Common, CheckId::ReadBack}));
    QCOMPARE(chain.last(), CheckId::ReadBack);

    // One failure in every check, listed in chain order.
    const T_Command_DEVICE model =
        ModelWith(edits({"gp1.t1=a.b", "cb1.v1=1", "gs1.v2=0", "dn1.v1=1", "su1.items=1", "sn1.v1=1",
                         "rm1.v2=0", "lm1.v2=0", "xo.v1=500", "om.v1=49"}));
    const QList<RuleFailure> all = AllFailures(model);
    QStringList checks;
    for (const RuleFailure &failure : all)
        checks.append(failure.check);
    QCOMPARE(checks, edits({"Check_RezervAndSignal", "Check_Mode", "Check_Shleifs", "Check_Rele", "Check_SMS",
                            "Check_SMSK", "Check_DialGSM", "Check_GPRS", "Check_Common", "Check_ReadBack"}));
    for (qsizetype i = 1; i < all.size(); ++i)
        QVERIFY(all[i - 1].position.index < all[i].position.index);
    for (qsizetype i = 0; i < all.size(); ++i)
        QCOMPARE(all[i].checkId, chain[i]);
}

void ValidationChainTest::pages_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");

    QTest::newRow("indication") << edits({"om.v1=49"}) << u"Check_RezervAndSignal"_s
                                << u"TabRezervAndSignal"_s << u"Индикация"_s;
    QTest::newRow("modes") << edits({"xo.v1=0"}) << u"Check_Mode"_s << u"TabMode"_s << u"Режимы"_s;
    QTest::newRow("loops") << edits({"lm2.v1=15"}) << u"Check_Shleifs"_s << u"TabShleifs"_s << u"Шлейфы"_s;
    QTest::newRow("relays") << edits({"rm1.v2=0"}) << u"Check_Rele"_s << u"TabRele"_s << u"Реле"_s;
    QTest::newRow("SMS") << edits({"sn1.v1=1"}) << u"Check_SMS"_s << u"TabSMS"_s << u"SMS"_s;
    QTest::newRow("SMS-K") << edits({"su1.items=1"}) << u"Check_SMSK"_s << u"TabSMSK"_s << u"SMS-К"_s;
    QTest::newRow("GSM dial") << edits({"dn1.v1=1"}) << u"Check_DialGSM"_s << u"TabDialGSM"_s
                              << u"GSM-дозвон"_s;
    QTest::newRow("GPRS") << edits({"gs1.v2=1"}) << u"Check_GPRS"_s << u"TabGPRS"_s << u"GPRS"_s;
    QTest::newRow("common") << edits({"ks1.t1="}) << u"Check_Common"_s << u"TabCommon"_s << u"Общие"_s;
    QTest::newRow("read-back on the keys page")
        << edits({"ua2.t1=a b"}) << u"Check_ReadBack"_s << u"TabKeys"_s << u"Ключи"_s;
    QTest::newRow("read-back on the GPRS page")
        << edits({"gl2.t1=a;b"}) << u"Check_ReadBack"_s << u"TabGPRS"_s << u"GPRS"_s;
}

void ValidationChainTest::pages()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, check);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    const std::optional<RuleFailure> failure = FirstFailure(ModelWith(edits));
    QVERIFY(failure);
    QCOMPARE(failure->check, check);
    QCOMPARE(CheckName(failure->checkId), check);
    QCOMPARE(failure->page, page);
    QCOMPARE(failure->pageCaption, caption);
}

void ValidationChainTest::walkWithDefaults()
{
    // Several defaults in one save, across pages; the model passes afterwards.
    T_Command_DEVICE model = ModelWith(edits({"om.v1=49", "xo.v1=500", "lm1.v2=0", "rm1.v2=0", "gs1.v2=0",
                                              "cb1.v1=49", "cb1.t2=*100#", "ct1.v1=0"}));
    QCOMPARE(walkTakingDefaults(model),
             edits({"Check_RezervAndSignal 1", "Check_Mode 3", "Check_Shleifs 1", "Check_Rele 1",
                    "Check_GPRS 11", "Check_Common 1", "Check_Common 5"}));
    QVERIFY(!FirstFailure(model));
    for (const char *value :
         {"om.v1=24", "xo.v1=90", "lm1.v2=90", "rm1.v2=90", "gs1.v2=10001", "cb1.v1=0", "ct1.v1=10"})
        QVERIFY2(ModelHas(model, QString::fromUtf8(value)), value);
}

void ValidationChainTest::defaultGoesOnWithTheNextRule()
{
    // A period of 49 typed by hand: the default sets 0 and the walk goes on with rule 2.
    T_Command_DEVICE model = ModelWith(edits({"cb1.v1=49", "cb2.v1=50", "cb2.t2=*102#"}));
    const std::optional<RuleFailure> first = FirstFailure(model);
    QVERIFY(first);
    QCOMPARE(label(*first), u"Check_Common 1"_s);
    QVERIFY(ApplyDefault(model, *first));
    QVERIFY(ModelHas(model, u"cb1.v1=0"_s));
    const std::optional<RuleFailure> second = FirstFailure(model, first->position.next());
    QVERIFY(second);
    QCOMPARE(label(*second), u"Check_Common 2"_s);
    QCOMPARE(second->position, first->position.next());
}

void ValidationChainTest::allFailuresJudgesTheModelAsItIs()
{
    // A period of 49 without request code breaks the period rule and the request-code rule; the list names
    // both, while a save whose user takes the default sees only the first (0 switches the check off).
    T_Command_DEVICE model = ModelWith(edits({"cb1.v1=49"}));
    QStringList listed;
    for (const RuleFailure &failure : AllFailures(model))
        listed.append(label(failure));
    QCOMPARE(listed, edits({"Check_Common 1", "Check_Common 3"}));
    QCOMPARE(walkTakingDefaults(model), edits({"Check_Common 1"}));
    QVERIFY(!FirstFailure(model));
}

void ValidationChainTest::singleCheckFromItsStart()
{
    const T_Command_DEVICE model = ModelWith(edits({"om.v1=49", "gt.v1=0", "sm.v1=1", "ks1.t1="}));
    const std::optional<RuleFailure> gprs = FirstFailure(model, CheckStart(CheckId::GPRS));
    QVERIFY(gprs);
    QCOMPARE(label(*gprs), u"Check_GPRS 3"_s);
    // A check that passes: the next failure found belongs to a later check.
    const std::optional<RuleFailure> fromSms = FirstFailure(model, CheckStart(CheckId::SMS));
    QVERIFY(fromSms);
    QCOMPARE(fromSms->checkId, CheckId::GPRS);
    QVERIFY(CheckStart(CheckId::Mode).index < CheckStart(CheckId::Shleifs).index);
    QVERIFY(!FirstFailure(model, ChainEnd()));
    QCOMPARE(FirstFailure(model, CheckStart(CheckId::Common))->rule, 7);
}

void ValidationChainTest::emptyKeyStopsLast()
{
    // Saving without a file key stops at the common check after every other check has passed.
    T_Command_DEVICE factory;
    factory.ResetToDefaults();
    const QList<RuleFailure> all = AllFailures(factory);
    QCOMPARE(all.size(), 1);
    QCOMPARE(label(all.first()), u"Check_Common 7"_s);
    QVERIFY(!all.first().defaultOffered);
    QCOMPARE(all.first().focusControl, u"E_Common_KEY"_s);
}

void ValidationChainTest::sameServersMirrorThePortDefault()
{
    const QStringList zeroPorts = edits({"gs1.v2=0", "gs4.v2=0"});
    T_Command_DEVICE model = ModelWith(zeroPorts);
    std::optional<RuleFailure> failure = FirstFailure(model);
    QVERIFY(failure);
    QCOMPARE(label(*failure), u"Check_GPRS 11"_s);
    QVERIFY(ApplyDefault(model, *failure, DefaultOptions{true}));
    QVERIFY(ModelHas(model, u"gs4.v2=10001"_s));
    QVERIFY(!FirstFailure(model, failure->position.next()));

    // Without "=" the second card's port keeps its value and fails in its turn.
    model = ModelWith(zeroPorts);
    QVERIFY(ApplyDefault(model, *FirstFailure(model)));
    QVERIFY(ModelHas(model, u"gs4.v2=0"_s));
    failure = FirstFailure(model, failure->position.next());
    QVERIFY(failure);
    QCOMPARE(label(*failure), u"Check_GPRS 14"_s);
}

// Also with GPRS off, where the address field cannot be entered; with "=" the second card's server
// follows.
void ValidationChainTest::badAddressTakesTheEmptyAddress()
{
    const QStringList badAddress = edits({"sm.v1=0", "gs2.t1=300,001,001,001", "gs5.t1=300,001,001,001"});
    T_Command_DEVICE model = ModelWith(badAddress);
    std::optional<RuleFailure> failure = FirstFailure(model);
    QVERIFY(failure);
    QCOMPARE(label(*failure), u"Check_GPRS 6"_s);
    QVERIFY(failure->defaultOffered);
    QVERIFY(ApplyDefault(model, *failure, DefaultOptions{true}));
    QVERIFY(ModelHas(model, u"gs2.t1=000,000,000,000"_s));
    QVERIFY(ModelHas(model, u"gs5.t1=000,000,000,000"_s));
    QVERIFY(!FirstFailure(model, failure->position.next()));

    model = ModelWith(badAddress);
    QVERIFY(ApplyDefault(model, *FirstFailure(model)));
    QVERIFY(ModelHas(model, u"gs5.t1=300,001,001,001"_s));
    QCOMPARE(label(*FirstFailure(model, failure->position.next())), u"Check_GPRS 9"_s);
}

void ValidationChainTest::texts_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("hint");

    QTest::newRow("duty period: minimum + 1")
        << edits({"om.v1=49"}) << u"Недопустимая величина периода формирования сообщений \"Дежурный режим\""_s
        << u"Период формирования сообщений должен находится в диапазоне 1..48 часов"_s;
    QTest::newRow("indicator: no blank before the unit")
        << edits({"el.v1=0"}) << u"Недопустимая величина времени работы выносного индикатора"_s
        << u"Время работы выносного индикатора должно находится в диапазоне 1..999сек."_s;
    QTest::newRow("attempts")
        << edits({"ca.v1=0"})
        << u"Недопустимое число неудачных попыток связи перед переключением на другую SIM-карту"_s
        << u"Число попыток переключения должно находится в диапазоне 1..20"_s;
    QTest::newRow("return delay")
        << edits({"cm.v1=2", "cm.v2=0"})
        << u"Недопустимая величина задержки перед переключением на основную SIM-карту."_s
        << u"Величина задержки должна находится в диапазоне 1..120 минут"_s;
    QTest::newRow("exit delay") << edits({"xo.v1=500"}) << u"Недопустимая величина времени на выход."_s
                                << u"Время на выход может быть задано в диапазоне 1..180 секунд"_s;
    QTest::newRow("loop delay")
        << edits({"lm1.v2=0"}) << u"Недопустимая величина времени задержки сработки по шлейфу."_s
        << u"Задержка сработки по шлейфу может быть задана в диапазоне 1..180 секунд"_s;
    QTest::newRow("control loops") << edits({"ua*.t1=*", "lm1.v1=15", "lm2.v1=15"})
                                   << u"Задано больше одного управляющего шлейфа."_s
                                   << u"Измените тип шлейфа"_s;
    QTest::newRow("control key")
        << edits({"lm1.v1=15"}) << u"Для управления задан ключ и управляющий шлейф."_s
        << u"Одновременное управление при помощи шлейфа и ключа недопустимо, могут ипользоваться "
           u"ключи только с типом \"ПАТРУЛЬ\""_s;
    QTest::newRow("relay") << edits({"rm2.v2=0"}) << u"Недопустимая величина времени работы реле."_s
                           << u"Время работы может быть задано в диапазоне 1..999 секунд"_s;
    QTest::newRow("SMS number") << edits({"sn1.v1=4"}) << u"Не заданы номера для задействованных телефонов."_s
                                << u"Необходимо задать номера для используемых телефонов"_s;
    QTest::newRow("dial set")
        << edits({"dn1.v1=5", "dn1.t2=1"})
        << u"Не задан полный набор телефонов для передачи сообщений по дозвону без соединения."_s
        << u"Желательно задать не менее одного телефона для каждого основного типа сообщений "
           u"(Взятия, Снятия, Дежурные режимы, Тревоги)"_s;
    QTest::newRow("GPRS duty 1")
        << edits({"sm.v1=1", "gd.v1=9"})
        << u"Недопустимая величина периода отправки сообщений дежурного режим первого типа (без "
           u"подтверждения пульта)."_s
        << u"Период отправки сообщений может быть задан в диапазоне 10..900 секунд"_s;
    QTest::newRow("GPRS answer")
        << edits({"sm.v1=1", "gt.v1=61"})
        << u"Недопустимая величина времени ожидания ответа на переданное сообщение."_s
        << u"Время ожидания может быть задано в диапазоне 5..60 секунд"_s;
    QTest::newRow("GPRS unanswered")
        << edits({"sm.v1=1", "gt.v2=0"})
        << u"Недопустимая величина числа неответов на переданное сообщение, после которого "
           u"происходит снижение темпа повторов сообщения."_s
        << u"Допустимое число неответов может быть задано в диапазоне 1..100"_s;
    QTest::newRow("address") << edits({"gs3.t1=1.2.3.999"})
                             << u"Недопустимый IP-адрес сервера для приема сообщений."_s
                             << u"Элементы IP-адреса должны находится в диапазоне 0..255"_s;
    QTest::newRow("port: the range actually checked")
        << edits({"gs3.v2=80"}) << u"Недопустимый номер порта сервера для приема сообщений."_s
        << u"Порт может быть задан в диапазоне 10001..65535"_s;
    QTest::newRow("balance period: minimum + 1")
        << edits({"cb2.v1=60", "cb2.t2=*100#"}) << u"Недопустимая величина периода проверки баланса"_s
        << u"Период проверки баланса должен находится в диапазоне 1..48 часов, 0 - баланс не проверяется"_s;
    QTest::newRow("request code")
        << edits({"cb1.v1=1"}) << u"Не заданы команды для выполнения контроля баланса"_s
        << u"При установленном ненулевом периоде контроля баланса должна быть задана команды, "
           u"соответсвтующая GSM-оператору, предоставившему SIM-карту"_s;
    QTest::newRow("threshold")
        << edits({"ct2.v1=0"}) << u"Недопустимая величина порога оповещения о недостаточном балансе"_s
        << u"Значение порога оповещения должно находится в диапазоне 1..255 единиц тарификации"_s;
    QTest::newRow("file key") << edits({"ks1.t1="}) << u"Не задан ключ шифрования файла конфигурации"_s
                              << u"Для защиты информации в приборе следует задать ключ шифрования"_s;
    QTest::newRow("read-back of a word")
        << edits({"gp1.t1=ab.cd"}) << u"Недопустимые символы в поле \"Пароль SIM-карты №1\"."_s
        << u"Текст не может содержать пробелы, переводы строк и другие управляющие символы, символы \".\", "
           u"\";\" и "
           u"\"$\""_s;
    QTest::newRow("read-back of the file key")
        << edits({"ks1.t1= key"}) << u"Недопустимые символы в поле \"Ключ шифрования конфигурации\"."_s
        << u"Текст не может начинаться или заканчиваться пробелом, содержать два пробела подряд, переводы "
           u"строк и "
           u"другие управляющие символы, символы \".\", \";\" и \"$\""_s;
    QTest::newRow("read-back of a character outside Windows-1251")
        << QStringList{u"ua12.t1=Дверь\u4E2D"_s} << u"Недопустимые символы в поле \"Ключ №12: псевдоним\"."_s
        << u"Символ \"\u4E2D\" (U+4E2D) не может быть записан в файл конфигурации, его следует удалить"_s;
}

void ValidationChainTest::texts()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, headline);
    QFETCH(QString, hint);
    const std::optional<RuleFailure> failure = FirstFailure(ModelWith(edits));
    QVERIFY(failure);
    QCOMPARE(failure->headline, headline);
    QCOMPARE(failure->hint, hint);
}

void ValidationChainTest::readBackAgreesWithReader_data()
{
    QTest::addColumn<QString>("field"); // an edit without its value
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");

    const QList<std::pair<const char *, QString>> fields = {
        {"gp1.t1=", u"word"_s}, {"ua3.t1=", u"word"_s}, {"sn2.t2=", u"word"_s}, {"ks1.t1=", u"text"_s}};
    struct Sample
    {
        const char *name;
        QString text;
        bool refusedAsWord;
        bool refusedAsText;
    };
    const QList<Sample> samples = {
        {"plain", u"Abc123"_s, false, false},
        {"Cyrillic and marks", u"Вход-1,+*#!ёЁ"_s, false, false},
        {"point", u"ab.cd"_s, true, true},
        {"semicolon", u"ab;cd"_s, true, true},
        {"dollar", u"ab$cd"_s, true, true},
        {"blank", u"ab cd"_s, true, false},
        {"leading blank", u" ab"_s, true, true},
        {"trailing blank", u"ab "_s, true, true},
        {"two blanks", u"ab  cd"_s, true, true},
        {"line break", u"ab\r\ncd"_s, true, true},
        {"leading tab", u"\tab"_s, true, true},
        {"inner tab", u"a\tb"_s, true, true},
        {"no Windows-1251 form", u"ab\u20ACz\u4E2D"_s, true, true},
    };
    for (const auto &[field, kind] : fields) {
        for (const Sample &sample : samples) {
            QTest::addRow("%s %s", field, sample.name)
                << QString::fromUtf8(field) << sample.text
                << (kind == u"text" ? sample.refusedAsText : sample.refusedAsWord);
        }
    }
}

// The rule's verdict against the real thing: a text it accepts comes back unchanged from the written
// and re-read configuration; a text that would not come back is refused.
void ValidationChainTest::readBackAgreesWithReader()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, refused);

    T_Command_DEVICE model = ModelWith({u"sn2.v1=1"_s, u"sn2.t2=1"_s, field + text});
    const std::optional<RuleFailure> failure = FirstFailure(model);
    QCOMPARE(failure.has_value(), refused);
    if (failure)
        QCOMPARE(failure->checkId, CheckId::ReadBack);

    const ConfigurationBytes written = EncodeConfiguration(model);
    if (!written.ok()) {
        QVERIFY(refused);
        return;
    }
    T_Command_DEVICE reread;
    LoadConfigurationText(ConfigurationTextFromBytes(written.bytes), reread);
    if (!refused)
        QVERIFY2(ModelHas(reread, field + text), "a text the rule accepts does not read back unchanged");
}

QTEST_GUILESS_MAIN(ValidationChainTest)
#include "tst_validation_chain.moc"
