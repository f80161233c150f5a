#pragma once

#include <QByteArray>
#include <QString>

namespace orva {

// How writing a configuration ended, with the message the user sees for each failure.
enum class SaveOutcome {
    Saved,
    CannotCreate,  // the (temporary) file cannot be created: no right to write, no space
    CannotReplace, // the new file cannot take the old one's place
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

// Writes the configuration to `path`, replacing an existing file atomically: the old file stays whole
// until the new one is complete.
SaveOutcome SaveConfigurationFile(const QString &path, const QByteArray &bytes);

// Writes config.ini into the disk's root folder, then (only when it was written completely) clock.txt,
// then reads config.ini back and compares it byte for byte. A clock file that cannot be written is
// skipped without a message.
SaveOutcome WriteToDevice(const QString &diskRoot, const QByteArray &bytes);

// True when the folder of the given file holds lock.txt (the panel is armed).
bool PanelIsArmed(const QString &configurationPath);
// The armed-panel texts shown when a file from such a folder is loaded.
SaveMessage ArmedPanelMessage();

} // namespace orva
