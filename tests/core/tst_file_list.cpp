#include "../support/list_folder.h"
#include "storage/config_file.h"
#include "storage/crypto_header.h"
#include "storage/file_list.h"
#include "storage/list_examiner.h"
#include "storage/list_field_scan.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace orva;

class TestFileList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsFilesOnlyInOrder();
    void examinesEveryRow();
    void unexaminedRowShowsQuestionMarks();
    void emptyFolder();
    void workersGiveTheRowsOfOneByOne();
    void examineNowTakesOrWaitsOrExamines();
    void stoppedWorkersLeaveTheirRowsWaiting();
    void largeFileListsAsItsWholeText_data();
    void largeFileListsAsItsWholeText();
};

namespace {

// Many files (more than workers), each with its own name and identifier, some unreadable later.
bool fillManyFiles(const QTemporaryDir &dir, int count)
{
    for (int i = 0; i < count; ++i) {
        const QByteArray text = QStringLiteral("; file %1\r\noa-N%1\r\ngi-%2\r\nxo-%3\r\n")
                                    .arg(i)
                                    .arg(i * 7919, 0, 16)
                                    .arg(i % 180 + 1)
                                    .toLatin1();
        if (!test::WriteBytes(
                QDir(dir.path()).filePath(QStringLiteral("f%1.ini").arg(i, 3, 10, QLatin1Char('0'))), text))
            return false;
    }
    return test::fillListFolder(dir);
}

// The unexamined rows of fillManyFiles' own files, f000.ini onwards: the row with id n is device N<n>.
QList<ListRow> manyFilesRows(const QTemporaryDir &dir)
{
    QList<ListRow> rows;
    for (const QString &name : FindConfigurationFiles(dir.path(), ListFileType::Plain)) {
        if (name.startsWith(u'f'))
            rows.append(UnexaminedRow(name, ListFileType::Plain));
    }
    return rows;
}

// Commands that name neither the device nor the identifier, enough of them to make a file large.
QByteArray largeFiller(qint64 atLeast)
{
    const QByteArray lines = "; filler\r\nxo-90\r\nlm1-16.30\r\nrm2-4.90\r\nsn1-1.+79001234567\r\n";
    QByteArray filler;
    filler.reserve(atLeast + lines.size());
    while (filler.size() <= atLeast)
        filler += lines;
    return filler;
}

QString describe(const ListRow &row)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(int(row.type))
        .arg(row.deviceName, row.identifier, row.fileName)
        .arg(int(row.examined))
        .arg(int(row.unreadable));
}

} // namespace

// The workers' rows are the rows examined one after the other, in the same order.
void TestFileList::workersGiveTheRowsOfOneByOne()
{
    QTemporaryDir dir;
    QVERIFY(fillManyFiles(dir, 150));
    QStringList oneByOne;
    T_Command_DEVICE model;
    for (ListFileType type : {ListFileType::Plain, ListFileType::Container}) {
        for (const QString &name : FindConfigurationFiles(dir.path(), type)) {
            ListRow row = UnexaminedRow(name, type);
            ExamineListRow(dir.path(), row, model);
            oneByOne << describe(row);
        }
    }
    QStringList parallel;
    for (const ListRow &row : ExamineFolder(dir.path()))
        parallel << describe(row);
    QCOMPARE(parallel.size(), 155);
    QCOMPARE(parallel, oneByOne);
    QCOMPARE(
        parallel.at(3 + 42),
        QStringLiteral("0|N42|%1|f042.ini|1|0").arg(FormatListIdentifier(QString::number(42 * 7919, 16))));
}

// The owner's own examination of a row: taken from the workers' results, waited for, or done at once;
// every row ends up examined exactly once in the results, whichever way.
void TestFileList::examineNowTakesOrWaitsOrExamines()
{
    QTemporaryDir dir;
    QVERIFY(fillManyFiles(dir, 60));
    const QList<ListRow> rows = manyFilesRows(dir);
    ListExaminer examiner;
    examiner.Load(dir.path(), rows);
    T_Command_DEVICE model;
    // Not started: examined here.
    QCOMPARE(examiner.ExamineNow(5, model).deviceName, QStringLiteral("N5"));
    // Started in reverse order, then reordered; rows asked for meanwhile come whole.
    QList<int> order;
    for (int id = int(rows.size()) - 1; id >= 0; --id)
        order << id;
    examiner.Start(order);
    std::reverse(order.begin(), order.end());
    examiner.Reorder(order);
    QSet<int> seen{5};
    for (int id : {0, 1, 30, 59}) {
        QCOMPARE(examiner.ExamineNow(id, model).deviceName, QStringLiteral("N%1").arg(id));
        seen.insert(id);
    }
    examiner.WaitForDone();
    for (const ListExaminer::Examined &examined : examiner.TakeFinished()) {
        QVERIFY2(!seen.contains(examined.first), qPrintable(QString::number(examined.first)));
        seen.insert(examined.first);
        QCOMPARE(examined.second.deviceName, QStringLiteral("N%1").arg(examined.first));
        QVERIFY(examined.second.examined);
    }
    QCOMPARE(seen.size(), int(rows.size()));
}

// Stopped while its workers run (twice, so that each worker's thread is replaced by a new one), the
// examiner keeps what was finished and leaves the rows being examined waiting: started again, it gives
// every row exactly once.
void TestFileList::stoppedWorkersLeaveTheirRowsWaiting()
{
    QTemporaryDir dir;
    QVERIFY(fillManyFiles(dir, 200));
    const QList<ListRow> rows = manyFilesRows(dir);
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    ListExaminer examiner;
    examiner.Load(dir.path(), rows);
    QList<int> seen;
    const auto take = [&examiner, &seen] {
        for (const ListExaminer::Examined &examined : examiner.TakeFinished()) {
            QCOMPARE(examined.second.deviceName, QStringLiteral("N%1").arg(examined.first));
            seen << examined.first;
        }
    };
    for (int round = 0; round < 2; ++round) {
        examiner.Start(order);
        examiner.Stop();
        take();
    }
    examiner.Start(order);
    examiner.WaitForDone();
    take();
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, order);
}

void TestFileList::findsFilesOnlyInOrder()
{
    QTemporaryDir dir;
    QVERIFY(test::fillListFolder(dir));
    QCOMPARE(FindConfigurationFiles(dir.path(), ListFileType::Plain),
             (QStringList{QStringLiteral("A.INI"), QStringLiteral("b.ini"), QStringLiteral("c.ini")}));
    QCOMPARE(FindConfigurationFiles(dir.path(), ListFileType::Container),
             (QStringList{QStringLiteral("broken.CRY"), QStringLiteral("panel.cry")}));
}

void TestFileList::examinesEveryRow()
{
    QTemporaryDir dir;
    QVERIFY(test::fillListFolder(dir));
    const QList<ListRow> rows = ExamineFolder(dir.path());
    QCOMPARE(rows.size(), 5);
    QStringList seen;
    for (const ListRow &row : rows) {
        QVERIFY(row.examined);
        QVERIFY(!row.unreadable);
        seen << QStringLiteral("%1|%2|%3|%4")
                    .arg(int(row.type))
                    .arg(row.deviceName, row.identifier, row.fileName);
    }
    QCOMPARE(seen, (QStringList{
                       QStringLiteral("0|North|1200-5678-0000|A.INI"),
                       QStringLiteral("0|Склад|1234-5678-9abc|b.ini"),
                       QStringLiteral("0||0000-0000-0000|c.ini"),
                       QStringLiteral("1||0000-0000-0000|broken.CRY"),
                       QStringLiteral("1|Sklad-7   |00ab-1234-cd50|panel.cry"),
                   }));
}

void TestFileList::unexaminedRowShowsQuestionMarks()
{
    const ListRow row = UnexaminedRow(QStringLiteral("x.cry"), ListFileType::Container);
    QCOMPARE(row.deviceName, QStringLiteral("??????????"));
    QCOMPARE(row.identifier, QStringLiteral("\?\?\?\?-\?\?\?\?-\?\?\?\?"));
    QVERIFY(!row.examined);
}

void TestFileList::emptyFolder()
{
    QTemporaryDir dir;
    QVERIFY(ExamineFolder(dir.path()).isEmpty());
    QVERIFY(ExamineFolder(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

void TestFileList::largeFileListsAsItsWholeText_data()
{
    QTest::addColumn<QByteArray>("head"); // before the filler
    QTest::addColumn<QByteArray>("tail"); // after it
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");

    const QByteArray none;
    QTest::newRow("later command wins")
        << QByteArray("oa-First\r\ngi-1\r\n") << QByteArray("oa-Second\r\ngi-ABC\r\n") << "Second"
        << "ABC0-0000-0000";
    QTest::newRow("only at the start") << QByteArray("oa-Start\r\ngi-12345678\r\n") << none << "Start"
                                       << "1234-5678-0000";
    QTest::newRow("any letter case, several on a line")
        << none << QByteArray("xo-90 OA-Upper gI-12ab\r\n") << "Upper"
        << "12ab-0000-0000";
    QTest::newRow("comments and look-alike words")
        << none << QByteArray("oa-Real\r\n; oa-Hidden\r\ngoal-1 boat-3\r\nxo-5 ; gi-FFFF\r\n") << "Real"
        << "0000-0000-0000";
    QTest::newRow("LF and lone CR breaks")
        << QByteArray("oa-Lf\ngi-12\r") << QByteArray("\roa-Cr\rgi-34\n") << "Cr"
        << "3400-0000-0000";
    QTest::newRow("last line without a break") << none << QByteArray("oa-End") << "End"
                                               << "0000-0000-0000";
    QTest::newRow("a command that fails keeps the earlier one")
        << QByteArray("oa-Kept\r\n") << QByteArray("oa\r\n-Lost\r\n") << "Kept"
        << "0000-0000-0000";
    QTest::newRow("NUL ends the text")
        << QByteArray("oa-Before\r\n") << QByteArrayLiteral("xo-5 \0 oa-Inside\r\noa-After\r\n") << "Before"
        << "0000-0000-0000";
    QTest::newRow("NUL early, names late")
        << QByteArrayLiteral("oa-Before\r\n \0\r\n") << QByteArray("oa-After\r\ngi-1\r\n") << "Before"
        << "0000-0000-0000";
    QTest::newRow("NUL ending a word does not") << none << QByteArrayLiteral("zz\0 oa-Kept\r\n") << "Kept"
                                                << "0000-0000-0000";
    QTest::newRow("line longer than a read")
        << none << QByteArray(3 * 1024 * 1024, 'x') + " oa-Long\r\n" + QByteArray(3 * 1024 * 1024, 'y')
        << "Long"
        << "0000-0000-0000";
    // The file is read a MiB at a time: CR is the first read's last byte, LF the next one's first.
    QTest::newRow("CR LF across reads") << QByteArray(1024 * 1024 - 1, ' ') + "\r\noa-Split\r\ngi-5\r\n"
                                        << none << "Split"
                                        << "5000-0000-0000";
}

// A large plain file is read a piece at a time and only its naming lines are parsed, yet the list shows
// what a parse of its whole text gives.
void TestFileList::largeFileListsAsItsWholeText()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QTemporaryDir dir;
    const QByteArray bytes = head + largeFiller(LargeListFileBytes) + tail;
    QVERIFY(test::WriteBytes(dir.filePath(QStringLiteral("big.ini")), bytes));
    QVERIFY(IsLargeListFile(dir.filePath(QStringLiteral("big.ini"))));

    ListRow row = UnexaminedRow(QStringLiteral("big.ini"), ListFileType::Plain);
    T_Command_DEVICE model;
    ExamineListRow(dir.path(), row, model);
    QVERIFY(row.examined);
    QVERIFY(!row.unreadable);
    QCOMPARE(row.deviceName, name);
    QCOMPARE(row.identifier, identifier);

    T_Command_DEVICE whole;
    LoadConfigurationText(ConfigurationTextFromBytes(bytes), whole);
    QCOMPARE(row.deviceName, whole.get(Panel::Name));
    QCOMPARE(row.identifier, FormatListIdentifier(whole.get(Gprs::Identifier)));
}

QTEST_APPLESS_MAIN(TestFileList)
#include "tst_file_list.moc"
