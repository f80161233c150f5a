#pragma once

#include "device_model/device.h"

#include <QByteArray>
#include <QStringList>

namespace orva {

constexpr int MinimumLineLength = 45;

// Appends the lines of the model (without line ends) to `lines`, in command table order.
void WriteConfiguration(const T_Command_DEVICE &model, QStringList &lines);

// The same lines, each followed by CR LF, encoded to Windows-1251 into `bytes` (which it replaces).
// Returns false when a text has a character with no Windows-1251 form; the bytes then mean nothing.
bool WriteConfigurationBytes(const T_Command_DEVICE &model, QByteArray &bytes);

// The generic line of one record (every row but `ua` and `cb`).
QString FormatCommandLine(const T_Command &record);

// The line filled with blanks to 45 characters; a longer line stays as it is.
QString PadLine(const QString &line);

// The decimal text of value, preceded by `fill` up to `width` characters.
QString ZeroPad(qint32 value, int width, QChar fill);

// The text with every `from` replaced by `to`.
QString ReplaceChar(const QString &text, QChar from, QChar to);

} // namespace orva
