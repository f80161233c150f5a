#include "widgets/list_accessible.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QHash>
#include <QListView>
#include <QPersistentModelIndex>
#include <QPointer>

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

// The list's rectangle for its items (without its frame and scroll bars) on the screen.
QRect GlobalViewport(const QListView *view)
{
    const QWidget *viewport = view->viewport();
    return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
}

// Whether the list has the keyboard focus where the user sees it: a hidden list keeps the focus when its
// window has nothing else to take it.
bool FocusedOnScreen(const QListView *view)
{
    return view->isVisible() && view->hasFocus();
}

// One item (row) of a list.
class ListRowAccessible : public QAccessibleInterface,
                          public QAccessibleTableCellInterface,
                          public QAccessibleActionInterface
{
public:
    ListRowAccessible(QListView *view, const QModelIndex &index) : m_list(view), m_index(index) {}

    const QPersistentModelIndex &index() const { return m_index; }

    bool isValid() const override
    {
        return view() && view()->model() && m_index.isValid() && m_index.model() == view()->model();
    }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            const QString name = m_index.data(Qt::AccessibleTextRole).toString();
            return name.isEmpty() ? m_index.data(Qt::DisplayRole).toString() : name;
        }
        if (t == QAccessible::Description)
            return m_index.data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }
    void setText(QAccessible::Text, const QString &text) override
    {
        if (isValid() && (m_index.flags() & Qt::ItemIsEditable))
            view()->model()->setData(m_index, text);
    }

    // On the screen: the item's rectangle in the list; nothing for the items of a hidden list.
    QRect rect() const override
    {
        if (!isValid() || !view()->isVisible())
            return {};
        const QRect r = view()->visualRect(m_index);
        return r.isNull() ? r : r.translated(view()->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        // isVisible() holds only when the list and everything it sits in are shown.
        if (!view()->isVisible())
            state.invisible = true;
        else if (!GlobalViewport(view()).intersects(rect()))
            state.offscreen = true;
        const QItemSelectionModel *selection = view()->selectionModel();
        if (selection && selection->isSelected(m_index))
            state.selected = true;
        if (FocusedOnScreen(view()) && view()->currentIndex() == m_index)
            state.focused = true;
        const QVariant tick = m_index.data(Qt::CheckStateRole);
        state.checked = tick.toInt() == Qt::Checked;
        state.checkable = tick.isValid() && (m_index.flags() & Qt::ItemIsUserCheckable);
        if (m_index.flags() & Qt::ItemIsSelectable) {
            state.selectable = true;
            state.focusable = true;
            state.multiSelectable = view()->selectionMode() == QAbstractItemView::MultiSelection;
            state.extSelectable = view()->selectionMode() == QAbstractItemView::ExtendedSelection;
        }
        return state;
    }

    // The list has one column.
    bool isSelected() const override
    {
        return isValid() && view()->selectionModel() && view()->selectionModel()->isSelected(m_index);
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? 0 : -1; }
    int rowIndex() const override { return isValid() ? m_index.row() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // The one action selects the item, or takes the selection away from it where the list lets the user.
    QStringList actionNames() const override { return {toggleAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &actionName) override
    {
        if (actionName != toggleAction() || !isValid() || !view()->selectionModel() ||
            view()->selectionMode() == QAbstractItemView::NoSelection)
            return;
        QItemSelectionModel *selection = view()->selectionModel();
        if (!isSelected()) {
            if (view()->selectionMode() == QAbstractItemView::SingleSelection)
                view()->clearSelection();
            selection->select(m_index, QItemSelectionModel::Select);
        } else if (view()->selectionMode() == QAbstractItemView::MultiSelection ||
                   view()->selectionMode() == QAbstractItemView::ExtendedSelection ||
                   selection->selectedIndexes().size() > 1) {
            selection->select(m_index, QItemSelectionModel::Deselect);
        }
    }

private:
    // While the list's widget is being destroyed it is no longer a list view.
    QListView *view() const { return qobject_cast<QListView *>(m_list.data()); }

    QPointer<QObject> m_list;
    QPersistentModelIndex m_index;
};

// The list: its items are its children, one per row of the shown column.
class ListAccessible : public QAccessibleObject, public QAccessibleTableInterface
{
public:
    explicit ListAccessible(QListView *view) : QAccessibleObject(view) {}
    ~ListAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }
    ListAccessible(const ListAccessible &) = delete;
    ListAccessible &operator=(const ListAccessible &) = delete;

    // While the list's widget is being destroyed it is no longer a list view.
    bool isValid() const override { return view() != nullptr; }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!view())
            return state;
        state.invisible = !view()->isVisible();
        state.focusable = view()->focusPolicy() != Qt::NoFocus;
        state.focused = FocusedOnScreen(view());
        state.disabled = !view()->isEnabled();
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!view())
            return {};
        return t == QAccessible::Description ? view()->accessibleDescription() : view()->accessibleName();
    }
    QRect rect() const override
    {
        if (!view() || !view()->isVisible())
            return {};
        return QRect(view()->mapToGlobal(QPoint(0, 0)), view()->size());
    }

    // A combo box's list sits in its popup, but belongs to the combo box.
    QAccessibleInterface *parent() const override
    {
        QObject *up = view() ? view()->parent() : nullptr;
        if (!up)
            return QAccessible::queryAccessibleInterface(qApp);
        if (qstrcmp(up->metaObject()->className(), "QComboBoxPrivateContainer") == 0 && up->parent())
            up = up->parent();
        return QAccessible::queryAccessibleInterface(up);
    }

    int childCount() const override { return rowCount(); }
    QAccessibleInterface *child(int row) const override
    {
        if (!view())
            return nullptr;
        const QModelIndex item = ItemAt(view(), row);
        if (!item.isValid())
            return nullptr;
        if (const auto found = m_rows.constFind(row); found != m_rows.cend()) {
            auto *known = static_cast<ListRowAccessible *>(QAccessible::accessibleInterface(*found));
            if (known && known->index() == item)
                return known;
            // The row holds another item now (the model changed without telling).
            if (known)
                QAccessible::deleteAccessibleInterface(*found);
            m_rows.remove(row);
        }
        auto *made = new ListRowAccessible(view(), item);
        m_rows.insert(row, QAccessible::registerAccessibleInterface(made));
        return made;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const QAccessible::Id id : std::as_const(m_rows)) {
            if (QAccessible::accessibleInterface(id) == child)
                return static_cast<const ListRowAccessible *>(child)->rowIndex();
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        if (!view())
            return nullptr;
        const QModelIndex item = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return item.isValid() ? child(item.row()) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!view() || !FocusedOnScreen(view()) || !view()->currentIndex().isValid())
            return nullptr;
        return child(view()->currentIndex().row());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
    }

    // The table of one column.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return column == 0 ? child(row) : nullptr;
    }
    int columnCount() const override { return HasColumn(view()) ? 1 : 0; }
    int rowCount() const override { return HasColumn(view()) ? view()->model()->rowCount(root()) : 0; }
    QString columnDescription(int column) const override
    {
        if (column != 0 || !view() || !view()->model())
            return {};
        return view()->model()->headerData(view()->modelColumn(), Qt::Horizontal).toString();
    }
    QString rowDescription(int row) const override
    {
        if (!view() || !view()->model())
            return {};
        return view()->model()->headerData(row, Qt::Vertical).toString();
    }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        const QItemSelectionModel *selection = view() ? view()->selectionModel() : nullptr;
        if (!selection)
            return rows;
        const QModelIndexList items = selection->selectedIndexes();
        for (const QModelIndex &item : items) {
            if (item.column() == view()->modelColumn() && item.parent() == root())
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
        const QModelIndex item = ItemAt(view(), row);
        return item.isValid() && view()->selectionModel() && view()->selectionModel()->isSelected(item);
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
        const QModelIndex item = ItemAt(view(), row);
        if (!item.isValid() || !view()->selectionModel())
            return false;
        switch (view()->selectionMode()) {
        case QAbstractItemView::NoSelection:
            return false;
        case QAbstractItemView::SingleSelection:
            view()->clearSelection();
            break;
        case QAbstractItemView::ContiguousSelection:
            if (!isRowSelected(row - 1) && !isRowSelected(row + 1))
                view()->clearSelection();
            break;
        default:
            break;
        }
        view()->selectionModel()->select(item, QItemSelectionModel::Select);
        return true;
    }
    bool unselectRow(int row) override
    {
        const QModelIndex item = ItemAt(view(), row);
        if (!item.isValid() || !view()->selectionModel())
            return false;
        // In single and contiguous selection the user cannot take the last selected item away.
        const QAbstractItemView::SelectionMode mode = view()->selectionMode();
        if ((mode == QAbstractItemView::SingleSelection || mode == QAbstractItemView::ContiguousSelection) &&
            selectedRowCount() == 1)
            return false;
        QItemSelection range(item, item);
        // Taking an item out of the middle of a contiguous selection takes the rows below it too.
        if (mode == QAbstractItemView::ContiguousSelection && isRowSelected(row - 1) &&
            isRowSelected(row + 1))
            range = QItemSelection(item, ItemAt(view(), rowCount() - 1));
        view()->selectionModel()->select(range, QItemSelectionModel::Deselect);
        return true;
    }
    bool selectColumn(int column) override
    {
        if (column != 0 || rowCount() == 0 || !view()->selectionModel())
            return false;
        const QAbstractItemView::SelectionMode mode = view()->selectionMode();
        if (mode == QAbstractItemView::NoSelection ||
            (mode == QAbstractItemView::SingleSelection && rowCount() > 1))
            return false;
        view()->selectionModel()->select(QItemSelection(ItemAt(view(), 0), ItemAt(view(), rowCount() - 1)),
                                         QItemSelectionModel::Select);
        return true;
    }
    bool unselectColumn(int column) override
    {
        if (column != 0 || rowCount() == 0 || !view()->selectionModel())
            return false;
        const QAbstractItemView::SelectionMode mode = view()->selectionMode();
        if (mode == QAbstractItemView::SingleSelection || mode == QAbstractItemView::ContiguousSelection)
            return false;
        view()->selectionModel()->select(QItemSelection(ItemAt(view(), 0), ItemAt(view(), rowCount() - 1)),
                                         QItemSelectionModel::Deselect);
        return true;
    }

    // Rows came, went or moved: each known item keeps its interface under the row it has now; the
    // interfaces of items that are gone are dropped.
    void modelChange(QAccessibleTableModelChangeEvent *event) override
    {
        if (event->modelChangeType() == QAccessibleTableModelChangeEvent::DataChanged)
            return;
        QHash<int, QAccessible::Id> kept;
        for (const QAccessible::Id id : std::as_const(m_rows)) {
            auto *row = static_cast<ListRowAccessible *>(QAccessible::accessibleInterface(id));
            if (row && row->isValid() && row->index().parent() == root() && !kept.contains(row->rowIndex()))
                kept.insert(row->rowIndex(), id);
            else if (row)
                QAccessible::deleteAccessibleInterface(id);
        }
        m_rows = kept;
    }

private:
    QListView *view() const { return qobject_cast<QListView *>(object()); }
    QModelIndex root() const { return view() ? view()->rootIndex() : QModelIndex(); }

    mutable QHash<int, QAccessible::Id> m_rows; // row -> the registered interface of its item
};

} // namespace

QAccessibleInterface *MakeListAccessible(QObject *object)
{
    if (auto *view = qobject_cast<QListView *>(object))
        return new ListAccessible(view);
    return nullptr;
}

} // namespace orva
