#pragma once

#include <QDate>
#include <QString>

namespace orva {

// A date in the program's short form, the Russian one ("10.12.2026"), whatever the system's locale: the
// status line shows a file's date in it and the printed record its print date.
QString ShortDateText(const QDate &date);

} // namespace orva
