#include "widgets/list_accessible.h"

#include "widgets/item_accessible.h"

#include <QListView>

#include <algorithm>

namespace orva {
namespace {

// Whether the list shows a column of its model (a model without columns, or fewer than the list's column,
// leaves it empty).
bool HasColumn(const QListView *view)
{
    return view && view->model() && view->modelColumn() < view->model()->columnCount(view->rootIndex());
}

// The item of the list's row, or an invalid index when the list has no such row.
QModelIndex ItemAt(const QListView *view, int row)
{
    if (!HasColumn(view) || row < 0)
        return {};
    return view->model()->index(row, view->modelColumn(), view->rootIndex());
}

// One item (row) of a list: the list has one column.
class ListRowAccessible : public ItemAccessible
{
public:
    ListRowAccessible(QListView *view, const QModelIndex &index)
        : ItemAccessible(view, index, QAccessible::ListItem)
    {}

    int columnIndex() const override { return isValid() ? 0 : -1; }

protected:
    QAbstractItemView *view() const override { return qobject_cast<QListView *>(viewObject()); }
};

// The list: its items are its children, one per row of the shown column.
class ListAccessible : public ItemViewAccessible
{
public:
    explicit ListAccessible(QListView *view) : ItemViewAccessible(view) {}

    QAccessible::Role role() const override { return QAccessible::List; }

    int childCount() const override { return rowCount(); }
    QAccessibleInterface *child(int row) const override
    {
        const QModelIndex item = ItemAt(list(), row);
        if (!item.isValid())
            return nullptr;
        if (QAccessibleInterface *known = keptChild(row, [&item](const QAccessibleInterface *kept) {
                return static_cast<const ListRowAccessible *>(kept)->index() == item;
            }))
            return known;
        return keepChild(row, new ListRowAccessible(list(), item));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return keeps(child) ? static_cast<const ListRowAccessible *>(child)->rowIndex() : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!list())
            return nullptr;
        const QModelIndex item = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return item.isValid() ? child(item.row()) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!list() || !FocusedOnScreen(list()) || !list()->currentIndex().isValid())
            return nullptr;
        return child(list()->currentIndex().row());
    }

    // The table of one column.
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return column == 0 ? child(row) : nullptr;
    }
    int columnCount() const override { return HasColumn(list()) ? 1 : 0; }
    int rowCount() const override { return HasColumn(list()) ? list()->model()->rowCount(root()) : 0; }
    QString columnDescription(int column) const override
    {
        if (column != 0 || !list() || !list()->model())
            return {};
        return list()->model()->headerData(list()->modelColumn(), Qt::Horizontal).toString();
    }
    QString rowDescription(int row) const override
    {
        if (!list() || !list()->model())
            return {};
        return list()->model()->headerData(row, Qt::Vertical).toString();
    }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        const QItemSelectionModel *selection = list() ? list()->selectionModel() : nullptr;
        if (!selection)
            return rows;
        const QModelIndexList items = selection->selectedIndexes();
        for (const QModelIndex &item : items) {
            if (item.column() == list()->modelColumn() && item.parent() == root())
                rows.append(item.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        const QList<int> rows = selectedRows();
        for (const int row : rows)
            cells.append(child(row));
        return cells;
    }
    bool isRowSelected(int row) const override
    {
        const QModelIndex item = ItemAt(list(), row);
        return item.isValid() && list()->selectionModel() && list()->selectionModel()->isSelected(item);
    }
    // The column is selected when every row is.
    bool isColumnSelected(int column) const override
    {
        return column == 0 && rowCount() > 0 && selectedRowCount() == rowCount();
    }
    QList<int> selectedColumns() const override { return isColumnSelected(0) ? QList<int>{0} : QList<int>{}; }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }

    bool selectRow(int row) override
    {
        const QModelIndex item = ItemAt(list(), row);
        if (!item.isValid() || !list()->selectionModel())
            return false;
        switch (list()->selectionMode()) {
        case QAbstractItemView::NoSelection:
            return false;
        case QAbstractItemView::SingleSelection:
            list()->clearSelection();
            break;
        case QAbstractItemView::ContiguousSelection:
            if (!isRowSelected(row - 1) && !isRowSelected(row + 1))
                list()->clearSelection();
            break;
        default:
            break;
        }
        list()->selectionModel()->select(item, QItemSelectionModel::Select);
        return true;
    }
    bool unselectRow(int row) override
    {
        const QModelIndex item = ItemAt(list(), row);
        if (!item.isValid() || !list()->selectionModel())
            return false;
        // In single and contiguous selection the user cannot take the last selected item away.
        const QAbstractItemView::SelectionMode mode = list()->selectionMode();
        if ((mode == QAbstractItemView::SingleSelection || mode == QAbstractItemView::ContiguousSelection) &&
            selectedRowCount() == 1)
            return false;
        QItemSelection range(item, item);
        // Taking an item out of the middle of a contiguous selection takes the rows below it too.
        if (mode == QAbstractItemView::ContiguousSelection && isRowSelected(row - 1) &&
            isRowSelected(row + 1))
            range = QItemSelection(item, ItemAt(list(), rowCount() - 1));
        list()->selectionModel()->select(range, QItemSelectionModel::Deselect);
        return true;
    }
    bool selectColumn(int column) override
    {
        if (column != 0 || rowCount() == 0 || !list()->selectionModel())
            return false;
        const QAbstractItemView::SelectionMode mode = list()->selectionMode();
        if (mode == QAbstractItemView::NoSelection ||
            (mode == QAbstractItemView::SingleSelection && rowCount() > 1))
            return false;
        list()->selectionModel()->select(QItemSelection(ItemAt(list(), 0), ItemAt(list(), rowCount() - 1)),
                                         QItemSelectionModel::Select);
        return true;
    }
    bool unselectColumn(int column) override
    {
        if (column != 0 || rowCount() == 0 || !list()->selectionModel())
            return false;
        const QAbstractItemView::SelectionMode mode = list()->selectionMode();
        if (mode == QAbstractItemView::SingleSelection || mode == QAbstractItemView::ContiguousSelection)
            return false;
        list()->selectionModel()->select(QItemSelection(ItemAt(list(), 0), ItemAt(list(), rowCount() - 1)),
                                         QItemSelectionModel::Deselect);
        return true;
    }

    // Rows came, went or moved: each known item keeps its interface under the row it has now; the
    // interfaces of items that are gone are dropped.
    void modelChange(QAccessibleTableModelChangeEvent *event) override
    {
        if (event->modelChangeType() == QAccessibleTableModelChangeEvent::DataChanged)
            return;
        renumberChildren([this](const QAccessibleInterface *child) {
            const auto *row = static_cast<const ListRowAccessible *>(child);
            return row->isValid() && row->index().parent() == root() ? row->rowIndex() : -1;
        });
    }

protected:
    QAbstractItemView *view() const override { return list(); }

private:
    // While the list's widget is being destroyed it is no longer a list view.
    QListView *list() const { return qobject_cast<QListView *>(object()); }
    QModelIndex root() const { return list() ? list()->rootIndex() : QModelIndex(); }
};

} // namespace

QAccessibleInterface *MakeListAccessible(QObject *object)
{
    if (auto *view = qobject_cast<QListView *>(object))
        return new ListAccessible(view);
    return nullptr;
}

} // namespace orva
