#pragma once

#include "widgets/picture_button.h"

#include <QDialog>

class QTreeView;

namespace orva {

class FolderModel;
class StaticText;

// Picks a folder: the list folder of the program settings. The tree shows the drives (file-system roots
// elsewhere) and their folders; the selected folder's path, with a trailing separator, stands under the
// tree. "Применить" is offered only while a folder is selected.
class TFormSelectPathTree : public QDialog
{
    Q_OBJECT
public:
    static inline const QString NoPath = QStringLiteral("<none>");

    explicit TFormSelectPathTree(QWidget *parent = nullptr);

    // The folder to start from, before showing; the chosen folder ("/"-separated, with a trailing "/")
    // after "Применить".
    QString ChosenPath() const { return m_chosenPath; }
    void SetChosenPath(const QString &path) { m_chosenPath = path; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SelectionChanged();
    void BtnOKClick();

    QString m_chosenPath;
    QString m_startPath; // the folder preselected at this showing, while it is still the current one
    FolderModel *m_model;
    QTreeView *m_tree;
    StaticText *m_tempPath;
    PictureButton *m_ok;
    PictureButton *m_cancel;
    ImageList m_images;
    CaptionTable m_captions;
};

} // namespace orva
