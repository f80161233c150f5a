#include "device_model/store_form.h"
#include "fields/field_catalogue.h"
#include "model_probe.h"
#include "storage/config_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;
using orva::test::probe;

namespace {

const QStringList Fixtures = {u"save/opened.ini"_s,   u"opensave/store_form.ini"_s, u"pages/fields.ini"_s,
                              u"phones/phones.ini"_s, u"report/office.ini"_s,       u"lists/zones.ini"_s};

T_Command_DEVICE opened(const QString &fixture)
{
    QFile file(QStringLiteral(ORVA_FIXTURES_DIR "/") + fixture);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture");
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(file.readAll()), model);
    ApplyStoreForm(model);
    return model;
}

T_Command_DEVICE defaults()
{
    T_Command_DEVICE model;
    model.ResetToDefaults();
    ApplyStoreForm(model);
    return model;
}

} // namespace

class TestFieldCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void idsAreStableAsciiAndUnique();
    void everyEditedParameterHasAField();
    void shownValuesReadBackUnchanged_data();
    void shownValuesReadBackUnchanged();
    void valuesAsShown_data();
    void valuesAsShown();
    void modeWithoutButtonShowsAsThePage();
    void fieldTakesWhatItsEntryFieldTakes_data();
    void fieldTakesWhatItsEntryFieldTakes();
    void dialPhonesAreFoundByTheirNumber();
    void diffIgnoresFormAlone();
};

void TestFieldCatalogue::idsAreStableAsciiAndUnique()
{
    static const QRegularExpression idForm(u"^[a-z][a-z0-9_]*(\\.[a-z0-9_]+)+$"_s);
    QSet<QString> ids;
    for (const Field &field : FieldCatalogue()) {
        QVERIFY2(idForm.match(field.id).hasMatch(), qPrintable(field.id));
        QVERIFY2(!ids.contains(field.id), qPrintable(field.id));
        ids.insert(field.id);
        QVERIFY(!field.caption.isEmpty());
        QCOMPARE(field.pageCaption, PageCaptionOf(field.page));
        QVERIFY2(!field.pageCaption.isEmpty(), qPrintable(field.id));
        QCOMPARE(FindField(field.id), &field);
    }
    // The examples the catalogue is known by.
    QCOMPARE(FindField(u"loops.1.mode")->caption, u"Шлейф 1: тип"_s);
    QCOMPARE(FindField(u"loops.1.mode")->pageCaption, u"Шлейфы"_s);
    QCOMPARE(FindField(u"gprs.sim1.server2.address")->instance, 2);
    QCOMPARE(FindField(u"gprs.sim2.server1.port")->instance, 4);
    QCOMPARE(FindField(u"gprs.sim2.server1.port")->caption, u"Сервер №1 SIM-карты №2: порт"_s);
    QCOMPARE(FindField(u"loops.1.delay")->max(), CommandRowOf(Cmd::lm).max2);
    QVERIFY(!FindField(u"loops.5.mode"));
}

// Every parameter of every command instance that a page shows has a field; only the version text, the
// read-enable command and the voice-call pause (no page shows them) have none.
void TestFieldCatalogue::everyEditedParameterHasAField()
{
    const QSet<quint8> notShown = {Cmd::Zentrix, Cmd::fe, Cmd::cd};
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        for (int instance = row.firstInstance; instance <= row.lastInstance; ++instance) {
            for (int parameter = 1; parameter <= 2; ++parameter) {
                const ParamKind kind = parameter == 1 ? row.kind1 : row.kind2;
                const Field *field = FieldAt(code, instance, parameter);
                const QString where =
                    row.code.toString() + QString::number(instance) + u" p" + QString::number(parameter);
                if (kind == ParamKind::None || notShown.contains(code))
                    QVERIFY2(!field, qPrintable(where));
                else
                    QVERIFY2(field, qPrintable(where));
            }
        }
    }
}

void TestFieldCatalogue::shownValuesReadBackUnchanged_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("factory") << QString();
    for (const QString &fixture : Fixtures)
        QTest::newRow(qPrintable(fixture)) << fixture;
}

// Reading every field's shown value back into the model it came from changes nothing: show and parse
// are each other's inverse on what the editor holds after opening a file.
void TestFieldCatalogue::shownValuesReadBackUnchanged()
{
    QFETCH(QString, fixture);
    const T_Command_DEVICE model = fixture.isEmpty() ? defaults() : opened(fixture);
    for (const Field &field : FieldCatalogue()) {
        if (field.kind == FieldKind::Learned)
            continue;
        T_Command_DEVICE copy = model;
        QString error;
        QVERIFY2(SetField(field, copy, ShowField(field, model), &error),
                 qPrintable(field.id + u": " + error));
        // A choice the page offers no button for (loop mode 13) shows as the page shows it, and its text
        // gives the page's own value for it.
        const bool offered =
            field.kind != FieldKind::Choice ||
            !ChoiceTextOf(field.choices, FieldRecord(field, model).value(field.parameter)).isNull();
        if (!offered) {
            QCOMPARE(ShowField(field, copy), ShowField(field, model));
            continue;
        }
        QVERIFY2(SameModel(copy, model), qPrintable(field.id + u" = " + ShowField(field, model)));
    }
}

void TestFieldCatalogue::valuesAsShown_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");  // empty: the value is refused
    QTest::addColumn<QString>("stored"); // "probe=value" of the model, or empty
    const auto row = [](const char *name, const QString &id, const QString &value, const QString &shown,
                        const QString &stored = {}) {
        QTest::newRow(name) << id << value << shown << stored;
    };
    row("address with points", u"gprs.sim1.server2.address"_s, u"192.168.1.5"_s, u"192.168.001.005"_s,
        u"gs2 t1=192,168,001,005"_s);
    row("address with commas", u"gprs.sim2.server3.address"_s, u"10,0,0,1"_s, u"010.000.000.001"_s,
        u"gs6 t1=010,000,000,001"_s);
    row("address of three groups", u"gprs.sim1.server1.address"_s, u"10.0.1"_s, {});
    row("mode by number", u"loops.1.mode"_s, u"2"_s, u"охранный без задержки"_s, u"lm1 v1=2"_s);
    row("mode by text, any case", u"loops.2.mode"_s, u"ПАТРУЛЬ"_s, u"патруль"_s, u"lm2 v1=14"_s);
    row("mode without a button", u"loops.1.mode"_s, u"13"_s, {});
    row("not in use by the page's text", u"loops.1.mode"_s, u"не используется"_s, u"не используется"_s,
        u"lm1 v1=7"_s);
    row("mode outside the range", u"loops.1.mode"_s, u"17"_s, {});
    row("relay mode text", u"relays.3.mode"_s, u"Замок"_s, u"Замок"_s, u"rm3 v1=10"_s);
    row("switch", u"relays.tamper"_s, u"нет"_s, u"нет"_s, u"tb v1=0"_s);
    row("transparency ticked is 0", u"gsm.transparency"_s, u"да"_s, u"да"_s, u"dp v2=0"_s);
    row("quoted caption without quotes", u"sms.charset"_s, u"кириллица"_s, u"\"кириллица\""_s, u"sk v1=1"_s);
    row("dial mode composed text", u"gsm.phones.2.mode"_s, u"Дозвон/Соединение: ТревогиВсе сообщения"_s,
        u"Дозвон/Соединение: ТревогиВсе сообщения"_s, u"dn2 v1=4"_s);
    row("number", u"mode.exit_delay"_s, u"120"_s, u"120"_s, u"xo v1=120"_s);
    row("number with a sign", u"mode.exit_delay"_s, u"+5"_s, {});
    row("number of six digits", u"mode.exit_delay"_s, u"100000"_s, {});
    row("not a number", u"relays.1.time"_s, u"abc"_s, {});
    row("identifier short", u"gprs.identifier"_s, u"12ab"_s, u"0000-0000-12AB"_s, u"gi t1=0000000012AB"_s);
    row("identifier grouped", u"gprs.identifier"_s, u"1234-5678-9abc"_s, u"1234-5678-9ABC"_s,
        u"gi t1=123456789ABC"_s);
    row("identifier too long", u"gprs.identifier"_s, u"1234567890123"_s, {});
    row("identifier not hexadecimal", u"gprs.identifier"_s, u"12G4"_s, {});
    row("key part", u"gprs.key.2"_s, u"a1-b2"_s, u"00-00-00-00-00-00-A1-B2"_s, u"gk2 t1=000000000000A1B2"_s);
    row("apn", u"gprs.sim1.apn"_s, u"internet.mts.ru"_s, u"internet.mts.ru"_s, u"ga1 t1=internet,mts,ru"_s);
    row("sms-k keys in key order", u"smsk.phones.1.keys"_s, u"12,3,7"_s, u"03,07,12"_s,
        u"su1 items=3,7,12,0,0"_s);
    row("sms-k key 16", u"smsk.phones.1.keys"_s, u"16"_s, {});
    row("zone list keeps its order", u"zones.1.loops"_s, u"3,1"_s, u"3,1"_s, u"zn1 items=3,1,0,0,0"_s);
    row("zone list twice", u"zones.1.loops"_s, u"1,1"_s, {});
    row("zone list six", u"zones.keys.1"_s, u"1,2,3,4,1,2"_s, {});
    row("key type keeps the alias", u"keys.2.type"_s, u"Принуждение"_s, u"Принуждение"_s, u"ua2 t1=!"_s);
    row("key alias", u"keys.2.name"_s, u"Gate"_s, u"Gate"_s, u"ua2 t1=Gate"_s);
    row("key alias longer than typing allows", u"keys.2.name"_s, u"ABCDEFGHIJK"_s, u"ABCDEFGHIJK"_s,
        u"ua2 t1=ABCDEFGHIJK"_s);
    row("plain key alias starting with a mark", u"keys.2.name"_s, u"!Boss"_s, {});
    row("learned key", u"keys.1.learned"_s, u"ключ обучен"_s, {});
}

void TestFieldCatalogue::valuesAsShown()
{
    QFETCH(QString, id);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    const Field *field = FindField(id);
    QVERIFY(field);
    T_Command_DEVICE model = defaults();
    const T_Command_DEVICE before = model;
    QString error;
    const bool ok = SetField(*field, model, value, &error);
    if (shown.isEmpty()) {
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QVERIFY(SameModel(model, before));
        return;
    }
    QVERIFY2(ok, qPrintable(error));
    QCOMPARE(ShowField(*field, model), shown);
    if (!stored.isEmpty()) {
        const qsizetype eq = stored.indexOf(u'=');
        QCOMPARE(probe(model, stored.left(eq)), stored.mid(eq + 1));
    }
}

// The editor sorts the dial phones when it stores the page; each keeps the number it is written with,
// and the fields follow the number, not the place.
void TestFieldCatalogue::dialPhonesAreFoundByTheirNumber()
{
    QFile file(QStringLiteral(ORVA_FIXTURES_DIR "/phones/phones.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    T_Command_DEVICE model;
    LoadConfigurationText(ConfigurationTextFromBytes(file.readAll()), model);
    T_Command_DEVICE sorted = model;
    SortDialPhones(sorted);
    QVERIFY(sorted.record(Cmd::dn, 1).number() != 1); // the fixture's phones are not in order
    for (int phone = 1; phone <= 9; ++phone) {
        for (const QString &part : {u"mode"_s, u"number"_s}) {
            const Field *field = FindField(u"gsm.phones.%1.%2"_s.arg(phone).arg(part));
            QCOMPARE(ShowField(*field, sorted), ShowField(*field, model));
        }
    }
    QCOMPARE(ShowField(*FindField(u"gsm.phones.2.number"), sorted), u"+70000000002"_s);
}

void TestFieldCatalogue::diffIgnoresFormAlone()
{
    T_Command_DEVICE a;
    LoadConfigurationText(
        u"gi-12ab\r\ngs1-10,0,0,1.10001\r\nla1-Door      \r\ndn2-7.+7001\r\ndn1-5.+7002\r\n"_s, a);
    T_Command_DEVICE b;
    LoadConfigurationText(
        u"dn1-5.+7002\r\ndn2-7.+7001\r\nla1-Door\r\ngs1-010,000,000,001.10001\r\ngi-12AB\r\n"_s, b);
    ApplyStoreForm(a);
    ApplyStoreForm(b);
    QVERIFY(DiffFields(a, b).isEmpty());

    b.record(Cmd::la, 1).setText(1, u"Gate"_s);
    const QList<FieldDifference> differences = DiffFields(a, b);
    QCOMPARE(differences.size(), 1);
    QCOMPARE(differences.first().field->id, u"loops.1.name"_s);
    QCOMPARE(differences.first().a, u"Door"_s);
    QCOMPARE(differences.first().b, u"Gate"_s);
}

// A loop mode that a file brought and the page has no button for shows as its list row reads.
void TestFieldCatalogue::modeWithoutButtonShowsAsThePage()
{
    T_Command_DEVICE model = defaults();
    model.record(Cmd::lm, 2).setValue(1, 13);
    QCOMPARE(ShowField(*FindField(u"loops.2.mode"), model), u"не используется"_s);
    T_Command_DEVICE unused = defaults();
    unused.record(Cmd::lm, 2).setValue(1, 7);
    const QList<FieldDifference> differences = DiffFields(model, unused);
    QCOMPARE(differences.size(), 1);
    QCOMPARE(differences[0].a, u"не используется (13)"_s);
    QCOMPARE(differences[0].b, u"не используется (7)"_s);
}

void TestFieldCatalogue::fieldTakesWhatItsEntryFieldTakes_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("takes");
    QTest::newRow("password of 5") << u"common.password"_s << u"ab_1Я"_s << true;
    QTest::newRow("password of 9") << u"common.password"_s << u"123456789"_s << false;
    QTest::newRow("file key of 32 with blanks")
        << u"common.key"_s << u"Ключ ключ 0123456789abcdef012345"_s << true;
    QTest::newRow("file key with Ё") << u"common.key"_s << u"Ёлка"_s << false;
    QTest::newRow("phone") << u"gsm.phones.1.number"_s << u"+7912#*"_s << true;
    QTest::newRow("phone of letters") << u"gsm.phones.1.number"_s << u"hello"_s << false;
    QTest::newRow("delay of 3 digits") << u"loops.1.delay"_s << u"180"_s << true;
    QTest::newRow("delay of 4 digits") << u"loops.1.delay"_s << u"0180"_s << false;
    QTest::newRow("apn takes anything") << u"gprs.sim1.apn"_s << u"any text, 1 2 3 -_."_s << true;
    QTest::newRow("empty alias") << u"sms.name"_s << QString() << true;
}

void TestFieldCatalogue::fieldTakesWhatItsEntryFieldTakes()
{
    QFETCH(QString, id);
    QFETCH(QString, value);
    QFETCH(bool, takes);
    QString error;
    QCOMPARE(FieldTakes(*FindField(id), value, &error), takes);
    QCOMPARE(error.isEmpty(), takes);
    if (!takes)
        QVERIFY2(error.startsWith(id + u" ("), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestFieldCatalogue)
#include "tst_field_catalogue.moc"
