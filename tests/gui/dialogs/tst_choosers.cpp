// The disk chooser with a given list of disks (and none), the folder chooser with and without a
// selection, and the folder tree's expand marks.
#include "dialogs/folder_model.h"
#include "dialogs/logical_disks.h"
#include "dialogs/modal_result.h"
#include "dialogs/path_tree.h"
#include "widgets/static_text.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace orva;

namespace {

bool OpenAndWait(QDialog &dialog)
{
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

QPushButton *Button(QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class ChoosersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void disksAreListedAndTheFirstSelected();
    void chosenDisk();
    void cancelLeavesNoDisk();
    void noRemovableDisk();
    void folderChooserWithoutSelection();
    void folderChooserStartsAtTheGivenFolder();
    void folderChooserTakesTheSelectedFolder();
    void folderWithoutSubfoldersDoesNotExpand();
    void emptyDiskChooserSaysWhy();
    void folderChooserShowsPicturesAndThePreselectedFolder();
};

void ChoosersTest::disksAreListedAndTheFirstSelected()
{
    QTemporaryDir a, b;
    TFormLogicalDisks dialog;
    dialog.SetDiskSource(std::make_unique<GivenDisks>(QList<RemovableDisk>{
        {a.path() + u'/', QStringLiteral("E")}, {b.path() + u'/', QStringLiteral("CARD")}}));
    QVERIFY(OpenAndWait(dialog));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("ListBoxDisks"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Disk E: [сменный диск]"));
    QCOMPARE(list->item(0)->text().at(5), u'E'); // the drive letter is the sixth character
    QCOMPARE(list->item(1)->text(), QStringLiteral("Disk CARD: [сменный диск]"));
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(Button(dialog, "BtnOK")->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), Button(dialog, "BtnCancel"));
    dialog.close();
}

void ChoosersTest::chosenDisk()
{
    QTemporaryDir a, b;
    TFormLogicalDisks dialog;
    dialog.SetDiskSource(std::make_unique<GivenDisks>(QList<RemovableDisk>{
        {a.path() + u'/', QStringLiteral("E")}, {b.path() + u'/', QStringLiteral("F")}}));
    QVERIFY(OpenAndWait(dialog));
    dialog.findChild<QListWidget *>(QStringLiteral("ListBoxDisks"))->setCurrentRow(1);
    QTest::mouseClick(Button(dialog, "BtnOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Ok);
    QCOMPARE(dialog.SelectedDisk().rootPath, b.path() + u'/');
}

void ChoosersTest::cancelLeavesNoDisk()
{
    QTemporaryDir a;
    TFormLogicalDisks dialog;
    dialog.SetDiskSource(
        std::make_unique<GivenDisks>(QList<RemovableDisk>{{a.path() + u'/', QStringLiteral("E")}}));
    QVERIFY(OpenAndWait(dialog));
    QTest::mouseClick(Button(dialog, "BtnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Cancel);
    QVERIFY(dialog.SelectedDisk().rootPath.isEmpty());
}

void ChoosersTest::noRemovableDisk()
{
    TFormLogicalDisks dialog;
    dialog.SetDiskSource(std::make_unique<GivenDisks>(QList<RemovableDisk>{}));
    QVERIFY(OpenAndWait(dialog));
    QCOMPARE(dialog.findChild<QListWidget *>(QStringLiteral("ListBoxDisks"))->count(), 0);
    QVERIFY(!Button(dialog, "BtnOK")->isEnabled());
    QTest::mouseClick(Button(dialog, "BtnOK"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(Button(dialog, "BtnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Cancel);
    QVERIFY(dialog.SelectedDisk().rootPath.isEmpty());
}

void ChoosersTest::emptyDiskChooserSaysWhy()
{
    QTemporaryDir a;
    TFormLogicalDisks dialog;
    dialog.SetDiskSource(std::make_unique<GivenDisks>(QList<RemovableDisk>{}));
    QVERIFY(OpenAndWait(dialog));
    auto *hint = dialog.findChild<StaticText *>(QStringLiteral("StaticTextNoDisks"));
    QVERIFY(hint && hint->isVisible());
    QVERIFY(hint->text().startsWith(QStringLiteral("Съёмные диски не найдены")));
    dialog.reject();
    // With a disk the line is gone.
    dialog.SetDiskSource(
        std::make_unique<GivenDisks>(QList<RemovableDisk>{{a.path() + u'/', QStringLiteral("E")}}));
    QVERIFY(OpenAndWait(dialog));
    QVERIFY(!hint->isVisible());
}

void ChoosersTest::folderChooserWithoutSelection()
{
    TFormSelectPathTree dialog;
    QVERIFY(OpenAndWait(dialog));
    QCOMPARE(dialog.findChild<StaticText *>(QStringLiteral("StaticText_TempPath"))->text(),
             QStringLiteral("<none>"));
    // "Применить" is not offered, so "<none>" can never become the list folder.
    QVERIFY(!Button(dialog, "BtnOK")->isEnabled());
    QTest::mouseClick(Button(dialog, "BtnOK"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(Button(dialog, "BtnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Cancel);
    QVERIFY(dialog.ChosenPath().isEmpty());
}

void ChoosersTest::folderChooserStartsAtTheGivenFolder()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("Конфигурации")));
    const QString folder = root.path() + QStringLiteral("/Конфигурации");
    TFormSelectPathTree dialog;
    dialog.SetChosenPath(folder);
    QVERIFY(OpenAndWait(dialog));
    QCOMPARE(dialog.findChild<StaticText *>(QStringLiteral("StaticText_TempPath"))->text(),
             QDir::toNativeSeparators(folder + u'/'));
    QVERIFY(Button(dialog, "BtnOK")->isEnabled());
    QTest::mouseClick(Button(dialog, "BtnOK"), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Ok);
    QCOMPARE(dialog.ChosenPath(), folder + u'/');
}

void ChoosersTest::folderChooserTakesTheSelectedFolder()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("a/b")));
    TFormSelectPathTree dialog;
    QVERIFY(OpenAndWait(dialog));
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("TV_Path"));
    auto *model = qobject_cast<FolderModel *>(tree->model());
    tree->setCurrentIndex(model->index(root.path() + QStringLiteral("/a/b")));
    QCOMPARE(dialog.findChild<StaticText *>(QStringLiteral("StaticText_TempPath"))->text(),
             QDir::toNativeSeparators(root.path() + QStringLiteral("/a/b/")));
    QTest::mouseClick(Button(dialog, "BtnOK"), Qt::LeftButton);
    QCOMPARE(dialog.ChosenPath(), root.path() + QStringLiteral("/a/b/"));
}

void ChoosersTest::folderWithoutSubfoldersDoesNotExpand()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("parent/child")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("leaf")));
    QFile file(root.path() + QStringLiteral("/leaf/config.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    FolderModel model;
    QVERIFY(model.hasChildren(model.index(root.path() + QStringLiteral("/parent"))));
    QVERIFY(!model.hasChildren(model.index(root.path() + QStringLiteral("/leaf"))));
    // A folder made later is seen once the model forgets what it knew.
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("leaf/new")));
    model.ForgetSubfolders();
    QVERIFY(model.hasChildren(model.index(root.path() + QStringLiteral("/leaf"))));
}

// Every folder and drive of the tree has a picture, and a preselected folder deep in the tree is
// scrolled into view once its parents have loaded.
void ChoosersTest::folderChooserShowsPicturesAndThePreselectedFolder()
{
    QTemporaryDir root;
    QString deep = root.path();
    for (int level = 0; level < 6; ++level) {
        // Many siblings at every level push the chosen one far below the tree's first rows.
        for (int sibling = 0; sibling < 30; ++sibling)
            QVERIFY(QDir(deep).mkpath(QStringLiteral("a%1").arg(sibling, 2, 10, QLatin1Char('0'))));
        deep += QStringLiteral("/a29");
    }
    TFormSelectPathTree dialog;
    dialog.SetChosenPath(deep);
    QVERIFY(OpenAndWait(dialog));
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("TV_Path"));
    auto *model = qobject_cast<FolderModel *>(tree->model());
    const QModelIndex chosen = model->index(deep);
    QCOMPARE(tree->currentIndex(), chosen);
    QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(chosen)));
    const QIcon folder = model->data(chosen, Qt::DecorationRole).value<QIcon>();
    QVERIFY(!folder.isNull());
    QVERIFY(!folder.pixmap(16, 16).isNull());
    const QModelIndex drive = model->index(0, 0, QModelIndex());
    QVERIFY(!model->data(drive, Qt::DecorationRole).value<QIcon>().isNull());
}

QTEST_MAIN(ChoosersTest)
#include "tst_choosers.moc"
