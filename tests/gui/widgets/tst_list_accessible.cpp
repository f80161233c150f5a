// The program's accessibility interface of a list (MakeListAccessible) against Qt's own one of the same
// list: on a list the user sees, it reads the same (names, roles, texts, states, table, actions); a list
// out of sight and its rows report themselves invisible, rows scrolled out of the list offscreen, and only
// the current row of the list with the focus is focused. This suite installs no factory of its own, so
// QAccessible gives Qt's interface.
#include "view_window.h"
#include "widgets/list_accessible.h"

#include <QListWidget>
#include <QVBoxLayout>

using namespace orva;
using orva::test::Shows;

namespace {

// A window with a list of `rows` rows; the rows past the list's height are scrolled out of it. Row 1 has a
// text for screen readers and a description, rows are checkable and row 2 is ticked.
struct ListWindow : test::ViewWindow
{
    explicit ListWindow(int rows)
    {
        auto *layout = new QVBoxLayout(&window);
        list = new QListWidget(&window);
        list->setAccessibleName(QStringLiteral("Список"));
        list->setAccessibleDescription(QStringLiteral("строки для проверки"));
        layout->addWidget(list);
        for (int row = 0; row < rows; ++row) {
            auto *item = new QListWidgetItem(QStringLiteral("Строка %1").arg(row + 1), list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(row == 2 ? Qt::Checked : Qt::Unchecked);
        }
        if (rows > 1) {
            list->item(1)->setData(Qt::AccessibleTextRole, QStringLiteral("вторая строка"));
            list->item(1)->setData(Qt::AccessibleDescriptionRole, QStringLiteral("с описанием"));
        }
        window.resize(240, 160);
        ours = MakeListAccessible(list);
    }
    bool ShowWithFocusOnList()
    {
        if (!ShowActive())
            return false;
        list->setFocus(Qt::TabFocusReason);
        return list->hasFocus();
    }

    QListWidget *list;
};

} // namespace

class ListAccessibleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyListsGetIt();
    void readsAsQtsOwnOnAShownList();
    void hiddenListNeitherShowsNorFocuses();
    void scrolledOutRowsAreOffscreen();
    void focusedOnlyWhileTheListHasTheFocus();
    void rowsFollowTheModel();
};

void ListAccessibleTest::onlyListsGetIt()
{
    QWidget plain;
    QVERIFY(!MakeListAccessible(&plain));
    QVERIFY(!MakeListAccessible(nullptr));
}

void ListAccessibleTest::readsAsQtsOwnOnAShownList()
{
    ListWindow w(5);
    QVERIFY(w.ShowWithFocusOnList());
    QTest::keyClick(w.list, Qt::Key_Down); // row 1 current and selected
    QCOMPARE(w.list->currentRow(), 1);
    QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(w.list);
    QAccessibleInterface *ours = w.ours;
    test::CompareViewWithQts(ours, qt);
    if (QTest::currentTestFailed())
        return;

    for (int i = 0; i < qt->childCount(); ++i) {
        QAccessibleInterface *mine = ours->child(i);
        QAccessibleInterface *theirs = qt->child(i);
        QVERIFY(mine && theirs);
        QCOMPARE(ours->child(i), mine); // one interface per row
        QCOMPARE(ours->indexOfChild(mine), i);
        test::CompareWithQts(mine, theirs);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(mine->rect(), theirs->rect());
        QCOMPARE(mine->state(), theirs->state());
        QCOMPARE(mine->actionInterface()->actionNames(), theirs->actionInterface()->actionNames());
        QAccessibleTableCellInterface *cell = mine->tableCellInterface();
        QCOMPARE(cell->rowIndex(), theirs->tableCellInterface()->rowIndex());
        QCOMPARE(cell->columnIndex(), theirs->tableCellInterface()->columnIndex());
        QCOMPARE(cell->isSelected(), theirs->tableCellInterface()->isSelected());
        QCOMPARE(cell->table(), qt); // the list as the bus knows it
        const QPoint centre = theirs->rect().center();
        QCOMPARE(ours->childAt(centre.x(), centre.y()), mine);
    }
    QCOMPARE(ours->child(1)->text(QAccessible::Name), QStringLiteral("вторая строка"));
    QVERIFY(ours->child(1)->state().focused);
    QVERIFY(ours->child(2)->state().checked);

    QAccessibleTableInterface *mine = ours->tableInterface();
    QAccessibleTableInterface *theirs = qt->tableInterface();
    QVERIFY(mine && theirs);
    QCOMPARE(mine->rowCount(), theirs->rowCount());
    QCOMPARE(mine->columnCount(), theirs->columnCount());
    QCOMPARE(mine->selectedRows(), theirs->selectedRows());
    QCOMPARE(mine->selectedCellCount(), theirs->selectedCellCount());
    QCOMPARE(mine->selectedCells().value(0), ours->child(1));
    QCOMPARE(mine->isRowSelected(1), theirs->isRowSelected(1));
    QCOMPARE(mine->isRowSelected(0), theirs->isRowSelected(0));
    QCOMPARE(mine->cellAt(3, 0), ours->child(3));

    // The toggle action selects a row as Qt's does.
    ours->child(4)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(w.list->selectionModel()->selectedRows().value(0).row(), 4);
    QVERIFY(mine->selectRow(0));
    QCOMPARE(theirs->selectedRows(), QList<int>{0});
}

void ListAccessibleTest::hiddenListNeitherShowsNorFocuses()
{
    ListWindow w(5);
    QVERIFY(w.ShowWithFocusOnList());
    QTest::keyClick(w.list, Qt::Key_Down);
    QVERIFY(w.ours->child(1)->state().focused);
    QVERIFY(Shows(w.ours->child(1)));

    // The list's page goes out of sight: the list and every row are invisible; the selection stays.
    w.list->hide();
    QVERIFY(w.ours->state().invisible);
    QVERIFY(!w.ours->state().focused);
    for (int i = 0; i < w.ours->childCount(); ++i) {
        const QAccessible::State state = w.ours->child(i)->state();
        QVERIFY(state.invisible);
        QVERIFY(!state.focused);
        QCOMPARE(bool(state.selected), i == 1);
        QVERIFY(w.ours->child(i)->rect().isEmpty());
    }

    // A list whose window is closed.
    w.list->show();
    QVERIFY(Shows(w.ours->child(0)));
    w.window.hide();
    QVERIFY(w.ours->child(0)->state().invisible);
    QVERIFY(!w.ours->child(1)->state().focused);
}

void ListAccessibleTest::scrolledOutRowsAreOffscreen()
{
    ListWindow w(40);
    QVERIFY(w.ShowWithFocusOnList());
    const auto showing = [&w] {
        QList<int> rows;
        for (int i = 0; i < w.ours->childCount(); ++i) {
            QAccessibleInterface *row = w.ours->child(i);
            if (row->state().invisible)
                return QList<int>{-1};
            if (Shows(row))
                rows << i;
        }
        return rows;
    };
    const auto inViewport = [&w] {
        QList<int> rows;
        for (int i = 0; i < w.list->count(); ++i) {
            if (w.list->viewport()->rect().intersects(w.list->visualItemRect(w.list->item(i))))
                rows << i;
        }
        return rows;
    };
    QList<int> first = showing();
    QVERIFY(first.size() > 1 && first.size() < 40);
    QCOMPARE(first.constFirst(), 0);
    QCOMPARE(first, inViewport());

    QTest::keyClick(w.list, Qt::Key_End);
    const QList<int> last = showing();
    QCOMPARE(last.constLast(), 39);
    QCOMPARE(last, inViewport());
    QVERIFY(w.ours->child(0)->state().offscreen);
    QVERIFY(w.ours->child(39)->state().focused);
}

void ListAccessibleTest::focusedOnlyWhileTheListHasTheFocus()
{
    ListWindow w(5);
    auto *other = new QListWidget(&w.window);
    w.window.layout()->addWidget(other);
    new QListWidgetItem(QStringLiteral("другая"), other);
    QVERIFY(w.ShowWithFocusOnList());
    QTest::keyClick(w.list, Qt::Key_Down);
    QVERIFY(w.ours->child(1)->state().focused);
    QVERIFY(w.ours->state().focused);

    // Tab to the other list: the first one keeps its current row, which is no longer focused.
    QTest::keyClick(w.list, Qt::Key_Tab);
    QVERIFY(other->hasFocus());
    QCOMPARE(w.list->currentRow(), 1);
    for (int i = 0; i < w.ours->childCount(); ++i)
        QVERIFY(!w.ours->child(i)->state().focused);
    QVERIFY(!w.ours->state().focused);
    QVERIFY(Shows(w.ours->child(1)));

    QTest::keyClick(other, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(w.list->hasFocus());
    QVERIFY(w.ours->child(1)->state().focused);
}

void ListAccessibleTest::rowsFollowTheModel()
{
    ListWindow w(3);
    QVERIFY(w.ShowWithFocusOnList());
    QCOMPARE(w.ours->child(2)->text(QAccessible::Name), QStringLiteral("Строка 3"));

    // A row inserted above without a word to the interface: each row reads the item now at its row.
    w.list->insertItem(0, QStringLiteral("Новая"));
    QCOMPARE(w.ours->childCount(), 4);
    QCOMPARE(w.ours->child(0)->text(QAccessible::Name), QStringLiteral("Новая"));
    QCOMPARE(w.ours->child(3)->text(QAccessible::Name), QStringLiteral("Строка 3"));
    QCOMPARE(w.ours->indexOfChild(w.ours->child(3)), 3);

    // With a screen reader about, the view reports the insertion: the interface a reader holds for a row
    // moves with its item.
    QAccessibleInterface *second = w.ours->child(2);
    QCOMPARE(second->text(QAccessible::Name), QStringLiteral("вторая строка"));
    w.list->insertItem(0, QStringLiteral("Ещё одна"));
    QAccessibleTableModelChangeEvent inserted(w.list, QAccessibleTableModelChangeEvent::RowsInserted);
    inserted.setFirstRow(0);
    inserted.setLastRow(0);
    w.ours->tableInterface()->modelChange(&inserted);
    QCOMPARE(w.ours->child(3), second);
    QCOMPARE(second->tableCellInterface()->rowIndex(), 3);

    w.list->clear();
    QAccessibleTableModelChangeEvent reset(w.list, QAccessibleTableModelChangeEvent::ModelReset);
    w.ours->tableInterface()->modelChange(&reset);
    QCOMPARE(w.ours->childCount(), 0);
    QVERIFY(!w.ours->child(0));
    QVERIFY(w.ours->tableInterface()->selectedCells().isEmpty());
}

QTEST_MAIN(ListAccessibleTest)
#include "tst_list_accessible.moc"
