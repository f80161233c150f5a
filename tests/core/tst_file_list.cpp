#include "list_folder.h"
#include "storage/file_list.h"

#include <QTest>

using namespace orva;

class TestFileList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsFilesOnlyInOrder();
    void examinesEveryRow();
    void unexaminedRowShowsQuestionMarks();
    void emptyFolder();
};

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
