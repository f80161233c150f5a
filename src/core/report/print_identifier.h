#pragma once

#include "device_model/device.h"

#include <QString>

namespace orva {

// The print flow's first change to the working model: `gi` parameter 1 is replaced by its printed form
// (PrintedGprsIdentifier). It stays so even when the print is then cancelled.
void NormalizeIdentifierForPrint(T_Command_DEVICE &model);

// The print job's title: "ППКОП-Orva(" + device name + " " + `gi` parameter 1 + ")".
QString PrintJobTitle(const T_Command_DEVICE &model);

} // namespace orva
