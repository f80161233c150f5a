#pragma once

#include "file_name_mask.h"

#include <QString>

#include <memory>

#include <QSettings>

namespace orva {

// The program's own settings: how "Открыть" and "Сохранить" work and how a file name is proposed.
struct ProgramSettings
{
    // The folder the configuration file list shows; always ends with a separator ("/" in memory, the
    // platform's own separator where it is stored).
    QString listPath;
    bool listMode = false; // false "обычный" (open dialog), true "список " (file list)
    bool maskMode = true;  // propose the save name built by the mask
    FileNameMask mask{{1, 2, 3, 4},
                      QStringLiteral("Orva"),
                      {QStringLiteral("_"), QStringLiteral("_"), QStringLiteral("_")},
                      QString()};

    friend bool operator==(const ProgramSettings &, const ProgramSettings &) = default;
};

// `path` with "/" added at the end when it does not end with "/" or "\".
QString WithTrailingSeparator(const QString &path);

struct SettingsWriteResult
{
    bool ok = false;
    QString headline; // for the error box when the write failed
    QString hint;
};

// Reads and writes the settings values under the names the panel's installers know from the Windows
// registry (ListPathSave, ListModeOpenSave, MaskMode, MaskPref, MaskDelim1..3, MaskSuff,
// MaskIdent1..4). The store works on any QSettings: the platform's (see OpenPlatformSettings) or a
// file that a test gives.
class SettingsStore
{
public:
    // `programFolder` is the default list folder when none is stored.
    SettingsStore(std::unique_ptr<QSettings> settings, QString programFolder);
    ~SettingsStore();

    // On Windows the machine-wide key HKEY_LOCAL_MACHINE\Software\Norvek\PPKOPOrva; elsewhere the
    // native user settings of organisation "Norvek", application "PPKOPOrva".
    static std::unique_ptr<QSettings> OpenPlatformSettings();

    // Absent or unreadable values take their defaults; a MaskIdent outside 0..4 reads as the element's
    // default kind.
    ProgramSettings Read() const;
    // Writes all twelve values and makes sure they reached the storage.
    SettingsWriteResult Write(const ProgramSettings &settings);

    // Where the values live, for messages: the registry key or the settings file.
    QString Location() const;

private:
    std::unique_ptr<QSettings> m_settings;
    QString m_programFolder;
};

} // namespace orva
