#include "frame/status_line.h"

#include <QFontMetrics>

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

QString FittedStatusText(const QFontMetrics &metrics, int width, int kind, const QString &dateText,
                         const QString &versionText, const QString &mark)
{
    const QString full = StatusText(kind, dateText, versionText) + mark;
    if (metrics.horizontalAdvance(full) <= width)
        return full;
    const int rest = metrics.horizontalAdvance(StatusText(kind, dateText, QString()) + mark);
    const QString version = metrics.elidedText(versionText, Qt::ElideMiddle, qMax(0, width - rest));
    return StatusText(kind, dateText, version) + mark;
}

} // namespace orva
