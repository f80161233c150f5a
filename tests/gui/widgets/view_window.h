#pragma once

// What the tests of the program's list and table interfaces share: a window whose view has two
// interfaces, Qt's own (QAccessible's, as these suites install no factory) and the program's (`ours`),
// which the test compares.

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace orva::test {

// Shown on screen in the sense of a screen reader's "showing".
inline bool Shows(const QAccessibleInterface *child)
{
    return !child->state().invisible && !child->state().offscreen;
}

// Compares what a screen reader reads of `ours` itself (not of its children) with `qt`; the caller checks
// QTest::currentTestFailed() after it.
inline void CompareWithQts(const QAccessibleInterface *ours, const QAccessibleInterface *qt)
{
    QVERIFY(ours && qt && ours != qt);
    QCOMPARE(ours->role(), qt->role());
    QCOMPARE(ours->text(QAccessible::Name), qt->text(QAccessible::Name));
    QCOMPARE(ours->text(QAccessible::Description), qt->text(QAccessible::Description));
}

// Compares the program's interface of a view, on screen, with Qt's, children apart; the caller checks
// QTest::currentTestFailed() after it.
inline void CompareViewWithQts(const QAccessibleInterface *ours, const QAccessibleInterface *qt)
{
    CompareWithQts(ours, qt);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(ours->state(), qt->state());
    QCOMPARE(ours->rect(), qt->rect());
    QCOMPARE(ours->parent(), qt->parent());
    QCOMPARE(ours->childCount(), qt->childCount());
}

struct ViewWindow
{
    ViewWindow() = default;
    // Interfaces are deleted through QAccessible only. Registering ours takes the view's place in the
    // cache from Qt's, which the test no longer uses.
    ~ViewWindow()
    {
        if (ours)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(ours));
    }
    ViewWindow(const ViewWindow &) = delete;
    ViewWindow &operator=(const ViewWindow &) = delete;

    // Shows the window and waits until it is the active one.
    bool ShowActive()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;
    QAccessibleInterface *ours =
        nullptr; // not in QAccessible's cache, which holds Qt's interface of the view
};

} // namespace orva::test
