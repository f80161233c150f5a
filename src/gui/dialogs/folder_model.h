#pragma once

#include <QFileSystemModel>
#include <QHash>

namespace orva {

// The folders of the computer's drives (or file-system roots), sorted, folders only. A folder offers
// to expand only when it has at least one subfolder of its own; the search stops at the first.
class FolderModel : public QFileSystemModel
{
    Q_OBJECT
public:
    explicit FolderModel(QObject *parent = nullptr);

    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;

    // Forgets what is known about subfolders, so the next look sees the folders as they are now.
    void ForgetSubfolders();

private:
    mutable QHash<QString, bool> m_hasSubfolders;
};

} // namespace orva
