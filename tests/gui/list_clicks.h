#pragma once

// Mouse and keyboard on the rows of a list, as the user does them.
#include <QAbstractButton>
#include <QListWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

namespace orva::test {

inline QPoint RowCentre(QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

// A click on the row's text: selects it.
inline void ClickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
}

inline void DoubleClickRow(QListWidget *list, int row)
{
    const QPoint at = RowCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The middle of the row's tick box, where the style draws it.
inline QPoint TickCentre(QListWidget *list, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(row));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = list->item(row)->text();
    return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list).center();
}

// A click on the row's tick box.
inline void ClickTick(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, TickCentre(list, row));
}

// A click on a radio button's or check box's indicator, where the style draws it.
inline void ClickButton(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement element =
        button->inherits("QRadioButton") ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      button->style()->subElementRect(element, &option, button).center());
}

} // namespace orva::test
