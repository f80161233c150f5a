#pragma once

#include "device_model/modes.h"

#include <QString>

namespace orva {

// The printed record's own wording of modes; shorter than the editor's so that they fit its columns.
// A value without a text gives an empty cell.

// The loop mode's printed text (mode_rows.h), with the delay for GuardDelay and GuardFixed; an unused
// loop (Unused, None) gives an empty cell, a number without a row (13) the Loops page's text.
QString ReportLoopModeText(LoopMode mode, qint32 delay);
// The relay mode's printed text (mode_rows.h); a mode without a row gives an empty cell.
QString ReportRelayModeText(RelayMode mode);
// The message set of `sn` parameter 1.
QString ReportMessageSetText(qint32 set);

} // namespace orva
