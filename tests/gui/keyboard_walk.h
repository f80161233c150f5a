#pragma once

#include "widgets/focus_colouring.h"
#include "widgets/picture_button.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QWidget>

namespace orva::test {

// A rendered pixel of the focus colour (yellow, also where a style shades it a little).
inline bool IsFocusYellow(const QColor &c)
{
    return c.red() >= 230 && c.green() >= 230 && c.blue() <= 70;
}

// How many pixels of the control, as it is drawn now, are of the focus colour.
inline int YellowPixels(QWidget *control)
{
    const QImage image = control->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += IsFocusYellow(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

// The pixels of the focus colour of a control and of the labels that belong to it (a check box without a
// caption of its own shows its focus on the blank label beside it).
inline int FocusLookPixels(QWidget *control)
{
    int count = YellowPixels(control);
    if (QWidget *parent = control->parentWidget()) {
        const auto labels = parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
        for (QLabel *label : labels) {
            if (label->buddy() == control && label->isVisible())
                count += YellowPixels(label);
        }
    }
    return count;
}

// What a screen reader announces as the control's name.
inline QString AccessibleName(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls the editor colours while they have the focus: every kind of HighlightFocus and the
// picture buttons, whose face turns yellow.
inline bool ShowsFocusColour(QWidget *control)
{
    return IsHighlightable(control) || qobject_cast<PictureButton *>(control);
}

// Gives the control the focus as Tab would and waits until it has it.
inline bool GiveFocus(QWidget *control)
{
    control->setFocus(Qt::TabFocusReason);
    return QTest::qWaitFor([control] { return QApplication::focusWidget() == control; }, 1000);
}

// Presses Tab (a real key event to the focused control) until the focus comes back to a control it
// already reached; the controls in the order Tab reached them.
inline QList<QWidget *> TabCycle(int limit = 300)
{
    QList<QWidget *> reached;
    for (int i = 0; i < limit; ++i) {
        QWidget *from = QApplication::focusWidget();
        if (!from)
            break;
        QTest::keyClick(from, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || reached.contains(now))
            break;
        reached.append(now);
    }
    return reached;
}

} // namespace orva::test
