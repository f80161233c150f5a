#include "widgets/table_accessible.h"

#include "widgets/item_accessible.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableView>

namespace orva {
namespace {

QTableView *TableOf(QObject *object)
{
    return qobject_cast<QTableView *>(object);
}

int ColumnsOf(const QTableView *view)
{
    return view && view->model() ? view->model()->columnCount(view->rootIndex()) : 0;
}

int RowsOf(const QTableView *view)
{
    return view && view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
}

// The number of a table's child: the children run row by row over a grid whose first row holds the
// column headers and whose first column holds the row headers, with the corner before them all; row or
// column -1 is the header's line. Qt numbers them so, whether the headers are shown or not.
int ChildNumber(const QTableView *view, int row, int column)
{
    return (row + 1) * (ColumnsOf(view) + 1) + column + 1;
}

// The table's button in the corner between its headers (it selects every cell).
QWidget *CornerOf(const QTableView *view)
{
    return view ? view->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The state of a header or the corner (child widgets of the table): invisible while it is not on screen.
QAccessible::State PartState(const QWidget *part)
{
    QAccessible::State state;
    // isVisible() holds only when the part, its table and everything they sit in are shown.
    state.invisible = !part || !part->isVisible();
    state.disabled = part && !part->isEnabled();
    return state;
}

// A part of the table that is no item: a header or the corner.
class TablePartAccessible : public ViewPartAccessible
{
public:
    using ViewPartAccessible::ViewPartAccessible;

    void setText(QAccessible::Text, const QString &) override {}

protected:
    QAbstractItemView *view() const override { return table(); }
    QTableView *table() const { return TableOf(viewObject()); }
};

// The header of one column or row, named by the model's header text. It shows while its header is on
// screen and the section lies in the header's visible part.
class TableHeaderAccessible : public TablePartAccessible
{
public:
    TableHeaderAccessible(QTableView *view, Qt::Orientation orientation, int section)
        : TablePartAccessible(view), m_orientation(orientation), m_section(section)
    {}

    Qt::Orientation orientation() const { return m_orientation; }
    int section() const { return m_section; }

    bool isValid() const override
    {
        return table() && m_section >= 0 &&
               m_section < (m_orientation == Qt::Horizontal ? ColumnsOf(table()) : RowsOf(table()));
    }
    QAccessible::Role role() const override
    {
        return m_orientation == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const QAbstractItemModel *model = table()->model();
        if (t == QAccessible::Name) {
            const QString name =
                model->headerData(m_section, m_orientation, Qt::AccessibleTextRole).toString();
            return name.isEmpty() ? model->headerData(m_section, m_orientation).toString() : name;
        }
        if (t == QAccessible::Description)
            return model->headerData(m_section, m_orientation, Qt::AccessibleDescriptionRole).toString();
        return {};
    }
    QRect rect() const override
    {
        const QHeaderView *bar = header();
        if (!isValid() || !bar->isVisible())
            return {};
        const QPoint origin = bar->viewport()->mapToGlobal(QPoint(0, 0));
        const int start = bar->sectionViewportPosition(m_section);
        const int size = bar->sectionSize(m_section);
        return m_orientation == Qt::Horizontal ? QRect(origin.x() + start, origin.y(), size, bar->height())
                                               : QRect(origin.x(), origin.y() + start, bar->width(), size);
    }
    QAccessible::State state() const override
    {
        if (!isValid())
            return {};
        QAccessible::State state = PartState(header());
        const QWidget *viewport = header()->viewport();
        if (!state.invisible &&
            !QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size()).intersects(rect()))
            state.offscreen = true;
        return state;
    }

private:
    QHeaderView *header() const
    {
        return m_orientation == Qt::Horizontal ? table()->horizontalHeader() : table()->verticalHeader();
    }

    Qt::Orientation m_orientation;
    int m_section;
};

// The corner between the headers.
class TableCornerAccessible : public TablePartAccessible
{
public:
    using TablePartAccessible::TablePartAccessible;

    bool isValid() const override { return table() != nullptr; }
    QAccessible::Role role() const override { return QAccessible::Pane; }
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override
    {
        const QWidget *corner = CornerOf(table());
        if (!corner || !corner->isVisible())
            return {};
        return QRect(corner->mapToGlobal(QPoint(0, 0)), corner->size());
    }
    QAccessible::State state() const override { return PartState(CornerOf(table())); }
};

// One cell of a table; its header cells are the table's own children.
class TableCellAccessible : public ItemAccessible
{
public:
    TableCellAccessible(QTableView *view, const QModelIndex &index)
        : ItemAccessible(view, index, QAccessible::Cell)
    {}

    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        return headerCell(isValid() ? ChildNumber(tableView(), -1, columnIndex()) : -1);
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override
    {
        return headerCell(isValid() ? ChildNumber(tableView(), rowIndex(), -1) : -1);
    }

protected:
    QAbstractItemView *view() const override { return tableView(); }

private:
    QTableView *tableView() const { return TableOf(viewObject()); }
    QList<QAccessibleInterface *> headerCell(int number) const
    {
        QAccessibleInterface *owner = parent();
        QAccessibleInterface *header = owner && number >= 0 ? owner->child(number) : nullptr;
        return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
    }
};

// The table: the corner, the column headers and row by row the row header and the cells are its
// children.
class TableAccessible : public ItemViewAccessible
{
public:
    explicit TableAccessible(QTableView *view) : ItemViewAccessible(view) {}

    QAccessible::Role role() const override { return QAccessible::Table; }

    int childCount() const override { return table() ? (rowCount() + 1) * (columnCount() + 1) : 0; }
    QAccessibleInterface *child(int number) const override
    {
        if (number < 0 || number >= childCount())
            return nullptr;
        const int row = number / (columnCount() + 1) - 1;
        const int column = number % (columnCount() + 1) - 1;
        if (row < 0 && column < 0) {
            if (QAccessibleInterface *known = keptChild(number, [](const QAccessibleInterface *kept) {
                    return kept->role() == QAccessible::Pane;
                }))
                return known;
            return keepChild(number, new TableCornerAccessible(table()));
        }
        if (row < 0 || column < 0) {
            const Qt::Orientation orientation = row < 0 ? Qt::Horizontal : Qt::Vertical;
            const int section = row < 0 ? column : row;
            if (QAccessibleInterface *known = keptChild(number, [&](const QAccessibleInterface *kept) {
                    const auto *header = dynamic_cast<const TableHeaderAccessible *>(kept);
                    return header && header->orientation() == orientation && header->section() == section;
                }))
                return known;
            return keepChild(number, new TableHeaderAccessible(table(), orientation, section));
        }
        const QModelIndex cell = table()->model()->index(row, column, table()->rootIndex());
        if (QAccessibleInterface *known = keptChild(number, [&cell](const QAccessibleInterface *kept) {
                const auto *item = dynamic_cast<const TableCellAccessible *>(kept);
                return item && item->index() == cell;
            }))
            return known;
        return keepChild(number, new TableCellAccessible(table(), cell));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return keeps(child) ? numberOf(child) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!table())
            return nullptr;
        const QModelIndex cell = table()->indexAt(table()->viewport()->mapFromGlobal(QPoint(x, y)));
        return cell.isValid() ? cellAt(cell.row(), cell.column()) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!table() || !FocusedOnScreen(table()))
            return nullptr;
        const QModelIndex current = table()->currentIndex();
        return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
    }

    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(ChildNumber(table(), row, column));
    }
    int columnCount() const override { return ColumnsOf(table()); }
    int rowCount() const override { return RowsOf(table()); }
    QString columnDescription(int column) const override
    {
        return table() && table()->model() ? table()->model()->headerData(column, Qt::Horizontal).toString()
                                           : QString();
    }
    QString rowDescription(int row) const override
    {
        return table() && table()->model() ? table()->model()->headerData(row, Qt::Vertical).toString()
                                           : QString();
    }

    int selectedCellCount() const override { return int(selectedItems().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        const QModelIndexList items = selectedItems();
        for (const QModelIndex &item : items)
            cells.append(cellAt(item.row(), item.column()));
        return cells;
    }
    // The rows (columns) whose every cell is selected.
    QList<int> selectedRows() const override { return selectedLines(Qt::Horizontal); }
    QList<int> selectedColumns() const override { return selectedLines(Qt::Vertical); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    bool isRowSelected(int row) const override
    {
        return selection() && selection()->isRowSelected(row, table()->rootIndex());
    }
    bool isColumnSelected(int column) const override
    {
        return selection() && selection()->isColumnSelected(column, table()->rootIndex());
    }

    bool selectRow(int row) override { return selectLine(Qt::Horizontal, row); }
    bool selectColumn(int column) override { return selectLine(Qt::Vertical, column); }
    bool unselectRow(int row) override { return unselectLine(Qt::Horizontal, row); }
    bool unselectColumn(int column) override { return unselectLine(Qt::Vertical, column); }

    // Cells, rows or columns came, went or moved: each known cell keeps its interface under its number
    // now; the interfaces of cells that are gone, and of the headers of the lines that changed, are dropped.
    void modelChange(QAccessibleTableModelChangeEvent *event) override
    {
        using Change = QAccessibleTableModelChangeEvent;
        const Change::ModelChangeType type = event->modelChangeType();
        if (type == Change::DataChanged)
            return;
        const bool rowsChanged = type != Change::ColumnsInserted && type != Change::ColumnsRemoved;
        const bool columnsChanged = type != Change::RowsInserted && type != Change::RowsRemoved;
        renumberChildren([&](const QAccessibleInterface *child) {
            if ((child->role() == QAccessible::RowHeader && rowsChanged) ||
                (child->role() == QAccessible::ColumnHeader && columnsChanged))
                return -1;
            return numberOf(child);
        });
    }

protected:
    QAbstractItemView *view() const override { return table(); }

private:
    // While the table's widget is being destroyed it is no longer a table view.
    QTableView *table() const { return TableOf(object()); }
    QItemSelectionModel *selection() const { return table() ? table()->selectionModel() : nullptr; }

    // The selected cells of the table's level of the model.
    QModelIndexList selectedItems() const
    {
        QModelIndexList items = selection() ? selection()->selectedIndexes() : QModelIndexList();
        const QModelIndex root = table() ? table()->rootIndex() : QModelIndex();
        items.removeIf([&root](const QModelIndex &item) { return item.parent() != root; });
        return items;
    }

    // The number a kept child has now, or -1 when what it stood for is gone.
    int numberOf(const QAccessibleInterface *child) const
    {
        if (!child->isValid())
            return -1;
        if (const auto *header = dynamic_cast<const TableHeaderAccessible *>(child)) {
            return header->orientation() == Qt::Horizontal ? ChildNumber(table(), -1, header->section())
                                                           : ChildNumber(table(), header->section(), -1);
        }
        if (const auto *cell = dynamic_cast<const TableCellAccessible *>(child)) {
            if (cell->index().parent() != table()->rootIndex())
                return -1;
            return ChildNumber(table(), cell->rowIndex(), cell->columnIndex());
        }
        return 0; // the corner
    }

    // A whole row (Qt::Horizontal) or column (Qt::Vertical) `line`.
    QItemSelection wholeLine(Qt::Orientation orientation, int line) const
    {
        const QAbstractItemModel *model = table()->model();
        const QModelIndex root = table()->rootIndex();
        if (orientation == Qt::Horizontal)
            return QItemSelection(model->index(line, 0, root), model->index(line, columnCount() - 1, root));
        return QItemSelection(model->index(0, line, root), model->index(rowCount() - 1, line, root));
    }
    // Whether every cell of the line is selected; false for a line outside the table.
    bool lineSelected(Qt::Orientation orientation, int line) const
    {
        if (line < 0 || line >= lineCount(orientation))
            return false;
        return orientation == Qt::Horizontal ? isRowSelected(line) : isColumnSelected(line);
    }
    int lineCount(Qt::Orientation orientation) const
    {
        return orientation == Qt::Horizontal ? rowCount() : columnCount();
    }
    QList<int> selectedLines(Qt::Orientation orientation) const
    {
        QList<int> lines;
        for (int line = 0; line < lineCount(orientation); ++line) {
            if (lineSelected(orientation, line))
                lines.append(line);
        }
        return lines;
    }

    // Selects the line as the user can in the table: not in a table that selects lines the other way;
    // in single selection only where it selects whole lines (or the line is one cell), and alone; in
    // contiguous selection alone unless it joins a selected neighbour.
    bool selectLine(Qt::Orientation orientation, int line)
    {
        if (!selection() || line < 0 || line >= lineCount(orientation) || rowCount() == 0 ||
            columnCount() == 0)
            return false;
        const QAbstractItemView::SelectionBehavior wrongWay =
            orientation == Qt::Horizontal ? QAbstractItemView::SelectColumns : QAbstractItemView::SelectRows;
        if (table()->selectionBehavior() == wrongWay)
            return false;
        switch (table()->selectionMode()) {
        case QAbstractItemView::NoSelection:
            return false;
        case QAbstractItemView::SingleSelection:
            if (table()->selectionBehavior() == QAbstractItemView::SelectItems &&
                lineCount(orientation == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal) > 1)
                return false;
            table()->clearSelection();
            break;
        case QAbstractItemView::ContiguousSelection:
            if (!lineSelected(orientation, line - 1) && !lineSelected(orientation, line + 1))
                table()->clearSelection();
            break;
        default:
            break;
        }
        selection()->select(wholeLine(orientation, line), QItemSelectionModel::Select);
        return true;
    }
    // Takes the selection away from the line where the user can: never from the last selected line in
    // single and contiguous selection; taking a line out of the middle of a contiguous selection takes
    // the lines after it too.
    bool unselectLine(Qt::Orientation orientation, int line)
    {
        if (!selection() || line < 0 || line >= lineCount(orientation) || rowCount() == 0 ||
            columnCount() == 0)
            return false;
        const QAbstractItemView::SelectionMode mode = table()->selectionMode();
        const int selected = orientation == Qt::Horizontal ? selectedRowCount() : selectedColumnCount();
        if ((mode == QAbstractItemView::SingleSelection || mode == QAbstractItemView::ContiguousSelection) &&
            selected == 1)
            return false;
        QItemSelection range = wholeLine(orientation, line);
        if (mode == QAbstractItemView::ContiguousSelection && lineSelected(orientation, line - 1) &&
            lineSelected(orientation, line + 1)) {
            for (int after = line + 1; after < lineCount(orientation); ++after)
                range.merge(wholeLine(orientation, after), QItemSelectionModel::Select);
        }
        selection()->select(range, QItemSelectionModel::Deselect);
        return true;
    }
};

} // namespace

QAccessibleInterface *MakeTableAccessible(QObject *object)
{
    if (auto *view = TableOf(object))
        return new TableAccessible(view);
    return nullptr;
}

} // namespace orva
