#pragma once

#include "device_model/device.h"

#include <QString>

namespace orva {

// The GPRS identifier as the file list and the printed record show it: 12 hexadecimal characters in
// groups of four joined by "-"; an empty identifier reads "0000-0000-0000".
QString FormatGprsIdentifier(const QString &identifier);

// A GPRS key as the printed record shows it: 16 hexadecimal characters in groups of two joined by "-";
// an empty key reads "00-00-00-00-00-00-00-00".
QString FormatGprsKey(const QString &key);

// The print flow's first change to the working model: `gi` parameter 1 is replaced by its formatted
// form. It stays so even when the print is then cancelled.
void NormalizeIdentifierForPrint(T_Command_DEVICE &model);

// The print job's title: "ППКОП-Orva(" + device name + " " + `gi` parameter 1 + ")".
QString PrintJobTitle(const T_Command_DEVICE &model);

} // namespace orva
