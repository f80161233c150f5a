// orva-config check: failing rules of a configuration file in chain order, as text or JSON, and its exit
// codes.
#include "../support/cli_runner.h"
#include "check_command.h"
#include "cli_app.h"
#include "container_encoder.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace orva::cli;
using namespace Qt::StringLiterals;

namespace {

using orva::test::CliRun;

CliRun run(const QStringList &arguments, const QByteArray &input = QByteArray())
{
    return orva::test::runCli(arguments, input);
}

QString fixture(const QString &name)
{
    return QStringLiteral(ORVA_FIXTURES_DIR "/check/") + name;
}

QByteArray fixtureBytes(const QString &name)
{
    return orva::test::ReadBytes(fixture(name));
}

QJsonArray jsonArrayOf(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return {};
    return document.array();
}

} // namespace

class CheckCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passingFile();
    void failuresInChainOrder();
    void failuresAsText();
    void container_data();
    void container();
    void unreadableFiles_data();
    void unreadableFiles();
    void wrongCommandLine_data();
    void wrongCommandLine();
};

void CheckCommandTest::passingFile()
{
    const CliRun text = run({u"check"_s, fixture(u"passing.ini"_s)});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.isEmpty());
    QVERIFY(text.err.isEmpty());

    const CliRun json = run({u"check"_s, fixture(u"passing.ini"_s), u"--json"_s});
    QCOMPARE(json.exitCode, 0);
    QVERIFY(QJsonDocument::fromJson(json.out).isArray());
    QVERIFY(jsonArrayOf(json.out).isEmpty());
}

void CheckCommandTest::failuresInChainOrder()
{
    const CliRun result = run({u"check"_s, u"--json"_s, fixture(u"failures.ini"_s)});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.isEmpty());
    const QJsonArray failures = jsonArrayOf(result.out);

    QStringList order;
    for (const QJsonValue &failure : failures)
        order.append(failure[u"check"_s].toString() + u' ' + QString::number(failure[u"rule"_s].toInt()));
    QCOMPARE(order, (QStringList{u"Check_Shleifs 5"_s, u"Check_Shleifs 9"_s, u"Check_Shleifs 11"_s,
                                 u"Check_SMS 2"_s, u"Check_SMSK 3"_s, u"Check_DialGSM 1"_s,
                                 u"Check_DialGSM 10"_s, u"Check_GPRS 6"_s, u"Check_GPRS 16"_s,
                                 u"Check_Common 4"_s, u"Check_Common 7"_s, u"Check_ReadBack 2"_s}));

    const QJsonObject port = failures[8].toObject();
    QCOMPARE(port[u"page"_s].toString(), u"TabGPRS"_s);
    QCOMPARE(port[u"pageCaption"_s].toString(), u"GPRS"_s);
    QCOMPARE(port[u"headline"_s].toString(), u"Недопустимый номер порта сервера для приема сообщений."_s);
    QCOMPARE(port[u"hint"_s].toString(), u"Порт может быть задан в диапазоне 10001..65535"_s);
    QCOMPARE(port[u"defaultOffered"_s].toBool(), true);
    QCOMPARE(port[u"control"_s].toString(), u"E_GPRS_Port6"_s);

    // The whole answer, field by field, as reviewed once.
    QCOMPARE(failures, jsonArrayOf(fixtureBytes(u"failures.expected.json"_s)));
}

void CheckCommandTest::failuresAsText()
{
    const CliRun result = run({u"check"_s, fixture(u"failures.ini"_s)});
    QCOMPARE(result.exitCode, 1);
    const QStringList lines = QString::fromUtf8(result.out).split(u'\n');
    QCOMPARE(lines.size(), 2 * 12 + 1);
    QCOMPARE(lines[0], u"Шлейфы [Check_Shleifs 5]: Задано больше одного управляющего шлейфа."_s);
    QCOMPARE(lines[1], u"    Измените тип шлейфа"_s);
    QCOMPARE(
        lines[22],
        u"Общие [Check_ReadBack 2]: Недопустимые символы в поле \"\"Старый\" ключ (для смены ключа)\"."_s);
    QVERIFY(lines.last().isEmpty());
}

void CheckCommandTest::container_data()
{
    QTest::addColumn<QStringList>("keyOptions");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("key on the command line") << QStringList{u"--key"_s, u"secret"_s} << QByteArray() << 1;
    QTest::newRow("key from standard input") << QStringList{u"--key-stdin"_s} << QByteArray("secret\n") << 1;
    QTest::newRow("wrong key") << QStringList{u"--key"_s, u"public"_s} << QByteArray()
                               << int(ExitCode::WrongKey);
    QTest::newRow("empty key") << QStringList{u"--key"_s, QString()} << QByteArray()
                               << int(ExitCode::EmptyKey);
    QTest::newRow("no key") << QStringList{} << QByteArray() << int(ExitCode::Usage);
}

// A container of the same configuration gives the same failures once decoded.
void CheckCommandTest::container()
{
    QFETCH(QStringList, keyOptions);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    orva::test::ContainerParts parts;
    parts.text = fixtureBytes(u"failures.ini"_s);
    parts.keyBytes = orva::test::RepeatKeyBytes("secret");
    parts.deviceName = "Sklad";
    parts.identifier = "0000000000A5";
    const QString path = dir.filePath(u"config.cry"_s);
    QVERIFY(orva::test::WriteBytes(path, orva::test::EncodeContainer(parts)));

    const CliRun result = run(QStringList{u"check"_s, path, u"--json"_s} + keyOptions, input);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 1) {
        QVERIFY(result.err.isEmpty());
        // The file has no file key of its own, so the key it was opened with becomes both of its file
        // keys (as in the editor): the missing key and the unreadable old key no longer fail.
        QJsonArray expected;
        for (const QJsonValue &failure : jsonArrayOf(fixtureBytes(u"failures.expected.json"_s))) {
            const QString name =
                failure[u"check"_s].toString() + u' ' + QString::number(failure[u"rule"_s].toInt());
            if (name != u"Check_Common 7" && name != u"Check_ReadBack 2")
                expected.append(failure);
        }
        QCOMPARE(jsonArrayOf(result.out), expected);
    } else {
        QVERIFY(result.out.isEmpty());
        QVERIFY(!result.err.isEmpty());
    }
}

void CheckCommandTest::unreadableFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << fixture(u"no-such-file.ini"_s);
    QTest::newRow("a folder") << fixture(QString());
}

void CheckCommandTest::unreadableFiles()
{
    QFETCH(QString, path);
    for (const QStringList &options : {QStringList{}, QStringList{u"--json"_s}}) {
        const CliRun result = run(QStringList{u"check"_s, path} + options);
        QCOMPARE(result.exitCode, int(ExitCode::Unreadable));
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.startsWith(u"orva-config: cannot read "_s), qPrintable(result.err));
    }
}

void CheckCommandTest::wrongCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no file") << QStringList{u"check"_s};
    QTest::newRow("two files") << QStringList{u"check"_s, fixture(u"passing.ini"_s),
                                              fixture(u"failures.ini"_s)};
    QTest::newRow("unknown option") << QStringList{u"check"_s, u"--xml"_s, fixture(u"passing.ini"_s)};
}

void CheckCommandTest::wrongCommandLine()
{
    QFETCH(QStringList, arguments);
    const CliRun result = run(arguments);
    QCOMPARE(result.exitCode, int(ExitCode::Usage));
    QVERIFY(result.out.isEmpty());
    QVERIFY(!result.err.isEmpty());
}

QTEST_GUILESS_MAIN(CheckCommandTest)
#include "tst_check_command.moc"
