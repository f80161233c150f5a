#include "status_line.h"

namespace orva {

QString StatusText(int kind, const QString &dateText, const QString &versionText)
{
    switch (kind) {
    case StatusKind::Default:
        return QStringLiteral("Конфигурация \"по-умолчанию\"");
    case StatusKind::Saved:
        return QStringLiteral("Конфигурация сохраненная (") + versionText + QStringLiteral(") от ") +
               dateText + QStringLiteral(" года ");
    case StatusKind::Device:
        return QStringLiteral("Конфигурация прибора (") + versionText + QStringLiteral(") от ") + dateText +
               QStringLiteral(" года ");
    default:
        return QString();
    }
}

} // namespace orva
