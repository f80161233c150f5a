#pragma once

#include "random/program_random.h"

#include <QStringList>

#include <memory>

#include <QSettings>

namespace orva {

class SettingsStore;
class T_Command_DEVICE;
class TDialogConfig;
class TForm2;
class TFormDialogSetKeyConfig;
class TFormErrorMessage;
class TFormLogicalDisks;
class TFormOkMessage;
class TFormSelectPathTree;

// The folder that holds Image/: beside the program file, else the data folder of the installation the
// program file belongs to (<bin>/../share/orva-configurator), else the installed data folder found in the
// system's data folders; the program file's folder when none has it. Ends with "/".
QString ProgramFolder();

// The editor's start-up: the windows once each, in this order: TForm2, TFormLogicalDisks,
// TFormErrorMessage, TFormOkMessage, TDialogConfig, TFormDialogSetKeyConfig, TFormSelectPathTree; then
// the two device models and the seeded random generator. Every dialog is a child of the main window and
// lives as long as it.
class Program
{
public:
    // `settings` is where the program settings live; the platform's when none is given.
    explicit Program(const QStringList &arguments, std::unique_ptr<QSettings> settings = nullptr);
    ~Program();

    TForm2 &MainWindow() const { return *m_form2; }
    // Centres the main window on the desktop and shows it (its first showing loads the configuration).
    void Show();
    // Shows an exception that escaped an event handler in the error box.
    void ReportException(const QString &what);

private:
    QString m_programFolder;
    std::unique_ptr<SettingsStore> m_settingsStore;
    std::unique_ptr<TForm2> m_form2;
    TFormLogicalDisks *m_disks = nullptr;
    TFormErrorMessage *m_error = nullptr;
    TFormOkMessage *m_ok = nullptr;
    TDialogConfig *m_config = nullptr;
    TFormDialogSetKeyConfig *m_key = nullptr;
    TFormSelectPathTree *m_pathTree = nullptr;
    std::unique_ptr<T_Command_DEVICE> m_working;
    std::unique_ptr<T_Command_DEVICE> m_list;
    ProgramRandom m_random;
};

} // namespace orva
