#include "dialogs/file_types.h"

#include <QFileDialog>
#include <QFileInfo>

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

void UseRussianFileTypes(QFileDialog &dialog)
{
    static RussianFileTypes types;
    dialog.setIconProvider(&types);
}

} // namespace orva
