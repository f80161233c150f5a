#pragma once

#include "dialogs/removable_disks.h"
#include "widgets/picture_button.h"

#include <QDialog>

class QLabel;
class QListWidget;

namespace orva {

// Picks the removable disk that is the panel's storage. The list is built anew at every showing; with
// no removable disk only "Отказаться" can be used, and a line under the list tells why it is empty.
class TFormLogicalDisks : public QDialog
{
    Q_OBJECT
public:
    explicit TFormLogicalDisks(QWidget *parent = nullptr);

    // Where the list comes from; the platform's removable disks unless a test gives others.
    void SetDiskSource(std::unique_ptr<RemovableDisks> source);

    // The disk of the selected line; its root path is empty when no line is selected.
    RemovableDisk SelectedDisk() const;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

public:
    static inline const QString NoDisksText =
        QStringLiteral("Съёмные диски не найдены: вставьте носитель прибора");

private:
    void FillList();

    std::unique_ptr<RemovableDisks> m_source;
    QList<RemovableDisk> m_disks;
    QListWidget *m_list;
    QLabel *m_noDisks;
    PictureButton *m_ok;
    PictureButton *m_cancel;
    ImageList m_images;
    CaptionTable m_captions;
};

} // namespace orva
