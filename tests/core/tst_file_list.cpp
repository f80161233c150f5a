#include "../support/list_folder.h"
#include "storage/crypto_header.h"
#include "storage/file_list.h"
#include "storage/list_examiner.h"

#include <QSet>
#include <QTest>

#include <algorithm>

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
    QList<ListRow> rows;
    for (const QString &name : FindConfigurationFiles(dir.path(), ListFileType::Plain)) {
        if (name.startsWith(u'f')) // f000.ini ... f059.ini: id n is N<n>
            rows.append(UnexaminedRow(name, ListFileType::Plain));
    }
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

QTEST_APPLESS_MAIN(TestFileList)
#include "tst_file_list.moc"
