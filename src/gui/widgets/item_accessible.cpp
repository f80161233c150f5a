#include "widgets/item_accessible.h"

#include <QAbstractItemView>
#include <QApplication>

namespace orva {
namespace {

// The view's rectangle for its items (without its frame, headers and scroll bars) on the screen.
QRect GlobalViewport(const QAbstractItemView *view)
{
    const QWidget *viewport = view->viewport();
    return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
}

} // namespace

bool FocusedOnScreen(const QAbstractItemView *view)
{
    return view->isVisible() && view->hasFocus();
}

ItemAccessible::ItemAccessible(QAbstractItemView *view, const QModelIndex &index, QAccessible::Role role)
    : ViewPartAccessible(view), m_index(index), m_role(role)
{}

bool ItemAccessible::isValid() const
{
    return view() && view()->model() && m_index.isValid() && m_index.model() == view()->model();
}

void *ItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QString ItemAccessible::text(QAccessible::Text t) const
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

void ItemAccessible::setText(QAccessible::Text, const QString &text)
{
    if (isValid() && (m_index.flags() & Qt::ItemIsEditable))
        view()->model()->setData(m_index, text);
}

// On the screen: the item's rectangle in the view; nothing for the items of a hidden view.
QRect ItemAccessible::rect() const
{
    if (!isValid() || !view()->isVisible())
        return {};
    const QRect r = view()->visualRect(m_index);
    return r.isNull() ? r : r.translated(view()->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State ItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    // isVisible() holds only when the view and everything it sits in are shown.
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

bool ItemAccessible::isSelected() const
{
    return isValid() && view()->selectionModel() && view()->selectionModel()->isSelected(m_index);
}

void ItemAccessible::doAction(const QString &actionName)
{
    if (actionName != toggleAction() || !isValid() || !view()->selectionModel() ||
        view()->selectionMode() == QAbstractItemView::NoSelection)
        return;
    // A view that selects whole rows or columns selects through its table.
    QAccessibleInterface *owner = table();
    QAccessibleTableInterface *whole = owner ? owner->tableInterface() : nullptr;
    const bool select = !isSelected();
    const QAbstractItemView::SelectionBehavior behaviour = view()->selectionBehavior();
    if (whole && behaviour != QAbstractItemView::SelectItems) {
        using Change = bool (QAccessibleTableInterface::*)(int);
        const bool rows = behaviour == QAbstractItemView::SelectRows;
        const Change change =
            rows ? (select ? &QAccessibleTableInterface::selectRow : &QAccessibleTableInterface::unselectRow)
                 : (select ? &QAccessibleTableInterface::selectColumn
                           : &QAccessibleTableInterface::unselectColumn);
        (whole->*change)(rows ? m_index.row() : m_index.column());
        return;
    }
    QItemSelectionModel *selection = view()->selectionModel();
    const QAbstractItemView::SelectionMode mode = view()->selectionMode();
    if (select) {
        if (mode == QAbstractItemView::SingleSelection)
            view()->clearSelection();
        selection->select(m_index, QItemSelectionModel::Select);
    } else if (mode == QAbstractItemView::MultiSelection || mode == QAbstractItemView::ExtendedSelection ||
               selection->selectedIndexes().size() > 1) {
        // In single and contiguous selection the user cannot take the last selected item away.
        selection->select(m_index, QItemSelectionModel::Deselect);
    }
}

ItemViewAccessible::ItemViewAccessible(QAbstractItemView *view) : QAccessibleObject(view) {}

ItemViewAccessible::~ItemViewAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessible::State ItemViewAccessible::state() const
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

QString ItemViewAccessible::text(QAccessible::Text t) const
{
    if (!view())
        return {};
    return t == QAccessible::Description ? view()->accessibleDescription() : view()->accessibleName();
}

QRect ItemViewAccessible::rect() const
{
    if (!view() || !view()->isVisible())
        return {};
    return QRect(view()->mapToGlobal(QPoint(0, 0)), view()->size());
}

// A combo box's list sits in its popup, but belongs to the combo box.
QAccessibleInterface *ItemViewAccessible::parent() const
{
    QObject *up = view() ? view()->parent() : nullptr;
    if (!up)
        return QAccessible::queryAccessibleInterface(qApp);
    if (qstrcmp(up->metaObject()->className(), "QComboBoxPrivateContainer") == 0 && up->parent())
        up = up->parent();
    return QAccessible::queryAccessibleInterface(up);
}

void *ItemViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
}

QAccessibleInterface *
ItemViewAccessible::keptChild(int number, const std::function<bool(const QAccessibleInterface *)> &fits) const
{
    const auto found = m_children.constFind(number);
    if (found == m_children.cend())
        return nullptr;
    QAccessibleInterface *known = QAccessible::accessibleInterface(*found);
    if (known && fits(known))
        return known;
    // The child stands for something else now (the model changed without telling).
    if (known)
        QAccessible::deleteAccessibleInterface(*found);
    m_children.remove(number);
    return nullptr;
}

QAccessibleInterface *ItemViewAccessible::keepChild(int number, QAccessibleInterface *made) const
{
    m_children.insert(number, QAccessible::registerAccessibleInterface(made));
    return made;
}

bool ItemViewAccessible::keeps(const QAccessibleInterface *child) const
{
    for (const QAccessible::Id id : std::as_const(m_children)) {
        if (QAccessible::accessibleInterface(id) == child)
            return true;
    }
    return false;
}

void ItemViewAccessible::renumberChildren(const std::function<int(const QAccessibleInterface *)> &numberNow)
{
    QHash<int, QAccessible::Id> kept;
    for (const QAccessible::Id id : std::as_const(m_children)) {
        QAccessibleInterface *child = QAccessible::accessibleInterface(id);
        const int number = child ? numberNow(child) : -1;
        if (number >= 0 && !kept.contains(number))
            kept.insert(number, id);
        else if (child)
            QAccessible::deleteAccessibleInterface(id);
    }
    m_children = kept;
}

} // namespace orva
