#include "dialogs/folder_model.h"

#include "dialogs/folder_pictures.h"

#include <QDirIterator>

namespace orva {
namespace {

constexpr QDir::Filters FolderFilter = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives;

} // namespace

FolderModel::FolderModel(QObject *parent) : QFileSystemModel(parent)
{
    setFilter(FolderFilter);
    setReadOnly(true);
    // The pictures outlive every model: the model's own thread may still ask for one while it stops.
    static const FolderPictures *pictures = new FolderPictures;
    setIconProvider(const_cast<FolderPictures *>(pictures));
    setRootPath(QString());
    connect(this, &QFileSystemModel::directoryLoaded, this, &FolderModel::ForgetSubfolders);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &FolderModel::ForgetSubfolders);
}

bool FolderModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return true;
    if (parent.column() > 0 || !isDir(parent))
        return false;
    const QString path = filePath(parent);
    const auto known = m_hasSubfolders.constFind(path);
    if (known != m_hasSubfolders.constEnd())
        return known.value();
    QDirIterator subfolders(path, QDir::Dirs | QDir::NoDotAndDotDot);
    const bool has = subfolders.hasNext();
    m_hasSubfolders.insert(path, has);
    return has;
}

void FolderModel::ForgetSubfolders()
{
    m_hasSubfolders.clear();
}

} // namespace orva
