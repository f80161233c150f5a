#include "../support/cli_runner.h"
#include "audit_command.h"
#include "container_encoder.h"
#include "diff_command.h"
#include "fields/field_catalogue.h"
#include "save_commands.h"
#include "set_command.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;
using orva::test::fixture;
using orva::test::ReadBytes;
using orva::test::runCli;
using orva::test::WriteBytes;

namespace {

const QString PanelA = QStringLiteral(ORVA_FIXTURES_DIR "/fleet/panel_a.ini");
const QString PanelB = QStringLiteral(ORVA_FIXTURES_DIR "/fleet/panel_b.ini");
const QString Fields = QStringLiteral(ORVA_FIXTURES_DIR "/pages/fields.ini");
const QString Stored = QStringLiteral(ORVA_FIXTURES_DIR "/opensave/stored.ini");

QStringList jsonIds(const QByteArray &json)
{
    QStringList ids;
    for (const QJsonValue &v : QJsonDocument::fromJson(json).array())
        ids << v.toObject().value(u"id"_s).toString();
    return ids;
}

// What `save` writes for a file: the editor's opened-and-saved form.
QByteArray savedForm(const QString &path)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"saved.ini"_s);
    const auto run = runCli({u"save"_s, path, u"-o"_s, out});
    return run.exitCode == 0 ? ReadBytes(out) : QByteArray();
}

// A panel of the audit folder: panel A with other values.
QByteArray panel(const QByteArray &fileKey, const QByteArray &name, const QByteArray &identifier,
                 const QByteArray &gprsKey, bool gprsOn = true)
{
    QByteArray text = fixture(u"fleet/panel_a.ini"_s);
    text.replace("ks1-mykey", QByteArray(QByteArray("ks1-") + fileKey));
    text.replace("ks2-mykey", QByteArray(QByteArray("ks2-") + fileKey));
    text.replace("oa-Office", QByteArray(QByteArray("oa-") + name));
    text.replace("gi-12ab", QByteArray(QByteArray("gi-") + identifier));
    text.replace("gk1-a1b2c3", QByteArray(QByteArray("gk1-") + gprsKey));
    text.replace("sm-3", gprsOn ? "sm-1" : "sm-0");
    return text;
}

// "kind value: file, file" for each finding of `audit --json`.
QStringList findings(const QByteArray &json)
{
    QStringList lines;
    for (const QJsonValue &v : QJsonDocument::fromJson(json).object().value(u"findings"_s).toArray()) {
        const QJsonObject finding = v.toObject();
        QStringList files;
        for (const QJsonValue &file : finding.value(u"files"_s).toArray())
            files << file.toString();
        QString line = finding.value(u"kind"_s).toString();
        if (finding.contains(u"value"_s))
            line += u' ' + finding.value(u"value"_s).toString();
        lines << line + u": " + files.join(u", "_s);
    }
    return lines;
}

} // namespace

class TestFleetCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldsListsTheCatalogue();
    void showListsEveryFieldOnce();
    void showTextAndContainer();
    void diff_data();
    void diff();
    void diffTextAndExitCodes();
    void auditFindsEachProblemOnce();
    void auditOfCleanFolderAndBadArguments();
    void setChangesExactlyTheNamedLines_data();
    void setChangesExactlyTheNamedLines();
    void setRefusesAndLeavesFileUntouched_data();
    void setRefusesAndLeavesFileUntouched();
    void setDryRunAndManyFiles();
    void loopModeWithoutButton();
};

void TestFleetCommands::fieldsListsTheCatalogue()
{
    const auto json = runCli({u"fields"_s, u"--json"_s});
    QCOMPARE(json.exitCode, 0);
    const QJsonArray fields = QJsonDocument::fromJson(json.out).array();
    QCOMPARE(fields.size(), FieldCatalogue().size());
    const QJsonObject first = fields.first().toObject();
    QCOMPARE(first.value(u"id"_s).toString(), u"common.key"_s);
    QCOMPARE(first.value(u"command"_s).toString(), u"ks"_s);
    const qsizetype delayAt = FindField(u"loops.1.delay") - FieldCatalogue().constData();
    const QJsonObject delay = fields.at(delayAt).toObject();
    QCOMPARE(delay.value(u"page"_s).toString(), u"Шлейфы"_s);
    QCOMPARE(delay.value(u"min"_s).toInt(), 1);
    QCOMPARE(delay.value(u"max"_s).toInt(), 180);
    QCOMPARE(delay.value(u"default"_s).toInt(), 90);

    const auto text = runCli({u"fields"_s});
    QCOMPARE(text.exitCode, 0);
    const QStringList lines = QString::fromUtf8(text.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), FieldCatalogue().size());
    QVERIFY(lines.contains(
        u"loops.1.delay\tШлейфы\tШлейф 1: задержка\tlm1 parameter 2\tnumber\t1..180, default 90"_s));
    // A text field says what its entry field takes.
    const QString password = lines.filter(QRegularExpression(u"^common\\.password\t"_s)).value(0);
    QVERIFY2(
        password.endsWith(
            u"\ttext\tat most 5 characters: digits, Latin letters, Russian letters (not Ё, ё) and \"_\""_s),
        qPrintable(password));
    const QJsonObject phone =
        fields.at(FindField(u"common.sim1.phone") - FieldCatalogue().constData()).toObject();
    QCOMPARE(phone.value(u"maxLength"_s).toInt(), 16);
    QCOMPARE(phone.value(u"takes"_s).toString(), u"at most 16 characters: digits, \"#\", \"*\" and \"+\""_s);
}

// `show` of the factory configuration lists every catalogue id once, in catalogue order.
void TestFleetCommands::showListsEveryFieldOnce()
{
    QTemporaryDir dir;
    const QString factory = dir.filePath(u"factory.ini"_s);
    QCOMPARE(runCli({u"defaults"_s, u"-o"_s, factory}).exitCode, 0);
    const auto run = runCli({u"show"_s, factory, u"--json"_s});
    QCOMPARE(run.exitCode, 0);
    QStringList expected;
    for (const Field &field : FieldCatalogue())
        expected << field.id;
    QCOMPARE(jsonIds(run.out), expected);
    const QJsonObject mode =
        QJsonDocument::fromJson(run.out).array().at(expected.indexOf(u"loops.4.mode"_s)).toObject();
    QCOMPARE(mode.value(u"page"_s).toString(), u"Шлейфы"_s);
    QCOMPARE(mode.value(u"field"_s).toString(), u"Шлейф 4: тип"_s);
    QCOMPARE(mode.value(u"value"_s).toString(), u"пожарный тип 2 (с контрольным сбросом)"_s);
}

void TestFleetCommands::showTextAndContainer()
{
    const auto plain = runCli({u"show"_s, PanelA});
    QCOMPARE(plain.exitCode, 0);
    const QString text = QString::fromUtf8(plain.out);
    QVERIFY(text.contains(u"\nGPRS / Идентификатор: 0000-0000-12AB\n"_s));
    QVERIFY(text.contains(u"\nGPRS / Сервер №1 SIM-карты №1: адрес: 010.000.000.001\n"_s));
    QVERIFY(text.contains(u"\nКлючи / Ключ №1: ключ обучен: ключ обучен\n"_s));
    QVERIFY(!text.contains(u"12345678"_s)); // a learned key's code is never shown
    QVERIFY(text.contains(u"\nОбщие / Пароль удаленного управления:\n"_s));

    test::ContainerParts parts;
    parts.text = fixture(u"fleet/panel_a.ini"_s);
    parts.keyBytes = test::RepeatKeyBytes("secret");
    parts.deviceName = "Office";
    parts.identifier = "000000000012ab";
    QTemporaryDir dir;
    const QString container = dir.filePath(u"panel.cry"_s);
    QVERIFY(WriteBytes(container, test::EncodeContainer(parts)));
    const auto opened = runCli({u"show"_s, container, u"--key"_s, u"secret"_s});
    QCOMPARE(opened.exitCode, 0);
    QCOMPARE(opened.out, plain.out);
    QCOMPARE(runCli({u"show"_s, container}).exitCode, 2);
    QCOMPARE(runCli({u"show"_s, container, u"--key"_s, u"wrong"_s}).exitCode, 6);
    QCOMPARE(runCli({u"diff"_s, container, PanelA, u"--key-a"_s, u"secret"_s}).exitCode, 0);
    QCOMPARE(runCli({u"diff"_s, PanelA, container, u"--key-a"_s, u"secret"_s}).exitCode, 2);
}

void TestFleetCommands::diff_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b"); // "saved" for the editor's saved form of A
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("a file with itself") << PanelA << PanelA << QStringList();
    QTest::newRow("with its saved form (dial phones sorted)") << PanelA << u"saved"_s << QStringList();
    QTest::newRow("pages fixture with its saved form") << Fields << u"saved"_s << QStringList();
    QTest::newRow("stored fixture with its saved form") << Stored << u"saved"_s << QStringList();
    QTest::newRow("two fixtures") << PanelA << PanelB
                                  << QStringList{u"loops.2.mode"_s,
                                                 u"keys.2.type"_s,
                                                 u"sms.charset"_s,
                                                 u"gsm.phones.3.number"_s,
                                                 u"gprs.sim1.server2.address"_s,
                                                 u"gprs.sim1.server2.port"_s};
}

void TestFleetCommands::diff()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QStringList, ids);
    QTemporaryDir dir;
    if (b == u"saved") {
        b = dir.filePath(u"saved.ini"_s);
        const QByteArray saved = savedForm(a);
        QVERIFY(!saved.isEmpty());
        QVERIFY(WriteBytes(b, saved));
    }
    const auto run = runCli({u"diff"_s, a, b, u"--json"_s});
    QCOMPARE(jsonIds(run.out).join(u", "_s), ids.join(u", "_s));
    QCOMPARE(run.exitCode, ids.isEmpty() ? 0 : 1);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
}

void TestFleetCommands::diffTextAndExitCodes()
{
    const auto run = runCli({u"diff"_s, PanelA, PanelB});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.out),
             u"Шлейфы / Шлейф 2: тип: охранный проходной → управление\n"
             u"Ключи / Ключ №2: тип ключа: Постановка/Снятие → Принуждение\n"
             u"SMS / Кодировка SMS: \"транслит\" → \"кириллица\"\n"
             u"GSM-дозвон / Телефон (поз.3): номер: +70000000003 → +79999999999\n"
             u"GPRS / Сервер №2 SIM-карты №1: адрес: 000.000.000.000 → 192.168.001.005\n"
             u"GPRS / Сервер №2 SIM-карты №1: порт: 10001 → 10002\n"_s);
    const auto json = runCli({u"diff"_s, PanelA, PanelB, u"--json"_s});
    const QJsonObject first = QJsonDocument::fromJson(json.out).array().first().toObject();
    QCOMPARE(first.value(u"a"_s).toString(), u"охранный проходной"_s);
    QCOMPARE(first.value(u"b"_s).toString(), u"управление"_s);

    QCOMPARE(runCli({u"diff"_s, PanelA}).exitCode, 2);
    QCOMPARE(runCli({u"diff"_s, PanelA, u"/nonexistent/b.ini"_s}).exitCode, int(cli::ExitCode::Unreadable));
}

// A folder with planted problems: each is found once and names its files.
void TestFleetCommands::auditFindsEachProblemOnce()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(WriteBytes(folder.filePath(u"a.ini"_s), panel("keyA", "North", "111111111111", "AAAA")));
    QVERIFY(WriteBytes(folder.filePath(u"b.ini"_s), panel("keyB", "South", "111111111111", "aaaa")));
    QVERIFY(WriteBytes(folder.filePath(u"c.ini"_s), panel("keyC", "East", "0", "0")));
    QVERIFY(WriteBytes(folder.filePath(u"d.ini"_s), panel("", "West", "222222222222", "2222")));
    QVERIFY(WriteBytes(folder.filePath(u"e.ini"_s), panel("keyA", "Depot", "333333333333", "3333")));
    QVERIFY(WriteBytes(folder.filePath(u"spare.ini"_s), panel("keyF", "Spare", "0", "0", false)));
    test::ContainerParts parts;
    parts.text = panel("keyS", "Depot", "111111111111", "5555");
    parts.keyBytes = test::RepeatKeyBytes("keyS");
    parts.deviceName = "Depot";
    parts.identifier = "111111111111";
    QVERIFY(WriteBytes(folder.filePath(u"sklad.cry"_s), test::EncodeContainer(parts)));
    test::ContainerParts bad = parts;
    bad.signatureLine = "NOT A PANEL FILE";
    QVERIFY(WriteBytes(folder.filePath(u"broken.cry"_s), test::EncodeContainer(bad)));
    // A file that cannot be read, whoever runs the test: reading this process's memory file from its
    // start fails.
    QVERIFY(QFile::link(u"/proc/self/mem"_s, folder.filePath(u"lost.ini"_s)));

    const auto run = runCli({u"audit"_s, dir.path(), u"--json"_s});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(findings(run.out), (QStringList{
                                    u"check: d.ini"_s,
                                    u"unreadable: lost.ini"_s,
                                    u"not-a-container: broken.cry"_s,
                                    u"same-identifier 1111-1111-1111: a.ini, b.ini, sklad.cry"_s,
                                    u"same-gprs-key: a.ini, b.ini"_s,
                                    u"factory-identifier: c.ini"_s,
                                    u"factory-gprs-key: c.ini"_s,
                                    u"same-file-key: a.ini, e.ini"_s,
                                    u"empty-file-key: d.ini"_s,
                                    u"same-device-name Depot: e.ini, sklad.cry"_s,
                                }));
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    const QJsonArray failures =
        root.value(u"findings"_s).toArray().first().toObject().value(u"failures"_s).toArray();
    QCOMPARE(failures.last().toObject().value(u"headline"_s).toString(),
             u"Не задан ключ шифрования файла конфигурации"_s);
    QCOMPARE(root.value(u"headerOnly"_s).toArray(), QJsonArray{u"sklad.cry"_s});
    QVERIFY(!run.out.contains("keyA")); // keys are never printed

    const auto text = runCli({u"audit"_s, dir.path()});
    QCOMPARE(text.exitCode, 1);
    const QString out = QString::fromUtf8(text.out);
    QVERIFY(
        out.contains(u"same-identifier 1111-1111-1111: a.ini, b.ini, sklad.cry — share one GPRS identifier: "
                     u"a station cannot tell them apart\n"_s));
    QVERIFY(out.contains(u"    Общие [Check_Common 7]: Не задан ключ шифрования файла конфигурации\n"_s));
    QVERIFY(out.endsWith(u"6 plain files examined whole, 1 containers from their header (device name and "
                         u"identifier), 10 findings\n"_s));
}

void TestFleetCommands::auditOfCleanFolderAndBadArguments()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(PanelA, QDir(dir.path()).filePath(u"a.ini"_s)));
    const auto run = runCli({u"audit"_s, dir.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             u"1 plain files examined whole, 0 containers from their header (device name and identifier), "
             u"0 findings\n"_s);
    QCOMPARE(runCli({u"audit"_s, u"/nonexistent/folder"_s}).exitCode, int(cli::ExitCode::Unreadable));
    QCOMPARE(runCli({u"audit"_s}).exitCode, 2);
}

void TestFleetCommands::setChangesExactlyTheNamedLines_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("lines"); // the lines that differ from the saved form, as written
    QTest::newRow("server address and port")
        << PanelA
        << QStringList{u"gprs.sim1.server2.address=192.168.1.5"_s, u"gprs.sim1.server2.port=10002"_s}
        << QStringList{u"gs2-192,168,001,005.10002"_s};
    QTest::newRow("apn with points") << PanelA << QStringList{u"gprs.sim2.apn=internet.beeline.ru"_s}
                                     << QStringList{u"ga2-internet,beeline,ru"_s};
    QTest::newRow("loop mode by its text")
        << PanelA << QStringList{u"loops.3.mode=охранный проходной"_s} << QStringList{u"lm3-4.90"_s};
    QTest::newRow("loop mode by its number")
        << PanelA << QStringList{u"loops.3.mode=6"_s} << QStringList{u"lm3-6.90"_s};
    QTest::newRow("identifier") << PanelA << QStringList{u"gprs.identifier=00ff-1234-abcd"_s}
                                << QStringList{u"gi-00FF1234ABCD"_s};
    QTest::newRow("key type keeps the learned key")
        << PanelA << QStringList{u"keys.1.type=Принуждение"_s} << QStringList{u"ua01-!ABCDEFGHI.********"_s};
    QTest::newRow("dial phone by its number") << PanelA << QStringList{u"gsm.phones.3.number=+71111111111"_s}
                                              << QStringList{u"dn3-6.+71111111111"_s};
    QTest::newRow("value already so") << PanelA << QStringList{u"loops.1.mode=1"_s} << QStringList();
}

// `set` writes what `save` writes for the file, except the lines of the named fields.
void TestFleetCommands::setChangesExactlyTheNamedLines()
{
    QFETCH(QString, source);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"panel.ini"_s);
    QVERIFY(QFile::copy(source, file));
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QStringList saved = QString::fromLatin1(savedForm(source)).split(u"\r\n"_s);

    QStringList arguments{u"set"_s, file};
    for (const QString &field : fields)
        arguments << u"--field"_s << field;
    const auto run = runCli(arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QByteArray written = ReadBytes(file);
    const QStringList result = QString::fromLatin1(written).split(u"\r\n"_s);
    QCOMPARE(result.size(), saved.size());
    QStringList changed;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (result[i] != saved[i])
            changed << result[i].trimmed();
    }
    QCOMPARE(changed, lines);
    // The editor opens the file and saves it unchanged to the same bytes.
    QCOMPARE(savedForm(file), written);
}

void TestFleetCommands::setRefusesAndLeavesFileUntouched_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const int refused = int(cli::ExitCode::ChecksFail);
    QTest::newRow("port the checks refuse") << u"gprs.sim1.server1.port=5000"_s << refused
                                            << u"Недопустимый номер порта сервера для приема сообщений."_s;
    QTest::newRow("address group above 255") << u"gprs.sim1.server1.address=300.0.0.1"_s << refused
                                             << u"Недопустимый IP-адрес сервера для приема сообщений."_s;
    QTest::newRow("exit delay") << u"mode.exit_delay=500"_s << refused
                                << u"Недопустимая величина времени на выход."_s;
    QTest::newRow("sms phone without number") << u"sms.phones.1.messages=Тревожные"_s << refused
                                              << u"Не заданы номера для задействованных телефонов."_s;
    QTest::newRow("password that would not read back")
        << u"common.password=a.b"_s << refused << u"Пароль удаленного управления"_s;
    QTest::newRow("volume outside its command's range")
        << u"indication.buzzer_volume=7"_s << refused << u"would read back from the file as \"1\""_s;
    QTest::newRow("typed key alias too long")
        << u"keys.1.name=ABCDEFGHIJ"_s << refused << u"alias has at most 9 characters"_s;
    QTest::newRow("arming lock without GPRS")
        << u"gprs.active=нет --field mode.lock_without_gprs=да"_s << refused
        << u"mode.lock_without_gprs: the editor would store \"нет\""_s;
    QTest::newRow("dial mode the delivery does not allow")
        << u"gsm.phones.1.mode=4"_s << refused
        << u"gsm.phones.1.mode: the editor would store \"Дозвон/Соединение: ТревогиТревожные\""_s;
    // What the page's entry field would not take is refused, and the message says what it takes.
    QTest::newRow("remote-control password longer than its field")
        << u"common.password=123456789"_s << refused
        << u"common.password (Пароль удаленного управления): \"123456789\" has 9 characters; the field takes "
           u"at most 5 characters"_s;
    QTest::newRow("file key longer than its field")
        << u"common.key=0123456789abcdef0123456789abcdef0123"_s << refused
        << u"has 36 characters; the field takes at most 32 characters"_s;
    QTest::newRow("phone number of letters")
        << u"common.sim1.phone=hello"_s << refused
        << u"\"hello\" holds \"h\", which the field does not take; it takes at most 16 characters: digits, "
           u"\"#\", \"*\" and \"+\""_s;
    QTest::newRow("alias with a character its field filters out")
        << u"loops.2.name=Вход-1"_s << refused << u"holds \"-\""_s;
    QTest::newRow("loop delay with more digits than its field")
        << u"loops.1.delay=0090"_s << refused << u"at most 3 characters: digits"_s;
    QTest::newRow("port with a blank") << u"gprs.sim1.server1.port= 10001"_s << refused << u"holds U+0020"_s;
    QTest::newRow("loop mode without a button") << u"loops.1.mode=13"_s << 2 << u"is none of"_s;
    QTest::newRow("unknown field") << u"loops.9.mode=1"_s << 2 << u"orva-config fields"_s;
    QTest::newRow("no value of the field") << u"loops.1.mode=17"_s << 2 << u"is none of"_s;
    QTest::newRow("learned key") << u"keys.1.learned="_s << 2 << u"learns"_s;
}

void TestFleetCommands::setRefusesAndLeavesFileUntouched()
{
    QFETCH(QString, field);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"panel.ini"_s);
    QVERIFY(QFile::copy(PanelA, file));
    const QByteArray before = ReadBytes(file);
    QStringList arguments{u"set"_s, file};
    for (const QString &f : field.split(u" --field "_s))
        arguments << u"--field"_s << f;
    const auto run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(ReadBytes(file), before);
}

void TestFleetCommands::setDryRunAndManyFiles()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString a = folder.filePath(u"a.ini"_s);
    const QString b = folder.filePath(u"b.ini"_s);
    const QString failing = folder.filePath(u"failing.ini"_s);
    const QString container = folder.filePath(u"c.cry"_s);
    QVERIFY(QFile::copy(PanelA, a));
    QVERIFY(QFile::copy(Fields, b));
    QVERIFY(WriteBytes(failing, fixture(u"fleet/panel_a.ini"_s).replace("ks1-mykey", "ks1-")));
    QVERIFY(WriteBytes(container, "not even a container, but named as one"));
    const QByteArray beforeA = ReadBytes(a);

    const auto dry =
        runCli({u"set"_s, a, u"--field"_s, u"gprs.sim1.server1.address=10.0.0.2"_s, u"--dry-run"_s});
    QCOMPARE(dry.exitCode, 0);
    QCOMPARE(QString::fromUtf8(dry.out), a + u": GPRS / Сервер №1 SIM-карты №1: адрес: 010.000.000.001 → "
                                             u"010.000.000.002\n"_s);
    QCOMPARE(ReadBytes(a), beforeA);

    const QByteArray beforeFailing = ReadBytes(failing);
    const QByteArray beforeContainer = ReadBytes(container);
    const auto run = runCli({u"set"_s, container, a, failing, b, u"--field"_s, u"gprs.sim1.apn=internet"_s});
    QCOMPARE(run.exitCode, int(cli::ExitCode::ContainerRefused));
    QVERIFY(run.err.contains(u"never writes one"_s));
    QVERIFY(run.err.contains(failing + u" is left unchanged"_s));
    QCOMPARE(ReadBytes(container), beforeContainer);
    QCOMPARE(ReadBytes(failing), beforeFailing);
    QVERIFY(ReadBytes(a).contains("ga1-internet   "));
    QVERIFY(ReadBytes(b).contains("ga1-internet   "));

    // A write-protected file is left as it is.
    QVERIFY(QFile::setPermissions(a, QFileDevice::ReadOwner));
    const QByteArray protectedBytes = ReadBytes(a);
    const auto denied = runCli({u"set"_s, a, u"--field"_s, u"sms.name=Depot"_s});
    QCOMPARE(denied.exitCode, 1);
    QCOMPARE(ReadBytes(a), protectedBytes);
    QCOMPARE(runCli({u"set"_s, a}).exitCode, 2);
    QCOMPARE(runCli({u"set"_s, u"--field"_s, u"sms.name=Depot"_s}).exitCode, 2);
}

// Loop mode 13 has no button on the Loops page, which shows such a loop as not in use.
void TestFleetCommands::loopModeWithoutButton()
{
    QTemporaryDir dir;
    const QString thirteen = dir.filePath(u"thirteen.ini"_s);
    const QString unused = dir.filePath(u"unused.ini"_s);
    QVERIFY(WriteBytes(thirteen, fixture(u"fleet/panel_a.ini"_s) + "lm1-13\r\n"));
    QVERIFY(WriteBytes(unused, fixture(u"fleet/panel_a.ini"_s) + "lm1-7\r\n"));

    const auto show = runCli({u"show"_s, thirteen});
    QCOMPARE(show.exitCode, 0);
    QVERIFY(show.out.contains(u"\nШлейфы / Шлейф 1: тип: не используется\n"_s.toUtf8()));
    const auto json = runCli({u"show"_s, thirteen, u"--json"_s});
    const QJsonArray fields = QJsonDocument::fromJson(json.out).array();
    const qsizetype at = FindField(u"loops.1.mode") - FieldCatalogue().constData();
    QCOMPARE(fields.at(at).toObject().value(u"value"_s).toString(), u"не используется"_s);

    // Shown alike, the two files still differ: each side carries its number.
    const auto diff = runCli({u"diff"_s, thirteen, unused});
    QCOMPARE(diff.exitCode, 1);
    QCOMPARE(QString::fromUtf8(diff.out),
             u"Шлейфы / Шлейф 1: тип: не используется (13) → не используется (7)\n"_s);

    // The page's text gives the mode the page stores for it.
    const auto set =
        runCli({u"set"_s, thirteen, u"--field"_s, u"loops.1.mode=не используется"_s, u"--dry-run"_s});
    QCOMPARE(set.exitCode, 0);
    QCOMPARE(QString::fromUtf8(set.out),
             thirteen + u": Шлейфы / Шлейф 1: тип: не используется (13) → не используется (7)\n"_s);
}

QTEST_GUILESS_MAIN(TestFleetCommands)
#include "tst_fleet_commands.moc"
