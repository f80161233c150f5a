// What a screen reader learns of the rows of the window's lists and the cells of its file list: only the
// rows and cells on screen report themselves shown, and only the current row (cell) of the list with the
// focus focused; the lists of hidden pages, the item lists of closed combo boxes and the file list once
// the list mode has given its place back to the pages show nothing. The user moves with Ctrl+Tab, Tab,
// the arrow keys and the list mode's buttons; the rows are read through the window's accessibility tree.
#include "../../support/file_bytes.h"
#include "editor_fixture.h"
#include "frame/file_list_mode.h"
#include "storage/program_settings.h"
#include "widgets/picture_button.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <iterator>

using namespace orva;

namespace {

struct Row
{
    QString list; // the list's object name
    int index;    // the child's number in the list
    QString what; // "row 2", "cell 2.1", "header Файл", "row header 3", "corner"
    QAccessible::State state;
};

bool Shows(const QAccessible::State &state)
{
    return !state.invisible && !state.offscreen;
}

QString WhatChild(QAccessibleInterface *child, int index)
{
    switch (child->role()) {
    case QAccessible::ListItem:
        return QStringLiteral("row %1").arg(index);
    case QAccessible::Cell:
        return QStringLiteral("cell %1.%2")
            .arg(child->tableCellInterface()->rowIndex())
            .arg(child->tableCellInterface()->columnIndex());
    case QAccessible::ColumnHeader:
        return QStringLiteral("header ") + child->text(QAccessible::Name);
    case QAccessible::RowHeader:
        return QStringLiteral("row header ") + child->text(QAccessible::Name);
    default:
        return QStringLiteral("corner");
    }
}

// The children of every list and table under `face`.
void CollectRows(QAccessibleInterface *face, QList<Row> &rows, int depth = 0)
{
    if (!face || depth > 60)
        return;
    const bool view = face->role() == QAccessible::List || face->role() == QAccessible::Table;
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface *child = face->child(i);
        if (child && view)
            rows.append({face->object() ? face->object()->objectName() : QString(), i, WhatChild(child, i),
                         child->state()});
        else
            CollectRows(child, rows, depth + 1);
    }
}

// Every row of every list and every cell of every table in the window's accessibility tree, with its
// state now.
QList<Row> RowsOf(QWidget *window)
{
    QList<Row> rows;
    CollectRows(QAccessible::queryAccessibleInterface(window), rows);
    return rows;
}

QStringList Describe(const QList<Row> &rows)
{
    QStringList lines;
    for (const Row &row : rows)
        lines << row.list + u' ' + row.what;
    return lines;
}

QList<Row> Showing(const QList<Row> &rows)
{
    QList<Row> found;
    std::copy_if(rows.cbegin(), rows.cend(), std::back_inserter(found),
                 [](const Row &r) { return Shows(r.state); });
    return found;
}

QList<Row> Focused(const QList<Row> &rows)
{
    QList<Row> found;
    std::copy_if(rows.cbegin(), rows.cend(), std::back_inserter(found),
                 [](const Row &r) { return bool(r.state.focused); });
    return found;
}

// Ctrl+Tab (or Ctrl+Shift+Tab) on the focused control until the page is current.
bool CtrlTabTo(QTabWidget *pages, const QString &page, bool back)
{
    for (int i = 0; i < pages->count() && pages->currentWidget()->objectName() != page; ++i) {
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : pages;
        QTest::keyClick(focus, Qt::Key_Tab,
                        back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    }
    return pages->currentWidget()->objectName() == page;
}

// Tab until the control has the focus.
bool TabTo(QWidget *control)
{
    for (int i = 0; i < 80 && QApplication::focusWidget() != control; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == control;
}

} // namespace

class AccessibleRowsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsOfHiddenPagesNeitherShowNorFocus();
    void closedComboListShowsNothing();
    void fileListShowsOnlyInListMode_data();
    void fileListShowsOnlyInListMode();
    void pageTabFocusedOnlyWithTheFocus();
};

void AccessibleRowsTest::rowsOfHiddenPagesNeitherShowNorFocus()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *pages = f.window->PagesParam();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabCommon"));
    auto *loops = f.window->findChild<QListWidget *>(QStringLiteral("L_Shleif_Shleifs"));
    QVERIFY(loops && loops->count() > 1);

    // "Общие" has no list: no row of the loops, relays, phones or any combo box shows or is focused.
    QList<Row> rows = RowsOf(f.window.get());
    QCOMPARE(
        std::count_if(rows.cbegin(), rows.cend(), [](const Row &r) { return r.list == u"L_Shleif_Shleifs"; }),
        loops->count());
    QVERIFY(rows.size() > 30);
    QCOMPARE(Describe(Showing(rows)), QStringList());
    QCOMPARE(Describe(Focused(rows)), QStringList());

    // Ctrl+Tab to "Шлейфы", Tab into the loops and down one row: the loops' rows show, the current one
    // is the one focused row, nothing else shows.
    QVERIFY(CtrlTabTo(pages, QStringLiteral("TabShleifs"), false));
    QVERIFY(TabTo(loops));
    QTest::keyClick(loops, Qt::Key_Down);
    QCOMPARE(loops->currentRow(), 1);
    rows = RowsOf(f.window.get());
    QStringList expected;
    for (int i = 0; i < loops->count(); ++i) {
        if (loops->viewport()->rect().intersects(loops->visualItemRect(loops->item(i))))
            expected << QStringLiteral("L_Shleif_Shleifs row %1").arg(i);
    }
    QVERIFY(expected.size() > 1);
    QCOMPARE(Describe(Showing(rows)), expected);
    QCOMPARE(Describe(Focused(rows)), QStringList{QStringLiteral("L_Shleif_Shleifs row 1")});

    // Back to "Общие": the loop stays selected, but neither shows nor is focused.
    QVERIFY(CtrlTabTo(pages, QStringLiteral("TabCommon"), true));
    rows = RowsOf(f.window.get());
    QCOMPARE(Describe(Showing(rows)), QStringList());
    QCOMPARE(Describe(Focused(rows)), QStringList());
    const auto loop = std::find_if(rows.cbegin(), rows.cend(), [](const Row &r) {
        return r.list == u"L_Shleif_Shleifs" && r.index == 1;
    });
    QVERIFY(loop != rows.cend() && loop->state.selected && loop->state.invisible);
}

void AccessibleRowsTest::closedComboListShowsNothing()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QVERIFY(CtrlTabTo(f.window->PagesParam(), QStringLiteral("TabShleifs"), false));
    auto *combo = f.window->findChild<QComboBox *>(QStringLiteral("CB_Shleif_AlarmRepeat"));
    QVERIFY(combo && combo->count() > 1);
    QVERIFY(TabTo(combo));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(combo)->child(0);
    QVERIFY(list && list->role() == QAccessible::List);
    const auto states = [list] {
        QList<QAccessible::State> found;
        for (int i = 0; i < list->childCount(); ++i)
            found << list->child(i)->state();
        return found;
    };

    // Closed: the combo box shows its item, its list nothing; the current item is its selected one.
    QVERIFY(list->state().invisible);
    QList<QAccessible::State> closed = states();
    QCOMPARE(closed.size(), combo->count());
    for (int i = 0; i < closed.size(); ++i) {
        QVERIFY(closed[i].invisible);
        QVERIFY(!closed[i].focused);
        QCOMPARE(bool(closed[i].selected), i == combo->currentIndex());
    }

    // F4 opens the list: its rows show and the current item is focused; Down moves the focus.
    const int current = combo->currentIndex();
    QTest::keyClick(combo, Qt::Key_F4);
    QTRY_VERIFY(combo->view()->isVisible());
    QTRY_VERIFY(combo->view()->hasFocus());
    QVERIFY(!list->state().invisible);
    QList<QAccessible::State> open = states();
    QVERIFY(Shows(open[current]));
    QVERIFY(open[current].focused);
    const int next = (current + 1) % combo->count();
    QTest::keyClick(combo->view(), next == 0 ? Qt::Key_Home : Qt::Key_Down);
    open = states();
    QVERIFY(open[next].focused);
    QVERIFY(!open[current].focused);

    // Esc closes it without a change: nothing shows or is focused again.
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentIndex(), current);
    closed = states();
    for (const QAccessible::State &state : std::as_const(closed)) {
        QVERIFY(state.invisible);
        QVERIFY(!state.focused);
    }
}

void AccessibleRowsTest::fileListShowsOnlyInListMode_data()
{
    QTest::addColumn<QString>("leave");
    QTest::newRow("the \"Отменить\" button") << QStringLiteral("cancel");
    QTest::newRow("Esc in the list") << QStringLiteral("escape");
    QTest::newRow("Enter opens the file") << QStringLiteral("enter");
}

void AccessibleRowsTest::fileListShowsOnlyInListMode()
{
    QFETCH(QString, leave);
    EditorFixture f;
    QTemporaryDir folder;
    for (const char *name : {"a.ini", "b.ini", "c.ini"})
        QVERIFY(test::WriteBytes(folder.filePath(QString::fromLatin1(name)), "oa-Plain\r\nxo-45\r\n"));
    QVERIFY(f.ShowActive());
    f.window->settings().listMode = true;
    f.window->settings().listPath = WithTrailingSeparator(folder.path());

    // "Открыть" shows the list in place of the pages, with the focus on its first file; Down to the second.
    QTest::mouseClick(f.window->Buttons().open, Qt::LeftButton);
    QTableWidget *list = f.window->FileList()->ListFileConfig();
    QVERIFY(list->isVisible());
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(list->rowCount(), 3);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);

    // The column headers and the cells in the list's visible part show (the file column runs past the
    // list's right edge, but begins inside it); the current cell is the one focused; nothing of the pages
    // shows.
    QStringList expected = {
        QStringLiteral("ListFileConfig header "), QStringLiteral("ListFileConfig header Псевдоним"),
        QStringLiteral("ListFileConfig header Идентификатор"), QStringLiteral("ListFileConfig header Файл")};
    for (int row = 0; row < list->rowCount(); ++row) {
        for (int column = 0; column < list->columnCount(); ++column) {
            if (list->viewport()->rect().intersects(list->visualRect(list->model()->index(row, column))))
                expected << QStringLiteral("ListFileConfig cell %1.%2").arg(row).arg(column);
        }
    }
    QCOMPARE(expected.size(), 4 + 3 * 4);
    QList<Row> rows = RowsOf(f.window.get());
    QCOMPARE(Describe(Showing(rows)), expected);
    QCOMPARE(Describe(Focused(rows)), QStringList{QStringLiteral("ListFileConfig cell 1.0")});

    // The user leaves the list mode: the pages come back, the file list keeps its rows and its selected
    // file, but none of its cells shows or is focused.
    if (leave == u"cancel")
        QTest::mouseClick(f.window->FileList()->B_CancelOpenList(), Qt::LeftButton);
    else if (leave == u"escape")
        QTest::keyClick(list, Qt::Key_Escape);
    else
        QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(f.window->PagesParam()->isVisible());
    QVERIFY(!list->isVisible());
    QCOMPARE(list->rowCount(), 3);
    QCOMPARE(list->currentRow(), 1);
    rows = RowsOf(f.window.get());
    QCOMPARE(Describe(Showing(rows)), QStringList());
    QCOMPARE(Describe(Focused(rows)), QStringList());
    const QStringList selected = [&rows] {
        QStringList found;
        for (const Row &row : std::as_const(rows)) {
            if (row.list == u"ListFileConfig" && row.state.selected && row.state.invisible)
                found << row.what;
        }
        return found;
    }();
    QCOMPARE(selected, (QStringList{QStringLiteral("cell 1.0"), QStringLiteral("cell 1.1"),
                                    QStringLiteral("cell 1.2"), QStringLiteral("cell 1.3")}));
}

// A screen reader meets one focused object: the current page's tab only while the page bar has the
// focus, the field otherwise. Each tab is still named by its caption and pressed to show its page.
void AccessibleRowsTest::pageTabFocusedOnlyWithTheFocus()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *pages = f.window->PagesParam();
    QTabBar *bar = pages->tabBar();
    QAccessibleInterface *barFace = QAccessible::queryAccessibleInterface(bar);
    QVERIFY(barFace);
    QCOMPARE(barFace->childCount(), bar->count() + 2);
    for (int i = 0; i < bar->count(); ++i) {
        QAccessibleInterface *tab = barFace->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), bar->tabText(i));
        QCOMPARE(barFace->indexOfChild(tab), i);
    }
    const auto focusedTabs = [barFace, bar] {
        QStringList names;
        for (int i = 0; i < bar->count(); ++i) {
            if (barFace->child(i)->state().focused)
                names << barFace->child(i)->text(QAccessible::Name);
        }
        return names;
    };

    // Ctrl+Tab to "Режимы" puts the focus into the page; Shift+Tab back to the page bar: its current
    // tab is the focused one.
    QVERIFY(CtrlTabTo(pages, QStringLiteral("TabMode"), false));
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget() != bar);
    QCOMPARE(focusedTabs(), QStringList());
    for (int i = 0; i < 80 && QApplication::focusWidget() != bar; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), bar);
    QCOMPARE(focusedTabs(), QStringList{QStringLiteral("Режимы")});

    // Tab into the page: the field has the focus, no tab reports it.
    QTest::keyClick(bar, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget() != bar);
    QCOMPARE(focusedTabs(), QStringList());
    QCOMPARE(barFace->focusChild(), nullptr);

    // Pressing a tab through the bus shows its page, as a click does.
    auto *press = barFace->child(2)->actionInterface();
    QVERIFY(press);
    press->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pages->currentIndex(), 2);
}

QTEST_MAIN(AccessibleRowsTest)
#include "tst_accessible_rows.moc"
