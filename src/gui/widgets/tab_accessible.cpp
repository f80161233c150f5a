#include "widgets/tab_accessible.h"

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>
#include <QToolButton>

namespace orva {
namespace {

// The scroll buttons a tab bar makes for itself, in the order its interface lists them.
constexpr const char16_t *ScrollButtonNames[] = {u"ScrollLeftButton", u"ScrollRightButton"};
constexpr int ScrollButtonCount = 2;

QString TabName(const QTabBar *bar, int index)
{
    QString name = bar->accessibleTabName(index);
    if (name.isEmpty()) {
        name = bar->tabText(index);
        name.remove(u'&');
    }
    return name;
}

QWidget *ScrollButton(const QTabBar *bar, int which)
{
    return bar->findChild<QToolButton *>(QString::fromUtf16(ScrollButtonNames[which]),
                                         Qt::FindDirectChildrenOnly);
}

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabAccessible(QTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s = parent()->state();
        s.focused = m_index == m_bar->currentIndex() && m_bar->hasFocus();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return {m_bar->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return TabName(m_bar, m_index);
        case QAccessible::Description:
            return m_bar->tabToolTip(m_index);
        case QAccessible::Help:
            return m_bar->tabWhatsThis(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (isValid() && actionName == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int index() const { return m_index; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class TabBarAccessible : public QAccessibleWidget
{
public:
    explicit TabBarAccessible(QTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count() + ScrollButtonCount; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index < bar()->count()) {
            if (const QAccessible::Id id = m_tabs.value(index))
                return QAccessible::accessibleInterface(id);
            auto *tab = new TabAccessible(bar(), index);
            m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
            return tab;
        }
        const int which = index - bar()->count();
        return which < ScrollButtonCount ? QAccessible::queryAccessibleInterface(ScrollButton(bar(), which))
                                         : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        for (int which = 0; which < ScrollButtonCount; ++which) {
            if (child->object() && child->object() == ScrollButton(bar(), which))
                return bar()->count() + which;
        }
        if (child->role() == QAccessible::PageTab && child->parent() == this)
            return static_cast<const TabAccessible *>(child)->index();
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        for (int i = 0; i < bar()->count(); ++i) {
            if (child(i)->state().focused)
                return child(i);
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        // As Qt's tab bar: named by its current tab.
        return t == QAccessible::Name ? TabName(bar(), bar()->currentIndex()) : QString();
    }

private:
    QTabBar *bar() const { return static_cast<QTabBar *>(object()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace

QAccessibleInterface *MakeTabBarAccessible(QObject *object)
{
    auto *bar = qobject_cast<QTabBar *>(object);
    return bar ? new TabBarAccessible(bar) : nullptr;
}

} // namespace orva
