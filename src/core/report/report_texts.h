#pragma once

#include <QString>
#include <QtGlobal>

namespace orva {

// The printed record's own wording of modes; shorter than the editor's so that they fit its columns.
// A value without a text gives an empty cell.

// The loop mode of `lm` parameter 1; mode 1 carries the entry delay (`lm` parameter 2).
QString ReportLoopModeText(qint32 mode, qint32 delay);
// The relay mode of `rm` parameter 1.
QString ReportRelayModeText(qint32 mode);
// The message set of `sn` parameter 1.
QString ReportMessageSetText(qint32 set);

} // namespace orva
