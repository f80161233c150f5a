#include "dialogs/path_tree.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/folder_model.h"
#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/focus_binding.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include "storage/program_settings.h"

#include <QDir>
#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

namespace orva {

TFormSelectPathTree::TFormSelectPathTree(QWidget *parent)
    : QDialog(parent), m_images(MakeImageList({QStringLiteral("cancel"), QStringLiteral("apply")})),
      m_captions({QString(), QStringLiteral("Отказаться"), QStringLiteral("Применить")})
{
    setObjectName(QStringLiteral("FormSelectPathTree"));
    setWindowTitle(QStringLiteral("Выбор папки для размещения файлов конфигурации"));

    m_model = new FolderModel(this);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("TV_Path"));
    m_tree->setModel(m_model);
    m_tree->setMinimumSize(444, 352);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(0, Qt::AscendingOrder);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setAccessibleName(QStringLiteral("Папки"));
    // Expanding a folder looks at its subfolders afresh.
    connect(m_tree, &QTreeView::expanded, m_model, &FolderModel::ForgetSubfolders);
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormSelectPathTree::SelectionChanged);
    // The folders load in the background: as the ones on the way to the preselected folder arrive, the
    // tree scrolls on until that folder is in view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const QModelIndex current = m_tree->currentIndex();
        if (!isVisible() || m_startPath.isEmpty() || !current.isValid() ||
            m_model->filePath(current) != m_startPath)
            return;
        if (m_startPath == loaded || m_startPath.startsWith(WithTrailingSeparator(loaded)) || loaded == u"/")
            m_tree->scrollTo(current, QAbstractItemView::PositionAtCenter);
    });

    m_tempPath = new StaticText(NoPath, this);
    m_tempPath->setObjectName(QStringLiteral("StaticText_TempPath"));
    m_tempPath->setMinimumHeight(28);
    m_tempPath->setFrameShape(QFrame::Panel);
    m_tempPath->setFrameShadow(QFrame::Sunken);
    m_tempPath->setFont(ArialPx(14, Bold));

    m_ok =
        MakeDialogButton(this, QStringLiteral("BtnOK"), 2, QStringLiteral("Применить сделанные настройки"));
    m_ok->setDefault(true);
    m_cancel =
        MakeDialogButton(this, QStringLiteral("BtnCancel"), 1, QStringLiteral("Отменить изменения настроек"));
    connect(m_ok, &QPushButton::clicked, this, &TFormSelectPathTree::BtnOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &TFormSelectPathTree::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_tree);
    layout->addWidget(m_tempPath);
    layout->addLayout(ButtonRow({m_ok, m_cancel}));
    BindButtonFaces(this, &m_images, &m_captions);
    BindFocus(this);
    SelectionChanged();
}

void TFormSelectPathTree::SelectionChanged()
{
    const QModelIndexList selected = m_tree->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        m_tempPath->setText(NoPath);
        m_ok->setEnabled(false);
        return;
    }
    const QString path = WithTrailingSeparator(m_model->filePath(selected.first()));
    m_tempPath->setText(QDir::toNativeSeparators(path));
    m_ok->setEnabled(true);
}

void TFormSelectPathTree::BtnOKClick()
{
    if (m_tree->selectionModel()->selectedRows().isEmpty())
        return;
    m_chosenPath = QDir::fromNativeSeparators(m_tempPath->text());
    done(ModalResult::Ok);
}

void TFormSelectPathTree::reject()
{
    done(ModalResult::Cancel);
}

void TFormSelectPathTree::showEvent(QShowEvent *event)
{
    // Start at the given folder when it exists; otherwise nothing is selected.
    m_tree->clearSelection();
    m_startPath.clear();
    const QFileInfo start(m_chosenPath);
    if (!m_chosenPath.isEmpty() && start.isDir()) {
        const QModelIndex index = m_model->index(start.absoluteFilePath());
        m_startPath = m_model->filePath(index);
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    SelectionChanged();
    m_cancel->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

} // namespace orva
