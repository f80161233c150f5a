#include "dialogs/logical_disks.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/colours.h"
#include "widgets/focus_binding.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace orva {

TFormLogicalDisks::TFormLogicalDisks(QWidget *parent)
    : QDialog(parent), m_source(PlatformRemovableDisks()),
      m_images(MakeImageList({QStringLiteral("cancel"), QStringLiteral("apply")})),
      m_captions({QString(), QStringLiteral("Отказаться"), QStringLiteral("Выбрать")})
{
    setObjectName(QStringLiteral("FormLogicalDisks"));
    setWindowTitle(QStringLiteral("Выбор диска устройства:"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBoxDisks"));
    m_list->setMinimumSize(404, 212);
    m_list->setFont(ArialPx(19, Bold));
    m_list->setUniformItemSizes(true);
    m_list->setAccessibleName(QStringLiteral("Съёмные диски"));

    m_noDisks = new StaticText(NoDisksText, this);
    m_noDisks->setObjectName(QStringLiteral("StaticTextNoDisks"));
    m_noDisks->setFont(ArialPx(17, Bold | Italic));
    m_noDisks->setWordWrap(true);
    SetTextColour(m_noDisks, Colours::Hint);
    m_noDisks->hide();

    m_ok = MakeDialogButton(this, QStringLiteral("BtnOK"), 2);
    m_ok->setDefault(true);
    m_cancel = MakeDialogButton(this, QStringLiteral("BtnCancel"), 1);
    connect(m_ok, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
    connect(m_cancel, &QPushButton::clicked, this, &TFormLogicalDisks::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_list);
    layout->addWidget(m_noDisks);
    layout->addLayout(ButtonRow({m_ok, m_cancel}));
    BindButtonFaces(this, &m_images, &m_captions);
    BindFocus(this);
}

void TFormLogicalDisks::SetDiskSource(std::unique_ptr<RemovableDisks> source)
{
    m_source = std::move(source);
}

void TFormLogicalDisks::FillList()
{
    m_list->clear();
    m_disks = m_source ? m_source->List() : QList<RemovableDisk>();
    for (const RemovableDisk &disk : std::as_const(m_disks)) {
        auto *item = new QListWidgetItem(DiskLine(disk), m_list);
        item->setSizeHint(QSize(0, 32));
        item->setData(Qt::UserRole, disk.rootPath);
    }
    m_noDisks->setVisible(m_disks.isEmpty());
    if (m_disks.isEmpty()) {
        m_ok->setEnabled(false);
    } else {
        m_list->setCurrentRow(0);
        m_ok->setEnabled(true);
    }
}

RemovableDisk TFormLogicalDisks::SelectedDisk() const
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_disks.size() || !m_list->currentItem()->isSelected())
        return {};
    return m_disks.at(row);
}

void TFormLogicalDisks::reject()
{
    // "Отказаться" leaves no disk selected.
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    done(ModalResult::Cancel);
}

void TFormLogicalDisks::showEvent(QShowEvent *event)
{
    FillList();
    m_cancel->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

} // namespace orva
