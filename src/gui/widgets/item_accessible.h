#pragma once

// What the program's accessibility interfaces of lists (list_accessible) and tables (table_accessible)
// share: which items are on screen and which one is focused, the interface of one item, and the view's
// own interface with its kept child interfaces. Qt reports every item of a view as shown and the current
// one as focused wherever the view is; these report only what the user sees.

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>

#include <functional>

namespace orva {

// Whether the view has the keyboard focus where the user sees it: a hidden view keeps the focus when its
// window has nothing else to take it.
bool FocusedOnScreen(const QAbstractItemView *view);

// A part of a list or table view without children of its own: an item, a header, the corner.
class ViewPartAccessible : public QAccessibleInterface
{
public:
    explicit ViewPartAccessible(QAbstractItemView *view) : m_view(view) {}

    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

protected:
    // The view, while it is still of the kind this part belongs to (while its widget is being destroyed
    // it no longer is).
    virtual QAbstractItemView *view() const = 0;
    QObject *viewObject() const { return m_view.data(); }

private:
    QPointer<QObject> m_view;
};

// One item of a view: a row of a list or a cell of a table. It is named by its text; it shows only while
// its view is on screen and the item lies in the view's visible part (an item scrolled out is offscreen),
// and only the current item of the view with the keyboard focus is focused. The selection and the check
// mark are reported wherever the view is.
class ItemAccessible : public ViewPartAccessible,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface
{
public:
    ItemAccessible(QAbstractItemView *view, const QModelIndex &index, QAccessible::Role role);

    const QPersistentModelIndex &index() const { return m_index; }

    bool isValid() const override;
    QAccessible::Role role() const override { return m_role; }
    void *interface_cast(QAccessible::InterfaceType type) override;

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &text) override;
    QRect rect() const override;
    QAccessible::State state() const override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? m_index.column() : -1; }
    int rowIndex() const override { return isValid() ? m_index.row() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // The one action selects the item (its row or column where the view selects whole ones), or takes the
    // selection away from it where the view lets the user.
    QStringList actionNames() const override { return {toggleAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &actionName) override;

private:
    QPersistentModelIndex m_index;
    QAccessible::Role m_role;
};

// A list or table view: named and described as the view is, invisible while it is not on screen, focused
// only while it has the focus on screen. It keeps one registered interface per child it has handed out,
// under the child's number, and drops them with itself.
class ItemViewAccessible : public QAccessibleObject, public QAccessibleTableInterface
{
public:
    explicit ItemViewAccessible(QAbstractItemView *view);
    ~ItemViewAccessible() override;
    ItemViewAccessible(const ItemViewAccessible &) = delete;
    ItemViewAccessible &operator=(const ItemViewAccessible &) = delete;

    bool isValid() const override { return view() != nullptr; }
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessibleInterface *parent() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }

protected:
    // The view, while it is still of the kind this interface is for.
    virtual QAbstractItemView *view() const = 0;

    // The interface kept as child `number` when `fits` says it still stands for what is there; a kept
    // one that no longer does is dropped, and nullptr returned.
    QAccessibleInterface *keptChild(int number,
                                    const std::function<bool(const QAccessibleInterface *)> &fits) const;
    // Registers `made` and keeps it as child `number`.
    QAccessibleInterface *keepChild(int number, QAccessibleInterface *made) const;
    // Whether `child` is one of the kept interfaces.
    bool keeps(const QAccessibleInterface *child) const;
    // After the model changed: each kept interface under the number `numberNow` gives it now; those it
    // gives -1 (their item is gone) are dropped.
    void renumberChildren(const std::function<int(const QAccessibleInterface *)> &numberNow);

private:
    mutable QHash<int, QAccessible::Id> m_children; // child number -> its registered interface
};

} // namespace orva
