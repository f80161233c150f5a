#include "../support/cli_runner.h"
#include "../support/list_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using orva::test::runCli;

class TestListCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textLines();
    void json();
    void notAFolder();
};

void TestListCommand::textLines()
{
    QTemporaryDir dir;
    QVERIFY(orva::test::fillListFolder(dir));
    const auto run = runCli({QStringLiteral("list"), dir.path()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("plain\tNorth\t1200-5678-0000\tA.INI\n"
                            "plain\tСклад\t1234-5678-9abc\tb.ini\n"
                            "plain\t\t0000-0000-0000\tc.ini\n"
                            "container\t\t0000-0000-0000\tbroken.CRY\n"
                            "container\tSklad-7   \t00ab-1234-cd50\tpanel.cry\n"));
}

void TestListCommand::json()
{
    QTemporaryDir dir;
    QVERIFY(orva::test::fillListFolder(dir));
    const auto run = runCli({QStringLiteral("list"), dir.path(), QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(rows.size(), 5);
    const QJsonObject panel = rows.at(4).toObject();
    QCOMPARE(panel.value(QStringLiteral("type")).toString(), QStringLiteral("container"));
    QCOMPARE(panel.value(QStringLiteral("name")).toString(), QStringLiteral("Sklad-7   "));
    QCOMPARE(panel.value(QStringLiteral("identifier")).toString(), QStringLiteral("00ab-1234-cd50"));
    QCOMPARE(panel.value(QStringLiteral("file")).toString(), QStringLiteral("panel.cry"));
    QCOMPARE(rows.at(1).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Склад"));
}

void TestListCommand::notAFolder()
{
    const auto run = runCli({QStringLiteral("list"), QStringLiteral("/nonexistent/folder")});
    QCOMPARE(run.exitCode, int(orva::cli::ExitCode::Unreadable));
    QVERIFY(run.err.contains(QStringLiteral("not a folder")));
    QCOMPARE(runCli({QStringLiteral("list")}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestListCommand)
#include "tst_list_command.moc"
