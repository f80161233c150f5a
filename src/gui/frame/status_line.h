#pragma once

#include "storage/config_save.h" // PanelIsArmed: lock.txt beside the file

#include <QString>

class QFontMetrics;

namespace orva {

// Kinds of configuration the status line names.
namespace StatusKind {
constexpr int Default = 0; // "Конфигурация \"по-умолчанию\""
constexpr int Saved = 1;   // read from a file
constexpr int Device = 2;  // an encrypted configuration read from the file list
} // namespace StatusKind

// The status line's text for a kind; a kind outside 0..2 has no text.
QString StatusText(int kind, const QString &dateText, const QString &versionText);

inline const QString ReadOnlyMark = QStringLiteral("(только чтение)");

// The status line's text (with `mark` appended) as it fits `width` in `metrics`: a version text too long
// for the line is shortened in its middle, so that the kind, the date and the mark stay readable.
QString FittedStatusText(const QFontMetrics &metrics, int width, int kind, const QString &dateText,
                         const QString &versionText, const QString &mark);

} // namespace orva
