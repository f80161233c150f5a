#pragma once

#include "config_file.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace orva {

// How writing a configuration ended, with the message the user sees for each failure.
enum class SaveOutcome {
    Saved,
    CannotCreate,  // the new file cannot be created or written completely: no right to write, no space
    CannotReplace, // the file is write-protected, or the new file cannot take the old one's place
    NotVerified,   // the file on the panel's disk reads back different from what was written
    ArmedPanel,    // the configuration's folder holds lock.txt: the panel is armed
};

struct SaveMessage
{
    QString headline;
    QString hint;
};

// The error box texts of a failed outcome (empty for Saved).
SaveMessage SaveFailureMessage(SaveOutcome outcome);
// The error box texts of a configuration file that cannot be opened for reading.
SaveMessage OpenFailureMessage();
// The information box texts after a save to a file and after writing to the panel's disk.
SaveMessage FileSavedMessage();
SaveMessage DeviceWrittenMessage();

// The file written on the panel's disk beside the configuration, and its fixed content.
inline constexpr char ClockFileName[] = "clock.txt";
inline constexpr char DeviceConfigFileName[] = "config.ini";
QByteArray ClockFileContent();

// The outcome the user is told for a write of the one writer (WriteFileAtomically): a write-protected
// target, an owner that cannot be kept or a failed replacement "не может быть записан", a file not created or
// not written completely "не может быть создан".
SaveOutcome SaveOutcomeOf(const FileWriteResult &written);

// Writes the configuration to `path` through the one writer: the old file stays byte for byte as it was
// unless the new one is complete.
SaveOutcome SaveConfigurationFile(const QString &path, const QByteArray &bytes);

// How the file written on the panel's disk is read back for the comparison; ReadFileBytes when empty.
// Tests give a reader that returns other bytes, as a failing card would.
using DeviceReadBack = std::function<FileReadResult(const QString &path)>;

// Writes config.ini into the disk's root folder, then (only when it was written completely) clock.txt,
// then reads config.ini back and compares it byte for byte. A clock file that cannot be written is
// skipped without a message. Nothing is written to a disk that holds lock.txt (any letter case; the
// panel is armed), nor anywhere when the root is empty or no folder.
SaveOutcome WriteToDevice(const QString &diskRoot, const QByteArray &bytes,
                          const DeviceReadBack &readBack = {});

// True when the folder of the given file holds a file named lock.txt in any letter case (the panel is
// armed; its card's file system does not tell letter cases apart, a copy of it on another disk may).
bool PanelIsArmed(const QString &configurationPath);
// The armed-panel texts shown when a file from such a folder is loaded.
SaveMessage ArmedPanelMessage();

} // namespace orva
