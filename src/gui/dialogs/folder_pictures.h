#pragma once

#include <QAbstractFileIconProvider>
#include <QIcon>

namespace orva {

// The folder chooser's own small pictures (16 x 16, drawn by the program, so that the tree shows them on
// every system whatever its icon theme): a closed folder, an open one for the selected folder, and a
// picture per kind of drive. The pictures are drawn once, on the GUI thread, when the provider is made:
// the folder model asks for them from its own thread.
class FolderPictures : public QAbstractFileIconProvider
{
public:
    FolderPictures();

    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;

private:
    QIcon m_folder;
    QIcon m_fixed;
    QIcon m_removable;
    QIcon m_network;
    QIcon m_optical;
};

} // namespace orva
