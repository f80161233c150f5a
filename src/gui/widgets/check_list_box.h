#pragma once

#include <QListWidget>

namespace orva {

// A list of one-line items, each with a tick box when the list is checkable, driven the way the phone
// pages drive their lists: the program sets texts, ticks and the selected item (the item index)
// without any handler running; what the user does reports itself through the signals below. The item
// index is the current row; -1 means nothing is selected.
class CheckListBox : public QListWidget
{
    Q_OBJECT
public:
    CheckListBox(bool checkable, int itemHeight, QWidget *parent = nullptr);

    int itemHeight() const { return m_itemHeight; }

    // The selected row, or -1. A row the view only made current (the list took the focus by Tab or by
    // a click elsewhere) is not selected: it shows nothing and nothing acts on it.
    int itemIndex() const;
    // Selects the row (and only it), or nothing for -1 or a row the list does not have.
    void setItemIndex(int row);

    // Drops the items beyond n (a selected one among them leaves the list without selection) and adds
    // empty items up to n.
    void setCount(int n);

    bool checked(int row) const;
    void setChecked(int row, bool on);
    QString itemText(int row) const;
    void setItemText(int row, const QString &text);

Q_SIGNALS:
    // The user selected a row (mouse or keyboard), or took the selection away (row -1); the focus
    // arriving selects nothing.
    void clickedRow(int row);
    // The user ticked or unticked the row's box.
    void clickCheck(int row);
    // The user double-clicked the row.
    void doubleClickedRow(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Whether the press (or a double click that came without one) is the second click of a double click
    // whose first click ticked a box, on this list or another; it is then left out. Remembers it as the
    // last press either way.
    bool takeAsSecondClick(const QMouseEvent *event);
    QListWidgetItem *newItem();

    bool m_checkable;
    int m_itemHeight;
    // Set while the program changes the list, so that its changes report nothing.
    bool m_programmatic = false;
    // One gesture changes one tick: the first click of a double click that ticked a box ends it, and
    // the double click and its release do nothing more. The second press of that double click may land
    // on another row or on another list once the page rebuilt its lists (check_list_box.cpp keeps the
    // press that ticked, for every list); the whole second click is then left out.
    bool m_tickedSincePress = false;
    bool m_swallowRelease = false;
    bool m_swallowSecondClick = false;
};

} // namespace orva
