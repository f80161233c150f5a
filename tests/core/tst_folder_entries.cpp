#include "../support/file_bytes.h"
#include "../support/odd_entries.h"
#include "storage/config_file.h"
#include "storage/file_list.h"
#include "storage/folder_entries.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;

class TestFolderEntries : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsEveryEntryButFolders();
    void examinesOddEntriesAsUnreadable();
    void readsFileByItsWindows1251Name();
    void refusesPipeWithoutWaiting();
};

void TestFolderEntries::listsEveryEntryButFolders()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(test::WriteBytes(folder.filePath(QStringLiteral("b.INI")), "oa-B\r\n"));
    QVERIFY(test::WriteBytes(folder.filePath(QStringLiteral(".hidden.ini")), "oa-H\r\n"));
    QVERIFY(test::MakeDanglingLink(folder.filePath(QStringLiteral("gone.ini"))));
    QVERIFY(test::MakePipe(folder.filePath(QStringLiteral("pipe.ini"))));
    const test::RawNamedFile pult(dir.path(), test::Windows1251Name, "oa-Pult\r\n");
    QVERIFY(pult.ok());
    QVERIFY(folder.mkdir(QStringLiteral("sub.ini")));
    QVERIFY(
        QFile::link(folder.filePath(QStringLiteral("sub.ini")), folder.filePath(QStringLiteral("link.ini"))));
    QVERIFY(test::WriteBytes(folder.filePath(QStringLiteral("notes.txt")), "oa-N\r\n"));
    QCOMPARE(FindConfigurationFiles(dir.path(), ListFileType::Plain),
             (QStringList{QStringLiteral(".hidden.ini"), QStringLiteral("b.INI"), QStringLiteral("gone.ini"),
                          QStringLiteral("pipe.ini"), test::Windows1251NameText}));
}

void TestFolderEntries::examinesOddEntriesAsUnreadable()
{
    QTemporaryDir dir;
    QVERIFY(test::MakeDanglingLink(dir.filePath(QStringLiteral("gone.ini"))));
    QVERIFY(test::MakePipe(dir.filePath(QStringLiteral("pipe.ini"))));
    const test::RawNamedFile pult(dir.path(), test::Windows1251Name, "oa-Pult\r\ngi-12\r\n");
    QVERIFY(pult.ok());
    const QList<ListRow> rows = ExamineFolder(dir.path());
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows[0].unreadable);
    QVERIFY(rows[1].unreadable);
    QVERIFY(!rows[2].unreadable);
    QCOMPARE(rows[2].fileName, test::Windows1251NameText);
    QCOMPARE(rows[2].deviceName, QStringLiteral("Pult"));
    QCOMPARE(rows[2].identifier, QStringLiteral("1200-0000-0000"));
}

// The editor opens a listed file by the folder and the name the list shows.
void TestFolderEntries::readsFileByItsWindows1251Name()
{
    QTemporaryDir dir;
    const test::RawNamedFile pult(dir.path(), test::Windows1251Name, "oa-Pult\r\n");
    QVERIFY(pult.ok());
    const QString path = QDir(dir.path()).filePath(test::Windows1251NameText);
    const FileReadResult read = ReadFileBytes(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.bytes, QByteArray("oa-Pult\r\n"));
    QVERIFY(FileLastModified(path).isValid());
    // A file of that name in UTF-8 is the one the name means.
    QVERIFY(test::WriteBytes(path, "oa-Utf8\r\n"));
    QCOMPARE(ReadFileBytes(path).bytes, QByteArray("oa-Utf8\r\n"));
    QVERIFY(!ReadFileBytes(QDir(dir.path()).filePath(QStringLiteral("Пульт2.ini"))).ok);
}

void TestFolderEntries::refusesPipeWithoutWaiting()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.ini"));
    QVERIFY(test::MakePipe(pipe));
    const FileReadResult read = ReadFileBytes(pipe);
    QVERIFY(!read.ok);
    QCOMPARE(read.error, QStringLiteral("is not a regular file"));
    QFile file;
    QCOMPARE(OpenRegularFile(pipe, file), QStringLiteral("is not a regular file"));
    QVERIFY(!file.isOpen());
    QCOMPARE(OpenRegularFile(dir.path(), file), QStringLiteral("is a folder, not a file"));
}

QTEST_APPLESS_MAIN(TestFolderEntries)
#include "tst_folder_entries.moc"
