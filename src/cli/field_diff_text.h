#pragma once

#include "fields/field_catalogue.h"

#include <QByteArray>

namespace orva::cli {

// One line per difference: "page / field: A-value → B-value" (an empty value as ""), UTF-8. Each line
// starts with `prefix` (already fit for a terminal). Values with control characters are quoted and
// escaped (TerminalText).
QByteArray DifferencesAsText(const QList<FieldDifference> &differences, const QString &prefix = {});

} // namespace orva::cli
