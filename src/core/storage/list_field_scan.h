#pragma once

#include "device_model/device.h"

#include <QString>

namespace orva {

// A plain file larger than this is examined for the file list by ScanListFields instead of a parse of
// its whole text; the editor's window leaves such files to the list's worker threads.
inline constexpr qint64 LargeListFileBytes = 256 * 1024;

// A regular file of more than LargeListFileBytes.
bool IsLargeListFile(const QString &path);

// The list's device name and identifier of a plain file read a piece at a time: the model is reset and
// only the lines that can hold the two commands are parsed into it, those with the letters of either
// command's code in any letter case, and those with a NUL character, which may end the text. A
// command's parameters never reach past its line and the lexer starts each line afresh, so no other line
// can change the two values: the model's device name and identifier are the ones a parse of the whole
// text gives (its other values are not the file's). Reading stops where a NUL ends the text. The memory
// used is a batch of those lines and the longest line, whatever the file's size. Returns false with the
// reason in `error` when the file cannot be read.
bool ScanListFields(const QString &path, T_Command_DEVICE &model, QString *error = nullptr);

} // namespace orva
