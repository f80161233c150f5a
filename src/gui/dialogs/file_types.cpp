#include "dialogs/file_types.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace orva {

QString RussianFileTypes::type(const QFileInfo &info) const
{
    if (info.isRoot())
        return QStringLiteral("Диск");
    if (info.isDir())
        return QStringLiteral("Папка");
    const QString suffix = info.suffix().toLower();
    if (suffix == u"ini" || suffix == u"gsm")
        return QStringLiteral("Файл конфигурации");
    if (suffix == u"cry")
        return QStringLiteral("Зашифрованный файл конфигурации");
    if (suffix.isEmpty())
        return QStringLiteral("Файл");
    return QStringLiteral("Файл «%1»").arg(info.suffix().toUpper());
}

namespace {

// The file model's columns as the dialog shows them, with the size ("7 байт") and the date of change in
// the Russian forms.
class RussianFileColumns : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        auto *files = qobject_cast<QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files ||
            (index.column() != SizeColumn && index.column() != DateColumn))
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        if (index.column() == SizeColumn)
            return info.isDir() ? QString() : russian.formattedDataSize(info.size());
        return russian.toString(info.lastModified(), QLocale::ShortFormat);
    }

private:
    static constexpr int SizeColumn = 1;
    static constexpr int DateColumn = 3;
};

} // namespace

void UseRussianFileTypes(QFileDialog &dialog)
{
    static RussianFileTypes types;
    dialog.setIconProvider(&types);
    dialog.setProxyModel(new RussianFileColumns(&dialog));
}

} // namespace orva
