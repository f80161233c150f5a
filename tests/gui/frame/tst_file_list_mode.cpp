#include "../../support/list_folder.h"
#include "frame/file_list_mode.h"
#include "storage/list_field_scan.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace orva;

namespace {

struct ListFixture
{
    QWidget window;
    T_Command_DEVICE listModel;
    FileListMode mode{&window, &listModel};
    QTemporaryDir dir;

    void writePlainFiles(int count)
    {
        for (int i = 1; i <= count; ++i) {
            QVERIFY(test::WriteBytes(dir.filePath(QStringLiteral("p%1.ini").arg(i, 2, 10, QLatin1Char('0'))),
                                     QStringLiteral("oa-N%1\r\n").arg(i).toLatin1()));
        }
    }
    int examinedRows() const
    {
        int examined = 0;
        for (int i = 0; i < mode.rowCount(); ++i)
            examined += mode.Row(i).examined ? 1 : 0;
        return examined;
    }
    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < mode.ListFileConfig()->rowCount(); ++row)
            texts << mode.ListFileConfig()->item(row, column)->text();
        return texts;
    }
};

} // namespace

class TestFileListMode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyFolder();
    void firstNineExaminedRestByTimer();
    void rowsShowNamesAndIdentifiers();
    void sortDirectionSharedByColumns();
    void enterOpensSelectedFile();
    void unreadableFileDoesNotStopTheList();
    void columnWidthsFixed();
    void sortWhileExamining();
    void homeAndEndGoToTheFirstAndLastFile();
    void largeFilesAreLeftToTheWorkers();
};

void TestFileListMode::emptyFolder()
{
    ListFixture fx;
    fx.mode.OpenFileList(fx.dir.path());
    QCOMPARE(fx.mode.LabelPozList()->text(), QStringLiteral("0 из 0"));
    QVERIFY(!fx.mode.B_OpenLIst()->isEnabled());
}

void TestFileListMode::firstNineExaminedRestByTimer()
{
    ListFixture fx;
    fx.writePlainFiles(15);
    fx.mode.OpenFileList(fx.dir.path());
    QCOMPARE(fx.mode.rowCount(), 15);
    QCOMPARE(fx.examinedRows(), 9);
    QCOMPARE(fx.mode.ListFileConfig()->item(12, 1)->text(), QStringLiteral("??????????"));
    QCOMPARE(fx.mode.LabelPozList()->text(), QStringLiteral("1 из 15"));
    QCOMPARE(fx.mode.LabelPozList()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    fx.mode.SetListVisible(true);
    QVERIFY(fx.mode.TimerTestListConfig()->isActive());
    for (int tick = 0; tick < 4 && fx.mode.HasUnexaminedRows(); ++tick)
        fx.mode.TimerTestListConfigTimer();
    QCOMPARE(fx.examinedRows(), 15);
    QCOMPARE(fx.mode.ListFileConfig()->item(12, 1)->text(), QStringLiteral("N13"));
    QVERIFY(!fx.mode.TimerTestListConfig()->isActive());
    QVERIFY(fx.mode.LabelPozList()->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
}

void TestFileListMode::rowsShowNamesAndIdentifiers()
{
    ListFixture fx;
    QVERIFY(test::fillListFolder(fx.dir));
    fx.mode.OpenFileList(fx.dir.path());
    QCOMPARE(fx.column(3),
             (QStringList{QStringLiteral("A.INI"), QStringLiteral("b.ini"), QStringLiteral("c.ini"),
                          QStringLiteral("broken.CRY"), QStringLiteral("panel.cry")}));
    QCOMPARE(fx.column(1).at(1), QStringLiteral("Склад"));
    QCOMPARE(fx.column(2).at(4), QStringLiteral("00ab-1234-cd50"));
    QCOMPARE(fx.mode.ListFileConfig()->item(4, 0)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("cry"));
}

// The first click sorts descending; the same column again ascending; another column after one click
// ascending: one direction for all columns.
void TestFileListMode::sortDirectionSharedByColumns()
{
    ListFixture fx;
    QVERIFY(test::fillListFolder(fx.dir));
    fx.mode.OpenFileList(fx.dir.path());
    fx.mode.ListFileConfigColumnClick(3);
    QCOMPARE(fx.column(3),
             (QStringList{QStringLiteral("panel.cry"), QStringLiteral("c.ini"), QStringLiteral("broken.CRY"),
                          QStringLiteral("b.ini"), QStringLiteral("A.INI")}));
    fx.mode.ListFileConfigColumnClick(3);
    QCOMPARE(fx.column(3),
             (QStringList{QStringLiteral("A.INI"), QStringLiteral("b.ini"), QStringLiteral("broken.CRY"),
                          QStringLiteral("c.ini"), QStringLiteral("panel.cry")}));

    // After one click (descending), another column sorts ascending: upper-cased Windows-1251 bytes,
    // empty names first, Cyrillic after Latin.
    ListFixture other;
    QVERIFY(test::fillListFolder(other.dir));
    other.mode.OpenFileList(other.dir.path());
    other.mode.ListFileConfigColumnClick(3);
    other.mode.ListFileConfigColumnClick(1);
    QCOMPARE(other.column(1), (QStringList{QString(), QString(), QStringLiteral("North"),
                                           QStringLiteral("Sklad-7   "), QStringLiteral("Склад")}));
    other.mode.ListFileConfigColumnClick(0); // descending by type: containers first
    QVERIFY(other.column(3).first().endsWith(QStringLiteral(".cry"), Qt::CaseInsensitive));
}

void TestFileListMode::enterOpensSelectedFile()
{
    ListFixture fx;
    QVERIFY(test::fillListFolder(fx.dir));
    fx.mode.OpenFileList(fx.dir.path());
    fx.window.show();
    fx.mode.SetListVisible(true);
    QSignalSpy opened(&fx.mode, &FileListMode::OpenRequested);
    fx.mode.ListFileConfig()->selectRow(1);
    QCOMPARE(fx.mode.SelectedFileName(), QStringLiteral("b.ini"));
    QCOMPARE(fx.mode.LabelPozList()->text(), QStringLiteral("2 из 5"));
    QTest::keyClick(fx.mode.ListFileConfig(), Qt::Key_Return);
    QCOMPARE(opened.count(), 1);
    QSignalSpy cancelled(&fx.mode, &FileListMode::CancelRequested);
    QTest::keyClick(fx.mode.ListFileConfig(), Qt::Key_Escape);
    QCOMPARE(cancelled.count(), 1);
}

// A file that went away after the list was built is shown as unreadable; the files after it are still
// examined.
void TestFileListMode::unreadableFileDoesNotStopTheList()
{
    ListFixture fx;
    fx.writePlainFiles(12);
    fx.mode.OpenFileList(fx.dir.path());
    QVERIFY(QFile::remove(fx.dir.filePath(QStringLiteral("p10.ini"))));
    while (fx.mode.HasUnexaminedRows())
        fx.mode.TimerTestListConfigTimer();
    QVERIFY(fx.mode.Row(9).unreadable);
    QCOMPARE(fx.mode.ListFileConfig()->item(9, 1)->text(), QStringLiteral("(не читается)"));
    QCOMPARE(fx.mode.ListFileConfig()->item(11, 1)->text(), QStringLiteral("N12"));
}

void TestFileListMode::columnWidthsFixed()
{
    ListFixture fx;
    const QHeaderView *header = fx.mode.ListFileConfig()->horizontalHeader();
    const int widths[] = {25, 140, 185, 780};
    for (int column = 0; column < 4; ++column) {
        QCOMPARE(header->sectionSize(column), widths[column]);
        QCOMPARE(header->sectionResizeMode(column), QHeaderView::Fixed);
    }
    QVERIFY(!header->sectionsMovable());
}

// A click on a column header while the workers still examine rows sorts at once; every row then fills in
// at its new place, and the counter turns to its normal colour when the last one is in.
void TestFileListMode::sortWhileExamining()
{
    ListFixture fx;
    fx.writePlainFiles(120);
    fx.mode.OpenFileList(fx.dir.path());
    fx.window.resize(800, 600);
    fx.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx.window));
    fx.mode.SetListVisible(true);
    QHeaderView *header = fx.mode.ListFileConfig()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
    QCOMPARE(fx.column(3).first(), QStringLiteral("p99.ini")); // descending
    QTRY_VERIFY(!fx.mode.HasUnexaminedRows());
    const QStringList files = fx.column(3);
    const QStringList names = fx.column(1);
    for (int row = 0; row < files.size(); ++row) {
        const QString number = files.at(row).mid(1).chopped(4);
        QCOMPARE(names.at(row), QStringLiteral("N%1").arg(number.toInt()));
    }
    QVERIFY(!fx.mode.TimerTestListConfig()->isActive());
    QVERIFY(fx.mode.LabelPozList()->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
}

// Home and End go to the first and the last file, whichever cell is current, and show it.
void TestFileListMode::homeAndEndGoToTheFirstAndLastFile()
{
    ListFixture fx;
    fx.writePlainFiles(40);
    fx.mode.OpenFileList(fx.dir.path());
    fx.window.resize(800, 600);
    fx.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx.window));
    fx.mode.SetListVisible(true);
    QTableWidget *list = fx.mode.ListFileConfig();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2, 1)).center());
    QCOMPARE(fx.mode.SelectedFileName(), QStringLiteral("p03.ini"));

    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(fx.mode.SelectedFileName(), QStringLiteral("p40.ini"));
    QCOMPARE(fx.mode.LabelPozList()->text(), QStringLiteral("40 из 40"));
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(39, 1))));

    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(fx.mode.SelectedFileName(), QStringLiteral("p01.ini"));
    QCOMPARE(fx.mode.LabelPozList()->text(), QStringLiteral("1 из 40"));
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(0, 1))));
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
}

// A large plain file is examined by the list's workers only: neither while the list is built nor by a
// tick on the window's thread. It then shows the name and identifier its whole text gives.
void TestFileListMode::largeFilesAreLeftToTheWorkers()
{
    ListFixture fx;
    fx.writePlainFiles(2);
    QByteArray filler;
    while (filler.size() <= LargeListFileBytes)
        filler += "; a long comment that makes the file large\r\nxo-90\r\n";
    for (int i = 1; i <= 3; ++i) {
        const QByteArray first = QStringLiteral("oa-Early%1\r\ngi-%1\r\n").arg(i).toLatin1();
        const QByteArray last = QStringLiteral("oa-Big%1\r\ngi-%1abc\r\n").arg(i).toLatin1();
        QVERIFY(test::WriteBytes(fx.dir.filePath(QStringLiteral("big%1.ini").arg(i)), first + filler + last));
    }
    fx.mode.OpenFileList(fx.dir.path());
    QCOMPARE(fx.column(3),
             (QStringList{QStringLiteral("big1.ini"), QStringLiteral("big2.ini"), QStringLiteral("big3.ini"),
                          QStringLiteral("p01.ini"), QStringLiteral("p02.ini")}));
    QCOMPARE(fx.column(1),
             (QStringList{QStringLiteral("??????????"), QStringLiteral("??????????"),
                          QStringLiteral("??????????"), QStringLiteral("N1"), QStringLiteral("N2")}));
    fx.mode.TimerTestListConfigTimer(); // no worker runs while the list is hidden
    QCOMPARE(fx.examinedRows(), 2);

    fx.mode.SetListVisible(true);
    QTRY_VERIFY(!fx.mode.HasUnexaminedRows());
    QCOMPARE(fx.column(1), (QStringList{QStringLiteral("Big1"), QStringLiteral("Big2"),
                                        QStringLiteral("Big3"), QStringLiteral("N1"), QStringLiteral("N2")}));
    QCOMPARE(fx.column(2).mid(0, 3),
             (QStringList{QStringLiteral("1abc-0000-0000"), QStringLiteral("2abc-0000-0000"),
                          QStringLiteral("3abc-0000-0000")}));
    QVERIFY(fx.mode.LabelPozList()->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
}

QTEST_MAIN(TestFileListMode)
#include "tst_file_list_mode.moc"
