#include "../support/cli_runner.h"
#include "../support/odd_entries.h"
#include "container_encoder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using namespace Qt::StringLiterals;
using orva::test::runCli;
using orva::test::WriteBytes;

namespace {

// A device name that clears the screen of a terminal that receives it raw.
const QByteArray ClearingName = QByteArrayLiteral("oa-Hall\x1B[2JB\r\n");

// "kind: file, file" for each finding of `audit --json`.
QStringList findings(const QByteArray &json)
{
    QStringList lines;
    for (const QJsonValue &v : QJsonDocument::fromJson(json).object().value(u"findings"_s).toArray()) {
        QStringList files;
        for (const QJsonValue &file : v.toObject().value(u"files"_s).toArray())
            files << file.toString();
        lines << v.toObject().value(u"kind"_s).toString() + u": " + files.join(u", "_s);
    }
    return lines;
}

} // namespace

class TestOddFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listAndAuditNameEveryEntry();
    void auditFindsCutContainer();
    void controlCharactersAreEscaped_data();
    void controlCharactersAreEscaped();
};

// A link that leads nowhere, a pipe named like a configuration (which must never be waited on) and a
// file named in Windows-1251 are listed: the first two as unreadable, the third by its decoded name
// with what it holds.
void TestOddFiles::listAndAuditNameEveryEntry()
{
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"a.ini"_s), "oa-North\r\nks1-k1\r\nks2-k1\r\n"));
    QVERIFY(test::MakeDanglingLink(dir.filePath(u"gone.ini"_s)));
    QVERIFY(test::MakePipe(dir.filePath(u"pipe.ini"_s)));
    const test::RawNamedFile pult(dir.path(), test::Windows1251Name,
                                  "oa-Pult\r\nks1-k2\r\nks2-k2\r\ngi-abcd\r\n");
    QVERIFY(pult.ok());

    const auto list = runCli({u"list"_s, dir.path()});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(QString::fromUtf8(list.out), u"plain\tNorth\t0000-0000-0000\ta.ini\n"
                                          u"plain\t\t0000-0000-0000\tgone.ini\t(unreadable)\n"
                                          u"plain\t\t0000-0000-0000\tpipe.ini\t(unreadable)\n"
                                          u"plain\tPult\tabcd-0000-0000\tПульт.ini\n"_s);
    const auto json = runCli({u"list"_s, dir.path(), u"--json"_s});
    const QJsonArray rows = QJsonDocument::fromJson(json.out).array();
    QCOMPARE(rows.size(), 4);
    QVERIFY(rows.at(2).toObject().value(u"unreadable"_s).toBool());
    QCOMPARE(rows.at(3).toObject().value(u"file"_s).toString(), test::Windows1251NameText);

    const auto audit = runCli({u"audit"_s, dir.path(), u"--json"_s});
    QCOMPARE(audit.exitCode, 1);
    QCOMPARE(findings(audit.out), (QStringList{u"unreadable: gone.ini"_s, u"unreadable: pipe.ini"_s}));
    // The file with the Windows-1251 name opens by the name the list gives it.
    const auto show = runCli({u"show"_s, dir.filePath(test::Windows1251NameText)});
    QCOMPARE(show.exitCode, 0);
    QVERIFY(show.out.contains(u"SMS / Псевдоним: Pult\n"_s.toUtf8()));
}

// A container whose header is whole but whose body is cut opens with no key: a finding of its own.
void TestOddFiles::auditFindsCutContainer()
{
    test::ContainerParts parts;
    parts.text = "oa-Depot\r\n";
    parts.keyBytes = test::RepeatKeyBytes("secret");
    parts.deviceName = "Depot";
    parts.identifier = "111111111111";
    const QByteArray container = test::EncodeContainer(parts);
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"whole.cry"_s), container));
    QVERIFY(WriteBytes(dir.filePath(u"cut.cry"_s), container.first(container.size() - 13)));
    QVERIFY(WriteBytes(dir.filePath(u"bodiless.cry"_s),
                       container.first(test::ContainerSignatureLine.size() + 24)));

    const auto json = runCli({u"audit"_s, dir.path(), u"--json"_s});
    QCOMPARE(json.exitCode, 1);
    QCOMPARE(findings(json.out),
             (QStringList{u"container-size: bodiless.cry"_s, u"container-size: cut.cry"_s}));
    const auto text = runCli({u"audit"_s, dir.path()});
    QVERIFY(QString::fromUtf8(text.out).contains(
        u"container-size: cut.cry — is a container of the wrong size (cut short, no body, or not whole "
        u"cipher blocks): no key opens it\n"_s));
}

void TestOddFiles::controlCharactersAreEscaped_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("line"); // a line of the output, escaped
    QTest::newRow("list") << u"list"_s << u"plain\t\"Hall\\033[2JB\"\t0000-0000-0000\ta.ini"_s;
    QTest::newRow("show") << u"show"_s << u"SMS / Псевдоним: \"Hall\\033[2JB\""_s;
    QTest::newRow("diff") << u"diff"_s
                          << u"SMS / Псевдоним: \"Hall\\033[2JB\" → \"Hall\\033[2JB\\t\\\\\\\"\""_s;
    QTest::newRow("audit") << u"audit"_s
                           << u"same-device-name \"Hall\\033[2JB\": a.ini, c.ini — share one device name"_s;
}

// Texts from files reach a terminal with their control characters escaped as git escapes them.
void TestOddFiles::controlCharactersAreEscaped()
{
    QFETCH(QString, command);
    QFETCH(QString, line);
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"a.ini"_s), ClearingName));
    QVERIFY(WriteBytes(dir.filePath(u"c.ini"_s), ClearingName));
    QVERIFY(WriteBytes(dir.filePath(u"b.txt"_s), "oa-Hall\x1B[2JB\t\\\"\r\n"));
    QStringList arguments{command};
    if (command == u"list" || command == u"audit")
        arguments << dir.path();
    else if (command == u"show")
        arguments << dir.filePath(u"a.ini"_s);
    else
        arguments << dir.filePath(u"a.ini"_s) << dir.filePath(u"b.txt"_s);
    const auto run = runCli(arguments);
    QVERIFY2(!run.out.contains('\x1B'), run.out.constData());
    QVERIFY2(QString::fromUtf8(run.out).split(u'\n').contains(line), run.out.constData());
    // JSON escapes them already.
    const auto json = runCli(arguments << u"--json"_s);
    QVERIFY(!json.out.contains('\x1B'));
    QVERIFY(json.out.contains("Hall\\u001b[2JB"));
}

QTEST_GUILESS_MAIN(TestOddFiles)
#include "tst_odd_files.moc"
