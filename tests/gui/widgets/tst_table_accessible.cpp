// The program's accessibility interface of a table (MakeTableAccessible) against Qt's own one of the same
// table: on a table the user sees, it reads the same (children, names, roles, texts, states, header
// cells, table and selection operations); a table out of sight reports its cells, headers and corner
// invisible, cells scrolled out of the table offscreen, and only the current cell of the table with the
// focus is focused. This suite installs no factory of its own, so QAccessible gives Qt's interface.
#include "view_window.h"
#include "widgets/table_accessible.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace orva;
using orva::test::Shows;

namespace {

constexpr int Columns = 3;

// A window with a table of `rows` rows of three columns inside a page (a plain widget), and a field after
// it to take the focus. Cell (1, 1) has a text for screen readers and a description, the cells of column 0
// are checkable and the one of row 2 is ticked.
struct TableWindow : test::ViewWindow
{
    explicit TableWindow(int rows, int columnWidth = 70)
    {
        auto *layout = new QVBoxLayout(&window);
        page = new QWidget(&window);
        auto *inPage = new QVBoxLayout(page);
        table = new QTableWidget(rows, Columns, page);
        table->setAccessibleName(QStringLiteral("Таблица"));
        table->setAccessibleDescription(QStringLiteral("ячейки для проверки"));
        table->setHorizontalHeaderLabels({QString(), QStringLiteral("Псевдоним"), QStringLiteral("Файл")});
        table->setTabKeyNavigation(false);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        inPage->addWidget(table);
        field = new QLineEdit(&window);
        layout->addWidget(page);
        layout->addWidget(field);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < Columns; ++column) {
                auto *item =
                    new QTableWidgetItem(QStringLiteral("Ячейка %1.%2").arg(row + 1).arg(column + 1));
                if (column == 0) {
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                    item->setCheckState(row == 2 ? Qt::Checked : Qt::Unchecked);
                }
                table->setItem(row, column, item);
            }
        }
        if (rows > 1) {
            table->item(1, 1)->setData(Qt::AccessibleTextRole, QStringLiteral("псевдоним второго"));
            table->item(1, 1)->setData(Qt::AccessibleDescriptionRole, QStringLiteral("с описанием"));
        }
        for (int column = 0; column < Columns; ++column)
            table->setColumnWidth(column, columnWidth);
        window.resize(320, 240);
        ours = MakeTableAccessible(table);
    }
    bool ShowWithFocusOnTable()
    {
        if (!ShowActive())
            return false;
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier);
        return table->hasFocus();
    }

    // Clicks the cell where the user sees it.
    void Click(int row, int column)
    {
        const QRect cell = table->visualRect(table->model()->index(row, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QAccessibleInterface *Cell(int row, int column) const
    {
        return ours->tableInterface()->cellAt(row, column);
    }

    QWidget *page;
    QTableWidget *table;
    QLineEdit *field;
};

} // namespace

class TableAccessibleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyTablesGetIt();
    void readsAsQtsOwnOnAShownTable_data();
    void readsAsQtsOwnOnAShownTable();
    void selectsAsQtsOwn_data();
    void selectsAsQtsOwn();
    void tableOutOfSightNeitherShowsNorFocuses_data();
    void tableOutOfSightNeitherShowsNorFocuses();
    void scrolledOutCellsAreOffscreen();
    void focusedOnlyWhileTheTableHasTheFocus();
    void cellsFollowTheModel();
};

void TableAccessibleTest::onlyTablesGetIt()
{
    QWidget plain;
    QListWidget list;
    QHeaderView header(Qt::Horizontal);
    QVERIFY(!MakeTableAccessible(&plain));
    QVERIFY(!MakeTableAccessible(&list));
    QVERIFY(!MakeTableAccessible(&header));
    QVERIFY(!MakeTableAccessible(nullptr));
}

void TableAccessibleTest::readsAsQtsOwnOnAShownTable_data()
{
    QTest::addColumn<bool>("rowHeaders");
    QTest::addColumn<QAbstractItemView::SelectionBehavior>("behaviour");
    QTest::addColumn<QAbstractItemView::SelectionMode>("mode");
    // The file list's way: whole rows, one at a time, without row headers.
    QTest::newRow("rows, no row headers")
        << false << QAbstractItemView::SelectRows << QAbstractItemView::SingleSelection;
    QTest::newRow("cells, row headers")
        << true << QAbstractItemView::SelectItems << QAbstractItemView::ExtendedSelection;
}

void TableAccessibleTest::readsAsQtsOwnOnAShownTable()
{
    QFETCH(bool, rowHeaders);
    QFETCH(QAbstractItemView::SelectionBehavior, behaviour);
    QFETCH(QAbstractItemView::SelectionMode, mode);
    TableWindow w(4);
    w.table->verticalHeader()->setVisible(rowHeaders);
    w.table->setSelectionBehavior(behaviour);
    w.table->setSelectionMode(mode);
    QVERIFY(w.ShowWithFocusOnTable());
    w.Click(1, 1);
    QCOMPARE(w.table->currentRow(), 1);
    QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(w.table);
    QAccessibleInterface *ours = w.ours;
    test::CompareViewWithQts(ours, qt);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(ours->childCount(), (4 + 1) * (Columns + 1));

    for (int i = 0; i < qt->childCount(); ++i) {
        QAccessibleInterface *mine = ours->child(i);
        QAccessibleInterface *theirs = qt->child(i);
        QVERIFY(mine && theirs);
        QCOMPARE(ours->child(i), mine); // one interface per child
        QCOMPARE(ours->indexOfChild(mine), i);
        test::CompareWithQts(mine, theirs);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(mine->parent(), qt);
        if (i == 0) {
            // The corner shows with the row headers only (Qt's reports itself shown either way, without a
            // place on the screen).
            QCOMPARE(bool(mine->state().invisible), !rowHeaders);
            continue;
        }
        QCOMPARE(mine->state(), theirs->state());
        if (theirs->state().invisible)
            QVERIFY(mine->rect().isEmpty() && theirs->rect().isEmpty());
        else
            QCOMPARE(mine->rect(), theirs->rect());
        QAccessibleTableCellInterface *cell = mine->tableCellInterface();
        QCOMPARE(bool(cell), bool(theirs->tableCellInterface()));
        if (!cell)
            continue;
        QAccessibleTableCellInterface *their = theirs->tableCellInterface();
        QCOMPARE(cell->rowIndex(), their->rowIndex());
        QCOMPARE(cell->columnIndex(), their->columnIndex());
        QCOMPARE(cell->isSelected(), their->isSelected());
        QCOMPARE(cell->table(), qt); // the table as the bus knows it
        // The header cells are the table's children (here Qt's, the table the bus knows).
        QCOMPARE(cell->columnHeaderCells(),
                 QList<QAccessibleInterface *>{qt->child(cell->columnIndex() + 1)});
        QCOMPARE(cell->rowHeaderCells(),
                 QList<QAccessibleInterface *>{qt->child((cell->rowIndex() + 1) * (Columns + 1))});
        QCOMPARE(mine->actionInterface()->actionNames(), theirs->actionInterface()->actionNames());
        const QPoint centre = theirs->rect().center();
        QCOMPARE(ours->childAt(centre.x(), centre.y()), mine);
    }
    QCOMPARE(w.Cell(1, 1)->text(QAccessible::Name), QStringLiteral("псевдоним второго"));
    QCOMPARE(w.Cell(1, 0)->text(QAccessible::Name), QStringLiteral("Ячейка 2.1"));
    QVERIFY(w.Cell(1, 1)->state().focused);
    QVERIFY(w.Cell(2, 0)->state().checked);
    QCOMPARE(ours->focusChild(), w.Cell(1, 1));
    QCOMPARE(ours->child(2)->text(QAccessible::Name), QStringLiteral("Псевдоним"));

    QAccessibleTableInterface *mine = ours->tableInterface();
    QAccessibleTableInterface *theirs = qt->tableInterface();
    QVERIFY(mine && theirs);
    QCOMPARE(mine->rowCount(), theirs->rowCount());
    QCOMPARE(mine->columnCount(), theirs->columnCount());
    QCOMPARE(mine->columnDescription(2), theirs->columnDescription(2));
    QCOMPARE(mine->rowDescription(3), theirs->rowDescription(3));
    QCOMPARE(mine->selectedRows(), theirs->selectedRows());
    QCOMPARE(mine->selectedColumns(), theirs->selectedColumns());
    QCOMPARE(mine->selectedCellCount(), theirs->selectedCellCount());
    QCOMPARE(mine->selectedCells().size(), theirs->selectedCells().size());
    QVERIFY(mine->selectedCells().contains(w.Cell(1, 1)));
    QCOMPARE(mine->isRowSelected(1), theirs->isRowSelected(1));
    QCOMPARE(mine->isRowSelected(0), theirs->isRowSelected(0));
    QCOMPARE(mine->cellAt(3, 2), ours->child(4 * (Columns + 1) + 3));

    // The toggle action selects as Qt's does: the cell's row where the table selects rows.
    w.Cell(3, 2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(w.table->selectionModel()->isSelected(w.table->model()->index(3, 2)), true);
    QCOMPARE(theirs->isRowSelected(3), behaviour == QAbstractItemView::SelectRows);
    QVERIFY(mine->selectRow(0));
    QCOMPARE(theirs->isRowSelected(0), true);
    QCOMPARE(mine->selectedRows(), theirs->selectedRows());
}

void TableAccessibleTest::selectsAsQtsOwn_data()
{
    QTest::addColumn<QAbstractItemView::SelectionBehavior>("behaviour");
    QTest::addColumn<QAbstractItemView::SelectionMode>("mode");
    // "row+1" selects row 1, "col-2" takes the selection from column 2, "toggle 2.1" is cell (2, 1)'s action.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("one row at a time")
        << QAbstractItemView::SelectRows << QAbstractItemView::SingleSelection
        << QStringList{u"row+1"_qs, u"row+3"_qs, u"row-3"_qs, u"col+1"_qs, u"toggle 2.1"_qs};
    QTest::newRow("one cell at a time")
        << QAbstractItemView::SelectItems << QAbstractItemView::SingleSelection
        << QStringList{u"row+1"_qs, u"col+0"_qs, u"toggle 2.1"_qs, u"toggle 2.1"_qs, u"toggle 0.2"_qs};
    QTest::newRow("many cells") << QAbstractItemView::SelectItems << QAbstractItemView::MultiSelection
                                << QStringList{u"row+1"_qs,      u"col+2"_qs, u"toggle 3.1"_qs,
                                               u"toggle 3.1"_qs, u"row-1"_qs, u"col-2"_qs};
    QTest::newRow("contiguous rows") << QAbstractItemView::SelectRows
                                     << QAbstractItemView::ContiguousSelection
                                     << QStringList{u"row+1"_qs, u"row+2"_qs, u"row+3"_qs, u"row-2"_qs,
                                                    u"row+4"_qs, u"row+0"_qs, u"row-1"_qs};
    QTest::newRow("columns") << QAbstractItemView::SelectColumns << QAbstractItemView::ExtendedSelection
                             << QStringList{u"col+1"_qs, u"row+1"_qs, u"col+2"_qs, u"col-1"_qs, u"col-0"_qs};
    QTest::newRow("no selection") << QAbstractItemView::SelectItems << QAbstractItemView::NoSelection
                                  << QStringList{u"row+1"_qs, u"col+1"_qs, u"toggle 2.1"_qs};
}

// The same steps through the program's interface of one table and Qt's of another leave the same
// selection, and succeed or fail alike.
void TableAccessibleTest::selectsAsQtsOwn()
{
    QFETCH(QAbstractItemView::SelectionBehavior, behaviour);
    QFETCH(QAbstractItemView::SelectionMode, mode);
    QFETCH(QStringList, steps);
    TableWindow mine(5);
    TableWindow theirs(5);
    for (QTableWidget *table : {mine.table, theirs.table}) {
        table->setSelectionBehavior(behaviour);
        table->setSelectionMode(mode);
    }
    QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(theirs.table);
    const auto selected = [](const QTableWidget *table) {
        QList<QPoint> cells;
        const QModelIndexList items = table->selectionModel()->selectedIndexes();
        for (const QModelIndex &item : items)
            cells << QPoint(item.column(), item.row());
        std::sort(cells.begin(), cells.end(),
                  [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
        return cells;
    };
    bool selectedOnce = false;
    for (const QString &step : std::as_const(steps)) {
        if (step.startsWith(u"toggle")) {
            const QStringList at = step.mid(7).split(u'.');
            for (QAccessibleInterface *table : {mine.ours, qt}) {
                QAccessibleInterface *cell = table->tableInterface()->cellAt(at[0].toInt(), at[1].toInt());
                cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            }
        } else {
            const bool row = step.startsWith(u"row");
            const bool add = step.at(3) == u'+';
            const int line = step.mid(4).toInt();
            const auto apply = [&](QAccessibleTableInterface *table) {
                return row ? (add ? table->selectRow(line) : table->unselectRow(line))
                           : (add ? table->selectColumn(line) : table->unselectColumn(line));
            };
            QCOMPARE(apply(mine.ours->tableInterface()), apply(qt->tableInterface()));
        }
        QCOMPARE(selected(mine.table), selected(theirs.table));
        selectedOnce = selectedOnce || !selected(mine.table).isEmpty();
        QCOMPARE(mine.ours->tableInterface()->selectedRows(), qt->tableInterface()->selectedRows());
        QCOMPARE(mine.ours->tableInterface()->selectedColumns(), qt->tableInterface()->selectedColumns());
        QCOMPARE(mine.ours->tableInterface()->selectedCellCount(), qt->tableInterface()->selectedCellCount());
    }
    // The steps selected something wherever the table lets the user.
    QCOMPARE(selectedOnce, mode != QAbstractItemView::NoSelection);
}

void TableAccessibleTest::tableOutOfSightNeitherShowsNorFocuses_data()
{
    QTest::addColumn<QString>("goesAway");
    QTest::newRow("the table is hidden") << QStringLiteral("table");
    QTest::newRow("its page is hidden") << QStringLiteral("page");
    QTest::newRow("its window is closed") << QStringLiteral("window");
}

void TableAccessibleTest::tableOutOfSightNeitherShowsNorFocuses()
{
    QFETCH(QString, goesAway);
    TableWindow w(5);
    w.table->setSelectionBehavior(QAbstractItemView::SelectRows);
    QVERIFY(w.ShowWithFocusOnTable());
    QTest::keyClick(w.table, Qt::Key_Down);
    QVERIFY(w.Cell(1, 0)->state().focused);
    QVERIFY(Shows(w.Cell(1, 0)));
    QVERIFY(Shows(w.ours->child(1))); // a column header

    if (goesAway == u"table")
        w.table->hide();
    else if (goesAway == u"page")
        w.page->hide();
    else
        w.window.close();
    QVERIFY(!w.table->isVisible());
    // The current cell and the selection stay where the user left them.
    QCOMPARE(w.table->currentIndex(), w.table->model()->index(1, 0));

    QVERIFY(w.ours->state().invisible);
    QVERIFY(!w.ours->state().focused);
    QVERIFY(!w.ours->focusChild());
    QCOMPARE(w.ours->childCount(), 6 * (Columns + 1));
    for (int i = 0; i < w.ours->childCount(); ++i) {
        QAccessibleInterface *child = w.ours->child(i);
        const QAccessible::State state = child->state();
        QVERIFY2(state.invisible, qPrintable(QStringLiteral("child %1").arg(i)));
        QVERIFY(!state.focused);
        QVERIFY(child->rect().isEmpty());
        if (QAccessibleTableCellInterface *cell = child->tableCellInterface())
            QCOMPARE(bool(state.selected), cell->rowIndex() == 1);
    }
    QCOMPARE(w.ours->tableInterface()->selectedRows(), QList<int>{1});
}

void TableAccessibleTest::scrolledOutCellsAreOffscreen()
{
    TableWindow w(40, 160); // wider and taller than the table
    QVERIFY(w.ShowWithFocusOnTable());
    // The cells shown, by their child numbers, and the cells in the table's visible part.
    const auto showing = [&w] {
        QList<QPoint> cells;
        for (int row = 0; row < 40; ++row) {
            for (int column = 0; column < Columns; ++column) {
                if (Shows(w.Cell(row, column)))
                    cells << QPoint(column, row);
            }
        }
        return cells;
    };
    const auto inViewport = [&w] {
        QList<QPoint> cells;
        for (int row = 0; row < 40; ++row) {
            for (int column = 0; column < Columns; ++column) {
                if (w.table->viewport()->rect().intersects(
                        w.table->visualRect(w.table->model()->index(row, column))))
                    cells << QPoint(column, row);
            }
        }
        return cells;
    };
    const QList<QPoint> first = showing();
    QVERIFY(first.size() > 2 && first.size() < 40);
    QCOMPARE(first.constFirst(), QPoint(0, 0));
    QVERIFY(!first.contains(QPoint(2, 0)));
    QCOMPARE(first, inViewport());
    QVERIFY(Shows(w.ours->child(1)));
    QVERIFY(w.ours->child(3)->state().offscreen); // the header of the column out of sight

    QTest::keyClick(w.table, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w.table->currentIndex(), w.table->model()->index(39, 2));
    const QList<QPoint> last = showing();
    QCOMPARE(last.constLast(), QPoint(2, 39));
    QCOMPARE(last, inViewport());
    QVERIFY(w.Cell(0, 0)->state().offscreen);
    QVERIFY(!w.Cell(0, 0)->state().invisible);
    QVERIFY(w.Cell(39, 2)->state().focused);
    QVERIFY(Shows(w.ours->child(3)));
}

void TableAccessibleTest::focusedOnlyWhileTheTableHasTheFocus()
{
    TableWindow w(5);
    QVERIFY(w.ShowWithFocusOnTable());
    w.Click(2, 1);
    QVERIFY(w.Cell(2, 1)->state().focused);
    QVERIFY(w.ours->state().focused);
    const auto focusedCells = [&w] {
        int count = 0;
        for (int i = 0; i < w.ours->childCount(); ++i)
            count += w.ours->child(i)->state().focused ? 1 : 0;
        return count;
    };
    QCOMPARE(focusedCells(), 1);

    // Tab to the field: the table keeps its current cell, which is no longer focused, but still shows.
    QTest::keyClick(w.table, Qt::Key_Tab);
    QVERIFY(w.field->hasFocus());
    QCOMPARE(w.table->currentIndex(), w.table->model()->index(2, 1));
    QCOMPARE(focusedCells(), 0);
    QVERIFY(!w.ours->state().focused);
    QVERIFY(!w.ours->focusChild());
    QVERIFY(Shows(w.Cell(2, 1)));
    QVERIFY(w.Cell(2, 1)->state().selected);

    QTest::keyClick(w.field, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(w.table->hasFocus());
    QVERIFY(w.Cell(2, 1)->state().focused);
    QCOMPARE(focusedCells(), 1);
}

void TableAccessibleTest::cellsFollowTheModel()
{
    TableWindow w(3);
    QVERIFY(w.ShowWithFocusOnTable());
    QCOMPARE(w.Cell(2, 1)->text(QAccessible::Name), QStringLiteral("Ячейка 3.2"));

    // A row inserted above without a word to the interface: each cell reads the item now at its place.
    w.table->insertRow(0);
    w.table->setItem(0, 1, new QTableWidgetItem(QStringLiteral("Новая")));
    QCOMPARE(w.ours->childCount(), 5 * (Columns + 1));
    QCOMPARE(w.Cell(0, 1)->text(QAccessible::Name), QStringLiteral("Новая"));
    QCOMPARE(w.Cell(3, 1)->text(QAccessible::Name), QStringLiteral("Ячейка 3.2"));
    QCOMPARE(w.ours->indexOfChild(w.Cell(3, 1)), 4 * (Columns + 1) + 2);

    // With a screen reader about, the view reports the insertion: the interface a reader holds for a cell
    // moves with its item, and the column headers stay.
    QAccessibleInterface *second = w.Cell(2, 1);
    QAccessibleInterface *header = w.ours->child(2);
    QCOMPARE(second->text(QAccessible::Name), QStringLiteral("псевдоним второго"));
    w.table->insertRow(0);
    QAccessibleTableModelChangeEvent inserted(w.table, QAccessibleTableModelChangeEvent::RowsInserted);
    inserted.setFirstRow(0);
    inserted.setLastRow(0);
    w.ours->tableInterface()->modelChange(&inserted);
    QCOMPARE(w.Cell(3, 1), second);
    QCOMPARE(second->tableCellInterface()->rowIndex(), 3);
    QCOMPARE(w.ours->indexOfChild(second), 4 * (Columns + 1) + 2);
    QCOMPARE(w.ours->child(2), header);
    QCOMPARE(second->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("Псевдоним"));

    // A column taken away: the headers of the columns are renamed by what is there now.
    w.table->removeColumn(0);
    QAccessibleTableModelChangeEvent removed(w.table, QAccessibleTableModelChangeEvent::ColumnsRemoved);
    removed.setFirstColumn(0);
    removed.setLastColumn(0);
    w.ours->tableInterface()->modelChange(&removed);
    QCOMPARE(w.ours->childCount(), 6 * Columns);
    QCOMPARE(w.ours->child(1)->text(QAccessible::Name), QStringLiteral("Псевдоним"));
    QCOMPARE(w.Cell(3, 0), second);

    w.table->clear();
    w.table->setRowCount(0);
    QAccessibleTableModelChangeEvent reset(w.table, QAccessibleTableModelChangeEvent::ModelReset);
    w.ours->tableInterface()->modelChange(&reset);
    QCOMPARE(w.ours->tableInterface()->rowCount(), 0);
    QCOMPARE(w.ours->childCount(), Columns); // the corner and the headers of the two columns left
    QVERIFY(!w.Cell(0, 0));
    QVERIFY(w.ours->tableInterface()->selectedCells().isEmpty());
}

QTEST_MAIN(TableAccessibleTest)
#include "tst_table_accessible.moc"
