#include "widgets/accessible_names.h"

#include "widgets/list_accessible.h"
#include "widgets/tab_accessible.h"
#include "widgets/table_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>

namespace orva {
namespace {

// A combo box announced by its name, with its current item as its value. Qt's own interface announces
// the current item as the name on some platforms, so that "Количество повторов" is read as "3". The
// current item also reaches a screen reader as Qt's own combo box gives it: as the combo box's text
// (read-only) and as the selected item of its list, the one child.
class NamedComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NamedComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return combo()->view() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        QAbstractItemView *view = combo()->view();
        if (index != 0 || !view)
            return nullptr;
        // The closed popup's list holds the current item as current but not as selected; a screen
        // reader reads the selected one.
        const QModelIndex current =
            view->model()->index(combo()->currentIndex(), combo()->modelColumn(), combo()->rootModelIndex());
        if (current.isValid() && !view->selectionModel()->isSelected(current))
            view->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
        return QAccessible::queryAccessibleInterface(view);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

    // The text: the current item, read-only, without a cursor or a selection.
    QString text(int startOffset, int endOffset) const override
    {
        return combo()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(combo()->currentText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(object()); }
};

QAccessibleInterface *ProgramAccessibles(const QString &, QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return new NamedComboAccessible(combo);
    if (QAccessibleInterface *list = MakeListAccessible(object))
        return list;
    if (QAccessibleInterface *tabs = MakeTabBarAccessible(object))
        return tabs;
    return MakeTableAccessible(object);
}

} // namespace

QString NameFromCaption(const QString &caption)
{
    QString name = caption;
    name.remove(u'&');
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

void InstallAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ProgramAccessibles);
        return true;
    }();
    Q_UNUSED(installed);
}

void NameControlsByLabels(QWidget *root)
{
    InstallAccessibleControls();

    QList<QWidget *> named;
    const auto labels = root->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        QWidget *field = label->buddy();
        if (field && field->accessibleName().isEmpty() && !NameFromCaption(label->text()).isEmpty()) {
            field->setAccessibleName(NameFromCaption(label->text()));
            named.append(field);
        }
    }
    // Twins (the same caption in the groups of SIM card 1 and 2) are told apart by their group's title.
    QHash<QString, int> uses;
    const auto all = root->findChildren<QWidget *>();
    for (const QWidget *w : all) {
        if (!w->accessibleName().isEmpty())
            ++uses[w->accessibleName()];
    }
    for (QWidget *field : std::as_const(named)) {
        if (uses.value(field->accessibleName()) < 2)
            continue;
        for (QWidget *up = field->parentWidget(); up && up != root->parentWidget(); up = up->parentWidget()) {
            if (auto *group = qobject_cast<QGroupBox *>(up); group && !group->title().isEmpty()) {
                field->setAccessibleName(NameFromCaption(group->title()) + QStringLiteral(": ") +
                                         field->accessibleName());
                break;
            }
        }
    }
}

} // namespace orva
