#pragma once

#include <QString>
#include <QtGlobal>

namespace orva {

// The printed record's own wording of modes; shorter than the editor's so that they fit its columns.
// A value without a text gives an empty cell.

// The loop mode of `lm` parameter 1; modes 1 and 16 carry the delay (`lm` parameter 2). Modes 13 to 16
// print the Loops page's texts; an unused loop (7, 0) an empty cell.
QString ReportLoopModeText(qint32 mode, qint32 delay);
// The relay mode of `rm` parameter 1; the lock (10) prints the Relays page's text.
QString ReportRelayModeText(qint32 mode);
// The message set of `sn` parameter 1.
QString ReportMessageSetText(qint32 set);

} // namespace orva
