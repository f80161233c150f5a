#include "widgets/check_list_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QStyledItemDelegate>

namespace orva {
namespace {

// Every row of the list has the list's own height.
class FixedHeightDelegate : public QStyledItemDelegate
{
public:
    FixedHeightDelegate(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(m_height);
        return size;
    }

private:
    int m_height;
};

// Runs the program's change with the list's reports switched off, and puts the previous state back.
class Programmatic
{
public:
    explicit Programmatic(bool &flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~Programmatic() { m_flag = m_previous; }
    Programmatic(const Programmatic &) = delete;
    Programmatic &operator=(const Programmatic &) = delete;

private:
    bool &m_flag;
    bool m_previous;
};

// The last press on any of the lists, and whether its click ticked a box. The window system makes the
// next press a double click when it comes within the double-click time and distance of this one; that
// press belongs to the ticking click's gesture wherever it lands, even on another list that the page
// moved under the pointer.
struct LastPress
{
    quint64 timestamp = 0;
    QPointF global;
    bool ticked = false;
    // Where the page left the focus after the tick.
    QPointer<QWidget> focus;
};

LastPress &Pressed()
{
    static LastPress press;
    return press;
}

bool IsSecondPressOfTick(const LastPress &first, const QMouseEvent *event)
{
    if (!first.ticked || event->button() != Qt::LeftButton || event->timestamp() < first.timestamp)
        return false;
    const QStyleHints *hints = QGuiApplication::styleHints();
    const QPointF moved = event->globalPosition() - first.global;
    return event->timestamp() - first.timestamp < quint64(hints->mouseDoubleClickInterval()) &&
           qAbs(moved.x()) <= hints->mouseDoubleClickDistance() &&
           qAbs(moved.y()) <= hints->mouseDoubleClickDistance();
}

} // namespace

CheckListBox::CheckListBox(bool checkable, int itemHeight, QWidget *parent)
    : QListWidget(parent), m_checkable(checkable), m_itemHeight(itemHeight)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(itemHeight, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A row the user selects reports itself; so does a selection the user takes away (Ctrl+click or
    // Ctrl+Space on the selected row), as row -1, so that the page disables what edits a phone.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_programmatic)
            Q_EMIT clickedRow(itemIndex());
    });
    // Items are not editable, so a change the program did not make is a tick of the user.
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (m_programmatic || !m_checkable)
            return;
        m_tickedSincePress = true;
        Q_EMIT clickCheck(row(item));
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (!m_programmatic)
            Q_EMIT doubleClickedRow(row(item));
    });
}

int CheckListBox::itemIndex() const
{
    const QListWidgetItem *current = currentItem();
    return current && current->isSelected() ? currentRow() : -1;
}

bool CheckListBox::takeAsSecondClick(const QMouseEvent *event)
{
    LastPress &last = Pressed();
    const bool second = IsSecondPressOfTick(last, event);
    const QPointer<QWidget> focusAfterTick = last.focus;
    last = LastPress{event->timestamp(), event->globalPosition(), false, nullptr};
    m_swallowSecondClick = second;
    // The press gave this list the focus; it goes back where the ticking click left it.
    if (second && focusAfterTick && focusAfterTick != QApplication::focusWidget())
        focusAfterTick->setFocus(Qt::OtherFocusReason);
    return second;
}

void CheckListBox::mousePressEvent(QMouseEvent *event)
{
    m_tickedSincePress = false;
    m_swallowRelease = false;
    if (takeAsSecondClick(event)) {
        event->accept();
        return;
    }
    // A press selects its row first, on the tick box as well (where the view alone would only tick),
    // so that a tick always acts on the selected item.
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && index.row() != itemIndex())
            setCurrentRow(index.row());
    }
    QListWidget::mousePressEvent(event);
}

void CheckListBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_swallowSecondClick) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void CheckListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Where the first click rebuilt the lists, the window system may hand this list the double click
    // without a press of its own: it is still the second click of the ticking gesture.
    if (!m_tickedSincePress && !m_swallowSecondClick)
        takeAsSecondClick(event);
    if (m_tickedSincePress || m_swallowSecondClick) {
        m_swallowRelease = true;
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void CheckListBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_swallowRelease || m_swallowSecondClick) {
        m_swallowRelease = false;
        m_swallowSecondClick = false;
        event->accept();
        return;
    }
    const bool tickedBefore = m_tickedSincePress;
    QListWidget::mouseReleaseEvent(event);
    if (!tickedBefore && m_tickedSincePress) {
        Pressed().ticked = true;
        Pressed().focus = QApplication::focusWidget();
    }
}

void CheckListBox::setItemIndex(int row)
{
    Programmatic guard(m_programmatic);
    setCurrentRow(row >= 0 && row < count() ? row : -1);
}

QListWidgetItem *CheckListBox::newItem()
{
    auto *item = new QListWidgetItem;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_checkable) {
        flags |= Qt::ItemIsUserCheckable;
        item->setCheckState(Qt::Unchecked);
    }
    item->setFlags(flags);
    return item;
}

void CheckListBox::setCount(int n)
{
    Programmatic guard(m_programmatic);
    n = qMax(n, 0);
    // The view would move the selection to a neighbour of a removed selected item; here it goes.
    if (currentRow() >= n)
        setCurrentRow(-1);
    while (count() > n)
        delete takeItem(count() - 1);
    while (count() < n)
        addItem(newItem());
}

bool CheckListBox::checked(int row) const
{
    const QListWidgetItem *it = item(row);
    return it && it->checkState() == Qt::Checked;
}

void CheckListBox::setChecked(int row, bool on)
{
    Programmatic guard(m_programmatic);
    if (QListWidgetItem *it = item(row); it && m_checkable)
        it->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QString CheckListBox::itemText(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->text() : QString();
}

void CheckListBox::setItemText(int row, const QString &text)
{
    Programmatic guard(m_programmatic);
    if (QListWidgetItem *it = item(row)) {
        it->setText(text);
        // A long text is cut at the list's edge; its hint shows it whole.
        it->setToolTip(text);
    }
}

// Space ticks or unticks the focused row's box. A row the focus only made current (Tab into the list)
// is selected first, as a click on it would select it, so that the tick acts on that phone.
void CheckListBox::keyPressEvent(QKeyEvent *event)
{
    QListWidgetItem *item = currentItem();
    if (!m_checkable || !item || event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QListWidget::keyPressEvent(event);
        return;
    }
    // Selecting reports the row to the page, which may redraw the list: the row is looked up again.
    const int focused = currentRow();
    if (!item->isSelected())
        item->setSelected(true);
    if (QListWidgetItem *row = this->item(focused))
        row->setCheckState(row->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    event->accept();
}

} // namespace orva
