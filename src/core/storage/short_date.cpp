#include "short_date.h"

namespace orva {

QString ShortDateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace orva
