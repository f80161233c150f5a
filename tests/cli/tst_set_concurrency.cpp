// Several `orva-config set` runs on one file at the same time, as processes of their own: each waits
// for the others, so every change is in the file at the end and every run exits 0.
#include "file_bytes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

class SetConcurrencyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void noChangeIsLost();
};

void SetConcurrencyTest::noChangeIsLost()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("panel.ini"));
    QVERIFY(orva::test::WriteBytes(
        path, orva::test::ReadBytes(QStringLiteral(ORVA_FIXTURES_DIR "/check/passing.ini"))));
    constexpr int Runs = 8;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int key = 1; key <= Runs; ++key) {
        auto run = std::make_unique<QProcess>();
        run->start(QStringLiteral(ORVA_CONFIG_BINARY),
                   {QStringLiteral("set"), path, QStringLiteral("--field"),
                    QStringLiteral("keys.%1.name=Key%1").arg(key)});
        runs.push_back(std::move(run));
    }
    for (const auto &run : runs) {
        QVERIFY(run->waitForFinished(120000));
        QCOMPARE(run->exitCode(), 0);
    }
    const QByteArray saved = orva::test::ReadBytes(path);
    for (int key = 1; key <= Runs; ++key)
        QVERIFY2(saved.contains(
                     QStringLiteral("ua%1-Key%2 ").arg(key, 2, 10, QLatin1Char('0')).arg(key).toLatin1()),
                 qPrintable(QStringLiteral("the name of key %1 was lost").arg(key)));
    // The lock is gone with the last run.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("panel.ini")});
}

QTEST_GUILESS_MAIN(SetConcurrencyTest)
#include "tst_set_concurrency.moc"
