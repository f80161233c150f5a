#pragma once

#include "device_model/modes.h"

#include <QString>

namespace orva {

// The printed record's own wording of modes; shorter than the editor's so that they fit its columns.
// A value without a text gives an empty cell.

// The loop mode; GuardDelay and GuardFixed carry the delay. Modes from 13 (unnamed) to GuardFixed print
// the Loops page's texts; an unused loop (Unused, None) an empty cell.
QString ReportLoopModeText(LoopMode mode, qint32 delay);
// The relay mode; the lock (Locker) prints the Relays page's text.
QString ReportRelayModeText(RelayMode mode);
// The message set of `sn` parameter 1.
QString ReportMessageSetText(qint32 set);

} // namespace orva
